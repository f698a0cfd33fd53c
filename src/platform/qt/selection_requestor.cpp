#include "platform/qt/selection_requestor.h"

#include "platform/qt/selection_reader.h"
#include "platform/qt/selection_transfers.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <mutex>
#include <thread>

namespace vornith {

namespace {

using Clock = SelectionTransfers::Clock;

// While no connection can be made, how often another is tried between reads.
constexpr std::chrono::milliseconds kReconnect{1000};

// A read for the requestor's thread: the text, and the data under `dataTarget` when it is set.
// Its answer goes to `deliver`, unless a later read abandoned it and nobody waits for it.
struct Job {
    QByteArray dataTarget;
    SelectionRequestor::Bounds bounds;
    std::function<void(std::optional<SelectionRequestor::Answer>)> deliver;
    bool waited = false;
};

} // namespace

// The requestor's thread: the reads it is given, one at a time, and between them the late
// answers, the retired windows and a new connection when one broke. The connection is used on
// this thread alone; `next` is what it reads next, and a wake tells it so, abandoning the read
// under way.
struct SelectionRequestor::Impl {
    Impl(const QByteArray& display, OwnWindows own, std::chrono::milliseconds timeout,
         std::chrono::milliseconds total)
        : wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), transfers(display, wake, abandon, timeout),
          reader(transfers, own, total, abandon) {
        transfers.noticed = [this](const xcb_xfixes_selection_notify_event_t& n) {
            reader.ownerNoticed(n);
            tellChange();
        };
    }
    ~Impl() {
        if (wake >= 0) close(wake);
    }

    const int wake;
    std::atomic<bool> abandon = false;
    SelectionTransfers transfers;
    SelectionReader reader;
    // Tells the opening thread of a change; called on the requestor's thread.
    std::function<void()> tellChange;
    std::thread thread;
    std::mutex mutex;
    std::optional<Job> next;
    bool running = false;
    bool quit = false;

    // A connection to the display in place of the one there was; false when none can be made.
    bool connect() {
        reader.forget();
        return transfers.connect();
    }

    // A new connection in place of a broken one; a change may have gone untold meanwhile.
    void reconnect() {
        if (connect()) tellChange();
    }

    // Between reads: late answers are cleared away and notices told as they come, and quiet
    // retired windows go. The sweep's flush can read events into xcb's queue, so the drain
    // follows it. A connection found broken is replaced, at most once each kReconnect.
    void idle() {
        if (transfers.usable()) {
            const std::optional<Clock::time_point> due = transfers.sweep();
            transfers.drain();
            if (transfers.usable())
                return void(transfers.wait(due ? transfers.millisecondsUntil(*due) : -1));
        }
        const auto due = transfers.connectedAt() + kReconnect;
        if (Clock::now() < due) return void(transfers.wait(transfers.millisecondsUntil(due)));
        reconnect();
    }

    void post(Job job) {
        std::optional<Job> replaced;
        {
            const std::lock_guard lock(mutex);
            replaced = std::exchange(next, std::move(job));
            if (running) abandon = true;
        }
        if (replaced && replaced->waited)
            replaced->deliver(Answer{false, ClipboardRead{ClipboardRead::Outcome::NoAnswer, {}}});
        eventfd_write(wake, 1);
    }

    void run() {
        for (;;) {
            std::optional<Job> job;
            {
                const std::lock_guard lock(mutex);
                if (quit) return finish();
                job = std::exchange(next, std::nullopt);
                running = job.has_value();
                abandon = false;
            }
            if (!job) {
                idle();
                continue;
            }
            if (transfers.usable()) transfers.drain(); // a break that came between reads
            if (!transfers.usable()) reconnect();
            std::optional<Answer> answer =
                transfers.usable() ? std::optional(reader.read(job->dataTarget, job->bounds))
                                   : std::nullopt;
            bool abandoned = false;
            {
                const std::lock_guard lock(mutex);
                running = false;
                abandoned = abandon;
            }
            if (!abandoned || job->waited) job->deliver(std::move(answer));
        }
    }

    // At exit a drain under way gets a moment to end, so that its owner is not left waiting.
    void finish() {
        const auto end = Clock::now() + kFinish;
        while (transfers.usable() && Clock::now() < end) {
            transfers.drain();
            if (!transfers.draining()) return;
            transfers.wait(transfers.millisecondsUntil(end));
        }
    }

    void stop() {
        {
            const std::lock_guard lock(mutex);
            quit = true;
            abandon = true;
        }
        eventfd_write(wake, 1);
        if (thread.joinable()) thread.join();
    }
};

SelectionRequestor::SelectionRequestor(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
    impl_->tellChange = [this] {
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                if (listener_) listener_();
            },
            Qt::QueuedConnection);
    };
    impl_->thread = std::thread([this] { impl_->run(); });
}

// The thread goes first, so that no answer is sent to the context while it goes.
SelectionRequestor::~SelectionRequestor() {
    impl_->stop();
}

std::unique_ptr<SelectionRequestor> SelectionRequestor::open(const QByteArray& display,
                                                             OwnWindows own,
                                                             std::chrono::milliseconds timeout,
                                                             std::chrono::milliseconds total) {
    auto impl = std::make_unique<Impl>(display, own, timeout, total);
    if (impl->wake < 0 || !impl->connect()) return nullptr;
    return std::unique_ptr<SelectionRequestor>(new SelectionRequestor(std::move(impl)));
}

std::future<std::optional<SelectionRequestor::Answer>>
SelectionRequestor::read(const QByteArray& dataTarget, Bounds bounds) {
    auto answer = std::make_shared<std::promise<std::optional<Answer>>>();
    std::future<std::optional<Answer>> answered = answer->get_future();
    impl_->post({dataTarget, bounds,
                 [answer](std::optional<Answer> r) { answer->set_value(std::move(r)); }, true});
    return answered;
}

void SelectionRequestor::readText(qsizetype maxBytes,
                                  std::function<void(std::optional<Answer>)> done) {
    impl_->post(
        {{}, {maxBytes, 0}, [context = &context_, done = std::move(done)](std::optional<Answer> r) {
             QMetaObject::invokeMethod(
                 context, [done, r] { done(r); }, Qt::QueuedConnection);
         }});
}

void SelectionRequestor::onChange(std::function<void()> listener) {
    listener_ = std::move(listener);
}

} // namespace vornith
