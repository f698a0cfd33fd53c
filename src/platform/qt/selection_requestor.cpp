#include "platform/qt/selection_requestor.h"

#include <QHash>
#include <QObject>

#include <xcb/xcb.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace vornith {

namespace {

using Clock = std::chrono::steady_clock;

template <typename T> struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

// The outcome of one conversion request.
struct Answer {
    enum class Kind { NoAnswer, Refused, Answered };
    Kind kind = Kind::NoAnswer;
    QByteArray bytes;
};

// A read for the requestor's thread: the text, and the data under `dataTarget` when it is set.
// Its answer goes to `deliver`, unless a later read abandoned it and nobody waits for it.
struct Job {
    QByteArray dataTarget;
    std::function<void(std::optional<ClipboardContent>)> deliver;
    bool waited = false;
};

struct Request {
    xcb_atom_t target;
    xcb_atom_t property;
    bool incremental = false; // an INCR transfer under way
    bool done = false;
    Answer answer;
};

} // namespace

struct SelectionRequestor::Impl {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = XCB_NONE;
    std::chrono::milliseconds timeout;
    qsizetype maxBytes;
    // The window requests are made on; XCB_NONE until one is needed. Windows that saw a request
    // go unanswered are left to the server, so that late answers land there and are deleted.
    xcb_window_t window = XCB_NONE;
    std::vector<xcb_atom_t> properties; // one per request of a read
    xcb_atom_t clipboard, targets, incr, utf8, latin1;
    QHash<QByteArray, xcb_atom_t> atoms;
    // What `offeredBy` offers, asked once.
    std::optional<std::vector<xcb_atom_t>> offered;
    xcb_window_t offeredBy = XCB_NONE;
    // The connection is used on the requestor's own thread alone; `next` is what it reads next,
    // and a wake tells it so, abandoning the read under way.
    std::thread thread;
    std::mutex mutex;
    std::optional<Job> next;
    bool running = false;
    bool quit = false;
    int wake = -1;
    std::atomic<bool> abandon = false;
    std::atomic<bool> forgotten = false;

    ~Impl() {
        if (wake >= 0) close(wake);
        xcb_disconnect(c);
    }

    void clearWake() {
        eventfd_t value;
        eventfd_read(wake, &value);
    }

    // Waits for an event of the connection (none once it is broken) or a wake; true when woken.
    bool wait(int milliseconds) {
        pollfd fds[2] = {{wake, POLLIN, 0}, {xcb_get_file_descriptor(c), POLLIN, 0}};
        const nfds_t count = xcb_connection_has_error(c) ? 1 : 2;
        if (poll(fds, count, milliseconds) <= 0 || !(fds[0].revents & POLLIN)) return false;
        clearWake();
        return true;
    }

    // Between reads: late answers are cleared away as they come.
    void idle() {
        drain();
        wait(-1);
    }

    // Interned once: the data format's atom is asked for at every paste.
    xcb_atom_t atom(const QByteArray& name) {
        if (const auto it = atoms.constFind(name); it != atoms.cend()) return *it;
        Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.constData()),
            nullptr));
        if (!r) return XCB_NONE;
        atoms.insert(name, r->atom);
        return r->atom;
    }

    xcb_window_t owner() {
        Reply<xcb_get_selection_owner_reply_t> r(
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr));
        return r ? r->owner : XCB_NONE;
    }

    bool offers(xcb_atom_t target) const {
        return offered && std::ranges::find(*offered, target) != offered->end();
    }

    xcb_atom_t textTarget() const {
        return offers(utf8) ? utf8 : offers(latin1) ? latin1 : XCB_NONE;
    }

    void requestWindow() {
        if (window != XCB_NONE) return;
        window = xcb_generate_id(c);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, 0, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    }

    // The whole value of `property`, deleted as it is read; nothing when it could not be read
    // or exceeds the bound.
    std::optional<QByteArray> take(xcb_window_t w, xcb_atom_t property, xcb_atom_t* type) {
        const auto longs = static_cast<uint32_t>(maxBytes / 4 + 1);
        Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
            c, xcb_get_property(c, 1, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs), nullptr));
        if (!r) return std::nullopt;
        if (type) *type = r->type;
        const int length = xcb_get_property_value_length(r.get());
        if (r->bytes_after > 0 || length > maxBytes) {
            xcb_delete_property(c, w, property); // not deleted by a partial read
            return std::nullopt;
        }
        return QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())), length);
    }

    // An event for a window of a request that is over: its property goes.
    void dropLate(xcb_window_t w, xcb_atom_t property) {
        if (property != XCB_NONE) xcb_delete_property(c, w, property);
    }

    // Handles one event; true when it was progress: an answer to one of `requests`, or a piece
    // of one.
    bool handle(const xcb_generic_event_t* event, std::vector<Request>& requests) {
        switch (event->response_type & 0x7f) {
        case XCB_SELECTION_NOTIFY: {
            const auto* n = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
            auto it = std::ranges::find_if(requests, [&](const Request& r) {
                return !r.done && !r.incremental && r.target == n->target &&
                       (n->property == r.property || n->property == XCB_NONE);
            });
            if (n->requestor != window || n->selection != clipboard || it == requests.end()) {
                const bool pending = std::ranges::any_of(
                    requests, [&](const Request& r) { return r.property == n->property; });
                if (n->requestor != window || !pending) dropLate(n->requestor, n->property);
                return false;
            }
            if (n->property == XCB_NONE) {
                it->done = true;
                it->answer.kind = Answer::Kind::Refused;
                return true;
            }
            xcb_atom_t type = XCB_NONE;
            std::optional<QByteArray> bytes = take(window, it->property, &type);
            if (bytes && type == incr) {
                it->incremental = true;
                return true;
            }
            it->done = true;
            if (bytes) it->answer = {Answer::Kind::Answered, std::move(*bytes)};
            return true;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto* n = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (n->state != XCB_PROPERTY_NEW_VALUE) return false;
            if (n->window != window) {
                dropLate(n->window, n->atom);
                return false;
            }
            auto it = std::ranges::find_if(requests, [&](const Request& r) {
                return r.incremental && !r.done && r.property == n->atom;
            });
            if (it == requests.end()) return false;
            std::optional<QByteArray> chunk = take(window, it->property, nullptr);
            if (!chunk || it->answer.bytes.size() + chunk->size() > maxBytes) {
                it->done = true; // given up: the window is retired with the transfer
                it->answer = {};
            } else if (chunk->isEmpty()) {
                it->done = true;
                it->answer.kind = Answer::Kind::Answered;
            } else {
                it->answer.bytes.append(*chunk);
            }
            return true;
        }
        default:
            return false;
        }
    }

    // Late answers that arrived while no read was waiting. A flush can read waiting events into
    // xcb's queue, so each look follows one.
    void drain() {
        std::vector<Request> none;
        for (;;) {
            xcb_flush(c);
            xcb_generic_event_t* e = xcb_poll_for_event(c);
            if (!e) return;
            handle(e, none);
            std::free(e);
        }
    }

    // Asks for every target at once and waits for all the answers, until `deadline`; each answer,
    // and each piece of an incremental transfer, moves the deadline to one time-out from then.
    std::vector<Answer> convert(const std::vector<xcb_atom_t>& asked, Clock::time_point& deadline) {
        requestWindow();
        while (properties.size() < asked.size())
            properties.push_back(
                atom("VORNITH_SELECCION_" + QByteArray::number(qsizetype(properties.size()))));
        std::vector<Request> requests;
        for (std::size_t i = 0; i < asked.size(); ++i) {
            requests.push_back({asked[i], properties[i], false, false, {}});
            xcb_delete_property(c, window, properties[i]);
            xcb_convert_selection(c, window, clipboard, asked[i], properties[i], XCB_CURRENT_TIME);
        }
        xcb_flush(c);
        const auto pending = [&] {
            return std::ranges::any_of(requests, [](const Request& r) { return !r.done; });
        };
        while (pending() && !xcb_connection_has_error(c)) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0 || abandon) break;
            // A flush can read waiting events into xcb's queue: look there before sleeping.
            xcb_flush(c);
            bool handled = false;
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                handled = true;
                if (handle(e, requests)) deadline = Clock::now() + timeout;
                std::free(e);
            }
            if (handled) continue;
            wait(static_cast<int>(left));
        }
        // A request unanswered, or a transfer given up, may still be answered: not here.
        const bool clean = std::ranges::all_of(requests, [](const Request& r) {
            return r.done && (!r.incremental || r.answer.kind == Answer::Kind::Answered);
        });
        if (!clean) window = XCB_NONE;
        std::vector<Answer> answers;
        for (Request& r : requests)
            answers.push_back(std::move(r.answer));
        return answers;
    }

    void post(Job job) {
        std::optional<Job> replaced;
        {
            const std::lock_guard lock(mutex);
            replaced = std::exchange(next, std::move(job));
            if (running) abandon = true;
        }
        if (replaced && replaced->waited) replaced->deliver(std::nullopt);
        eventfd_write(wake, 1);
    }

    // What a caller waits for.
    std::optional<ClipboardContent> ask(const QByteArray& dataTarget) {
        std::promise<std::optional<ClipboardContent>> answer;
        std::future<std::optional<ClipboardContent>> answered = answer.get_future();
        post({dataTarget,
              [&answer](std::optional<ClipboardContent> c) { answer.set_value(std::move(c)); },
              true});
        return answered.get();
    }

    void run() {
        for (;;) {
            std::optional<Job> job;
            {
                const std::lock_guard lock(mutex);
                if (quit) return;
                job = std::exchange(next, std::nullopt);
                running = job.has_value();
                abandon = false;
            }
            if (!job) {
                idle();
                continue;
            }
            const xcb_atom_t data = job->dataTarget.isEmpty() ? XCB_NONE : atom(job->dataTarget);
            std::optional<ClipboardContent> answer;
            if (job->dataTarget.isEmpty() || data != XCB_NONE) answer = read(data);
            bool abandoned = false;
            {
                const std::lock_guard lock(mutex);
                running = false;
                abandoned = abandon;
            }
            if (!abandoned || job->waited) job->deliver(std::move(answer));
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

    std::optional<ClipboardContent> read(xcb_atom_t data) {
        drain();
        if (forgotten.exchange(false)) offered.reset();
        const xcb_window_t holder = owner();
        if (holder == XCB_NONE) return ClipboardContent{};
        if (holder != offeredBy) offered.reset();
        Clock::time_point deadline = Clock::now() + timeout;
        std::vector<xcb_atom_t> asked;
        if (!offered) {
            asked = {targets, utf8};
            if (data != XCB_NONE) asked.push_back(data);
        } else {
            if (textTarget() != XCB_NONE) asked.push_back(textTarget());
            if (data != XCB_NONE && offers(data)) asked.push_back(data);
        }
        std::vector<Answer> answers = convert(asked, deadline);
        // The answer for `target`, asked now when it was not asked above.
        const auto answerFor = [&](xcb_atom_t target) -> const Answer& {
            const auto it = std::ranges::find(asked, target);
            if (it != asked.end()) return answers[static_cast<std::size_t>(it - asked.begin())];
            asked.push_back(target);
            answers.push_back(std::move(convert({target}, deadline).front()));
            return answers.back();
        };
        if (!offered) {
            const Answer& list = answers.front();
            if (list.kind == Answer::Kind::NoAnswer) return std::nullopt;
            // An owner that does not list its targets is asked for text.
            offered = std::vector<xcb_atom_t>{utf8, latin1};
            if (list.kind == Answer::Kind::Answered) {
                offered->resize(static_cast<std::size_t>(list.bytes.size()) / sizeof(xcb_atom_t));
                std::memcpy(offered->data(), list.bytes.constData(),
                            offered->size() * sizeof(xcb_atom_t));
            }
            offeredBy = holder;
        }
        ClipboardContent content;
        if (const xcb_atom_t target = textTarget(); target != XCB_NONE) {
            const Answer& text = answerFor(target);
            if (text.kind == Answer::Kind::NoAnswer) return std::nullopt;
            content.text =
                target == utf8 ? QString::fromUtf8(text.bytes) : QString::fromLatin1(text.bytes);
        }
        if (data != XCB_NONE && offers(data)) {
            const Answer& bytes = answerFor(data);
            if (bytes.kind != Answer::Kind::Answered || bytes.bytes.isEmpty()) return std::nullopt;
            content.data = bytes.bytes;
        }
        return content;
    }
};

SelectionRequestor::SelectionRequestor(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
    impl_->thread = std::thread([this] { impl_->run(); });
}

// The thread goes first, so that no answer is sent to the context while it goes.
SelectionRequestor::~SelectionRequestor() {
    impl_->stop();
}

std::unique_ptr<SelectionRequestor> SelectionRequestor::open(const QByteArray& display,
                                                             std::chrono::milliseconds timeout,
                                                             qsizetype maxBytes) {
    int screenNumber = 0;
    xcb_connection_t* c =
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->c = c;
    impl->timeout = timeout;
    impl->maxBytes = maxBytes;
    impl->wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0 || impl->wake < 0) return nullptr;
    impl->root = screens.data->root;
    impl->clipboard = impl->atom("CLIPBOARD");
    impl->targets = impl->atom("TARGETS");
    impl->incr = impl->atom("INCR");
    impl->utf8 = impl->atom("UTF8_STRING");
    impl->latin1 = XCB_ATOM_STRING;
    if (impl->clipboard == XCB_NONE || impl->targets == XCB_NONE || impl->incr == XCB_NONE ||
        impl->utf8 == XCB_NONE)
        return nullptr;
    return std::unique_ptr<SelectionRequestor>(new SelectionRequestor(std::move(impl)));
}

std::optional<QString> SelectionRequestor::text() {
    const std::optional<ClipboardContent> content = impl_->ask({});
    if (!content) return std::nullopt;
    return content->text;
}

void SelectionRequestor::readText(std::function<void(std::optional<QString>)> done) {
    impl_->post(
        {{}, [context = &context_, done = std::move(done)](std::optional<ClipboardContent> c) {
             std::optional<QString> text;
             if (c) text = std::move(c->text);
             QMetaObject::invokeMethod(
                 context, [done, text] { done(text); }, Qt::QueuedConnection);
         }});
}

std::optional<ClipboardContent> SelectionRequestor::content(const QByteArray& dataTarget) {
    return impl_->ask(dataTarget);
}

void SelectionRequestor::forget() {
    impl_->forgotten = true;
}

} // namespace vornith
