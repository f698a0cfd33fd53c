#include "platform/qt/selection_requestor.h"

#include <QHash>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace vornith {

namespace {

using Clock = std::chrono::steady_clock;
using Outcome = ClipboardRead::Outcome;

template <typename T> struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

// Quiet retired windows kept at most; the one quiet the longest goes first.
constexpr std::size_t kMaxRetired = 4;
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

// One conversion request and its transfer. Each value taken from the request property is
// taken for the one its notice announced only when the deletion of that read is the next thing
// told of the property: a new value told before it was written over the one announced.
struct Transfer {
    enum class State { Waiting, Receiving, Over };
    enum class Result { NoAnswer, Slow, Refused, Answered, TooBig, Unreadable };
    xcb_atom_t target = XCB_NONE;
    qsizetype maxBytes = 0;
    State state = State::Waiting;
    Result result = Result::NoAnswer;
    xcb_atom_t type = XCB_NONE; // of the answer, or of the pieces of an incremental one
    uint8_t format = 0;
    QByteArray bytes;
    bool incremental = false;       // the owner began an INCR transfer
    std::optional<uint16_t> taking; // the sequence of the read whose deletion is awaited
    bool complete = false;          // all of it taken: it ends on that deletion

    void end(Result r) {
        state = State::Over;
        result = r;
    }
};

// The value of a property read (and deleted) whole.
struct Piece {
    bool gone = false;   // no such property
    bool tooBig = false; // longer than the room left; deleted unread
    xcb_atom_t type = XCB_NONE;
    uint8_t format = 0;
    QByteArray bytes;
    uint16_t sequence = 0; // of the read, which its deletion's notice carries

    static Piece missing() {
        Piece p;
        p.gone = true;
        return p;
    }
};

} // namespace

struct SelectionRequestor::Impl {
    struct Retired {
        xcb_window_t window;
        Clock::time_point seen; // when anything last came for it
        bool draining;          // an INCR transfer to it has begun and not ended
    };
    // The clipboard's owner as the X server told it, and how many changes it had told before.
    struct Ownership {
        xcb_window_t holder = XCB_NONE;
        std::uint64_t changes = 0;
        bool operator==(const Ownership&) const = default;
    };

    QByteArray display;
    OwnWindows own;
    xcb_connection_t* c = nullptr;
    bool connected = false; // `c` is set up: atoms, XFixes, and the notices of a new owner
    Clock::time_point connectedAt;
    xcb_window_t root = XCB_NONE;
    std::chrono::milliseconds timeout;
    std::chrono::milliseconds total;
    // The window requests are made on; XCB_NONE until one is needed.
    xcb_window_t window = XCB_NONE;
    std::deque<Retired> retired; // oldest first
    // Every window id made on any connection: a new connection never reuses one, so that an
    // answer meant for a window of a broken connection never reaches a window of this one.
    std::set<xcb_window_t> used;
    xcb_atom_t clipboard, targets, incr, utf8, latin1, property;
    QHash<QByteArray, xcb_atom_t> atoms;
    uint8_t xfixesEvent = 0;
    // The notices of a new owner told so far, and the time of the latest one's ownership, which
    // every request carries (CurrentTime until one is told).
    std::uint64_t changes = 0;
    xcb_timestamp_t ownedSince = XCB_CURRENT_TIME;
    // What the owner offers, asked once per change.
    std::optional<std::vector<xcb_atom_t>> offered;
    std::uint64_t offeredAt = 0;
    // Tells the opening thread of a change; called on the requestor's thread.
    std::function<void()> announce;
    // The connection is used on the requestor's own thread alone; `next` is what it reads next,
    // and a wake tells it so, abandoning the read under way.
    std::thread thread;
    std::mutex mutex;
    std::optional<Job> next;
    bool running = false;
    bool quit = false;
    int wake = -1;
    std::atomic<bool> abandon = false;

    ~Impl() {
        if (wake >= 0) close(wake);
        if (c) xcb_disconnect(c);
    }

    bool usable() const { return connected && !xcb_connection_has_error(c); }

    // A connection to the display, in place of one that broke: what was asked on the old one
    // is forgotten with its windows. False when none can be made.
    bool connect() {
        if (c) xcb_disconnect(c);
        connected = false;
        connectedAt = Clock::now();
        window = XCB_NONE;
        retired.clear();
        offered.reset();
        atoms.clear();
        ownedSince = XCB_CURRENT_TIME;
        ++changes; // what was told on the old connection is no more
        int screenNumber = 0;
        c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
        if (xcb_connection_has_error(c)) return false;
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
            xcb_screen_next(&screens);
        if (screens.rem == 0) return false;
        root = screens.data->root;
        const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
        if (!xfixes || !xfixes->present) return false;
        xfixesEvent = xfixes->first_event;
        Reply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            c, xcb_xfixes_query_version(c, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
            nullptr));
        clipboard = atom("CLIPBOARD");
        targets = atom("TARGETS");
        incr = atom("INCR");
        utf8 = atom("UTF8_STRING");
        property = atom("VORNITH_SELECCION");
        latin1 = XCB_ATOM_STRING;
        if (!version || clipboard == XCB_NONE || targets == XCB_NONE || incr == XCB_NONE ||
            utf8 == XCB_NONE || property == XCB_NONE)
            return false;
        xcb_xfixes_select_selection_input(
            c, root, clipboard,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_flush(c);
        connected = true;
        return true;
    }

    void clearWake() {
        eventfd_t value;
        eventfd_read(wake, &value);
    }

    // Waits for an event of the connection (none once it is unusable) or a wake, at most
    // `milliseconds` (-1: no limit); true when woken.
    bool wait(int milliseconds) {
        pollfd fds[2] = {{wake, POLLIN, 0}, {xcb_get_file_descriptor(c), POLLIN, 0}};
        const nfds_t count = usable() ? 2 : 1;
        if (poll(fds, count, milliseconds) <= 0 || !(fds[0].revents & POLLIN)) return false;
        clearWake();
        return true;
    }

    static int millisecondsUntil(Clock::time_point t) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(t - Clock::now()).count();
        return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
    }

    // A new connection in place of a broken one; a change may have gone untold meanwhile.
    void reconnect() {
        if (connect()) announce();
    }

    // Between reads: late answers are cleared away and notices told as they come, and quiet
    // retired windows go. The sweep's flush can read events into xcb's queue, so the drain
    // follows it. A connection found broken is replaced, at most once each kReconnect.
    void idle() {
        if (usable()) {
            const std::optional<Clock::time_point> due = sweep();
            drain();
            if (usable()) return void(wait(due ? millisecondsUntil(*due) : -1));
        }
        const auto due = connectedAt + kReconnect;
        if (Clock::now() < due) return void(wait(millisecondsUntil(due)));
        reconnect();
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

    // The owner now, with the count of the changes told before the server answered: the
    // notices that came before its reply are handled first, so the two agree unless a notice
    // keeps coming, in which case the next look tells the change.
    Ownership ownership() {
        Ownership now;
        for (int tries = 0; tries < 3; ++tries) {
            now.changes = changes;
            Reply<xcb_get_selection_owner_reply_t> r(
                xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr));
            now.holder = r ? r->owner : XCB_NONE;
            drain();
            if (changes == now.changes) break;
        }
        return now;
    }

    bool ours(xcb_window_t w) const { return own.mask != 0 && (w & ~own.mask) == own.base; }

    bool offers(xcb_atom_t target) const {
        return offered && std::ranges::find(*offered, target) != offered->end();
    }

    xcb_atom_t textTarget() const {
        return offers(utf8) ? utf8 : offers(latin1) ? latin1 : XCB_NONE;
    }

    void requestWindow() {
        if (window != XCB_NONE) return;
        do
            window = xcb_generate_id(c); // all ones when none is left: the request then fails
        while (window != ~xcb_window_t{0} && used.contains(window));
        used.insert(window);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, 0, window, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    }

    // Pieces still came to it within a time-out: destroying it would leave its owner waiting.
    bool live(const Retired& r, Clock::time_point now) const {
        return r.draining && now < r.seen + timeout;
    }

    bool draining() const {
        const auto now = Clock::now();
        return std::ranges::any_of(retired, [&](const Retired& r) { return live(r, now); });
    }

    // The window saw a request go unanswered or a transfer given up (`draining`: one still
    // coming): what comes there later is not taken for a later request's. Of more than
    // kMaxRetired quiet windows, the one quiet the longest goes.
    void retire(bool draining) {
        if (window == XCB_NONE) return;
        const auto now = Clock::now();
        retired.push_back({window, now, draining});
        window = XCB_NONE;
        const auto quiet = [&](const Retired& r) { return !live(r, now); };
        if (static_cast<std::size_t>(std::ranges::count_if(retired, quiet)) <= kMaxRetired) return;
        auto oldest = retired.end();
        for (auto it = retired.begin(); it != retired.end(); ++it)
            if (quiet(*it) && (oldest == retired.end() || it->seen < oldest->seen)) oldest = it;
        xcb_destroy_window(c, oldest->window);
        retired.erase(oldest);
    }

    // Retired windows quiet for two time-outs go; the time the next one is due, if any.
    std::optional<Clock::time_point> sweep() {
        const auto now = Clock::now();
        std::erase_if(retired, [&](const Retired& r) {
            const bool quiet = r.seen + 2 * timeout <= now;
            if (quiet) xcb_destroy_window(c, r.window);
            return quiet;
        });
        xcb_flush(c);
        if (retired.empty()) return std::nullopt;
        return std::ranges::min(retired, {}, &Retired::seen).seen + 2 * timeout;
    }

    // The value of the request property on the window, read and deleted whole when it holds at
    // most `room` bytes; deleted unread when it holds more.
    Piece take(qsizetype room) {
        const auto longs = static_cast<uint32_t>(room / 4 + 1);
        const xcb_get_property_cookie_t read =
            xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs);
        Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(c, read, nullptr));
        if (!r || r->type == XCB_NONE) return Piece::missing();
        const int length = xcb_get_property_value_length(r.get());
        if (r->bytes_after > 0 || length > room) {
            xcb_delete_property(c, window, property); // a partial read does not delete it
            Piece p;
            p.tooBig = true;
            return p;
        }
        Piece p;
        p.type = r->type;
        p.format = r->format;
        p.bytes = QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())), length);
        p.sequence = static_cast<uint16_t>(read.sequence);
        return p;
    }

    // The owner's SelectionNotify for `t`.
    void answered(Transfer& t, xcb_atom_t given) {
        using enum Transfer::Result;
        if (given == XCB_NONE) return t.end(Refused);
        Piece p = take(t.maxBytes);
        if (p.gone) return t.end(NoAnswer);
        if (p.tooBig) return t.end(TooBig);
        t.state = Transfer::State::Receiving;
        t.taking = p.sequence;
        if (p.type == incr) {
            // Its value is a lower bound of the size: over the room, the transfer is given up.
            t.incremental = true;
            quint32 size = 0;
            if (p.format == 32 && p.bytes.size() >= 4) std::memcpy(&size, p.bytes.constData(), 4);
            if (qsizetype{size} > t.maxBytes) t.end(TooBig);
            return;
        }
        t.type = p.type;
        t.format = p.format;
        t.bytes = std::move(p.bytes);
        t.complete = true;
    }

    // A piece of `t`'s incremental transfer; it ends only on its zero-length piece.
    void piece(Transfer& t) {
        using enum Transfer::Result;
        Piece p = take(t.maxBytes - t.bytes.size());
        if (p.gone) return t.end(NoAnswer); // never a shorter text for the whole one
        if (p.tooBig) return t.end(TooBig);
        t.taking = p.sequence;
        if (p.bytes.isEmpty()) {
            t.complete = true;
            return;
        }
        if (t.type == XCB_NONE) {
            t.type = p.type;
            t.format = p.format;
        } else if (p.type != t.type || p.format != t.format) {
            return t.end(Unreadable);
        }
        t.bytes.append(p.bytes);
    }

    // An answer or a piece that no transfer takes is deleted unread, so that its owner goes on
    // and ends the transfer. On a retired window it counts as something seen there, and tells
    // whether a transfer to it is still coming: an INCR answer begins one, a zero-length piece
    // ends it. Reading no bytes deletes only an empty value.
    void stray(xcb_window_t w, xcb_atom_t p) {
        if (p == XCB_NONE) return;
        if (w == window) return void(xcb_delete_property(c, w, p));
        const auto it = std::ranges::find(retired, w, &Retired::window);
        if (it == retired.end()) return; // not ours, or destroyed
        it->seen = Clock::now();
        Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
            c, xcb_get_property(c, 1, w, p, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr));
        if (!r || r->type == XCB_NONE) return;
        if (r->type == incr) it->draining = true;
        if (r->bytes_after == 0)
            it->draining = false;
        else
            xcb_delete_property(c, w, p);
    }

    // A new owner, or none: what was asked of the old one no longer holds.
    void changed(const xcb_xfixes_selection_notify_event_t& n) {
        if (n.selection != clipboard) return;
        ++changes;
        ownedSince = n.subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER
                         ? n.selection_timestamp
                         : XCB_CURRENT_TIME;
        announce();
    }

    // Handles one event for `t` (none between requests); true when it was progress of `t`.
    bool handle(const xcb_generic_event_t* event, Transfer* t) {
        const bool waiting = t && t->state == Transfer::State::Waiting;
        const uint8_t type = event->response_type & 0x7f;
        if (type == xfixesEvent + XCB_XFIXES_SELECTION_NOTIFY) {
            changed(*reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event));
            return false;
        }
        switch (type) {
        case XCB_SELECTION_NOTIFY: {
            const auto* n = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
            if (n->requestor == window && waiting && n->selection == clipboard &&
                n->target == t->target && (n->property == property || n->property == XCB_NONE)) {
                answered(*t, n->property);
                return true;
            }
            // The request's property on its window is told by its own event.
            if (n->requestor != window || n->property != property || !t)
                stray(n->requestor, n->property);
            return false;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto* n = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            const bool deleted = n->state == XCB_PROPERTY_DELETE;
            if (n->window == window && n->atom == property && t &&
                t->state == Transfer::State::Receiving) {
                if (deleted) {
                    if (n->sequence != t->taking) return false; // the owner's own deletion
                    t->taking.reset();
                    if (t->complete) t->end(Transfer::Result::Answered);
                    return true;
                }
                if (t->taking)
                    t->end(Transfer::Result::Unreadable); // written over unread
                else if (t->incremental)
                    piece(*t);
                return true;
            }
            if (deleted) return false;
            if (waiting && n->window == window && n->atom == property)
                return false; // the answer, told by its SelectionNotify
            stray(n->window, n->atom);
            return false;
        }
        default:
            return false;
        }
    }

    // Late answers and notices that arrived while no request was waiting. A flush can read
    // waiting events into xcb's queue, so each look follows one.
    void drain() {
        for (;;) {
            xcb_flush(c);
            xcb_generic_event_t* e = xcb_poll_for_event(c);
            if (!e) return;
            handle(e, nullptr);
            std::free(e);
        }
    }

    // Asks for `target` alone on the window, as of the ownership told last, and waits for its
    // answer and any transfer: at most one time-out without progress (each answer and piece
    // starts it again), and at most until `end`.
    Transfer request(xcb_atom_t target, qsizetype maxBytes, Clock::time_point end) {
        Transfer t;
        t.target = target;
        t.maxBytes = maxBytes;
        requestWindow();
        xcb_convert_selection(c, window, clipboard, target, property, ownedSince);
        Clock::time_point progress = Clock::now() + timeout;
        while (t.state != Transfer::State::Over && usable() && !abandon) {
            const auto deadline = std::min(progress, end);
            if (Clock::now() >= deadline) {
                // Past the total limit while its pieces still came, the owner was sending.
                if (end < progress && t.state == Transfer::State::Receiving)
                    t.result = Transfer::Result::Slow;
                break;
            }
            // A flush can read waiting events into xcb's queue: look there before sleeping.
            xcb_flush(c);
            bool handled = false;
            while (t.state != Transfer::State::Over) {
                xcb_generic_event_t* e = xcb_poll_for_event(c);
                if (!e) break;
                handled = true;
                if (handle(e, &t)) progress = Clock::now() + timeout;
                std::free(e);
            }
            // A poll that meets the connection's end breaks it: nothing more to wait for.
            if (!handled && usable()) wait(millisecondsUntil(deadline));
        }
        if (t.result != Transfer::Result::Answered && t.result != Transfer::Result::Refused)
            retire(t.incremental && !t.complete);
        xcb_flush(c);
        return t;
    }

    void post(Job job) {
        std::optional<Job> replaced;
        {
            const std::lock_guard lock(mutex);
            replaced = std::exchange(next, std::move(job));
            if (running) abandon = true;
        }
        if (replaced && replaced->waited)
            replaced->deliver(Answer{false, ClipboardRead{Outcome::NoAnswer, {}}});
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
            if (usable()) drain(); // a break that came between reads is told here
            if (!usable()) reconnect();
            std::optional<Answer> answer = usable() ? std::optional(read(*job)) : std::nullopt;
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
        while (usable() && Clock::now() < end) {
            drain();
            if (!draining()) return;
            wait(millisecondsUntil(end));
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

    // What the owner offers, asked once per change; an owner that does not list its targets is
    // asked for text. NoAnswer or Slow when it does not answer in time.
    Transfer::Result askOffered(Clock::time_point end, qsizetype maxBytes) {
        using enum Transfer::Result;
        if (offered && offeredAt == changes) return Answered;
        offered.reset();
        const Transfer list = request(targets, maxBytes, end);
        if (list.result == NoAnswer || list.result == Slow) return list.result;
        offered = std::vector<xcb_atom_t>{utf8, latin1};
        if (list.result == Transfer::Result::Answered && list.format == 32) {
            offered->resize(static_cast<std::size_t>(list.bytes.size()) / sizeof(xcb_atom_t));
            std::memcpy(offered->data(), list.bytes.constData(),
                        offered->size() * sizeof(xcb_atom_t));
        }
        offeredAt = changes;
        return Answered;
    }

    static ClipboardRead failed(Transfer::Result r) {
        using enum Transfer::Result;
        return {r == Slow         ? Outcome::Slow
                : r == TooBig     ? Outcome::TooBig
                : r == Unreadable ? Outcome::Unreadable
                                  : Outcome::NoAnswer,
                {}};
    }

    // The content `holder` offers, asked until `end`.
    ClipboardRead readFrom(const Job& job, Clock::time_point end) {
        using enum Transfer::Result;
        const xcb_atom_t data = job.dataTarget.isEmpty() ? XCB_NONE : atom(job.dataTarget);
        if (const auto r = askOffered(end, job.bounds.text); r != Answered) return failed(r);
        ClipboardRead read;
        if (const xcb_atom_t target = textTarget(); target != XCB_NONE) {
            const Transfer text = request(target, job.bounds.text, end);
            if (text.result != Answered && text.result != Refused) return failed(text.result);
            if (!text.bytes.isEmpty() &&
                (text.format != 8 || (text.type != utf8 && text.type != latin1)))
                return failed(Unreadable);
            read.content.text = text.type == latin1 ? QString::fromLatin1(text.bytes)
                                                    : QString::fromUtf8(text.bytes);
        }
        if (data != XCB_NONE && offers(data)) {
            const Transfer bytes = request(data, job.bounds.data, end);
            if (bytes.result == TooBig || bytes.result == Slow) return failed(bytes.result);
            const bool given = bytes.result == Answered && !bytes.bytes.isEmpty();
            if (bytes.result != Unreadable && !given) return failed(NoAnswer);
            // Written over, or of another type than asked: damaged, not absent.
            read.content.dataDamaged = !given || bytes.type != data || bytes.format != 8;
            if (!read.content.dataDamaged) read.content.data = bytes.bytes;
        }
        return read;
    }

    // One owner's content: a read whose owner changed before its last answer reads once more
    // from the new one, within the same total limit, and gives no answer if that changes too.
    // An owner that breaks the connection during the read did not answer.
    Answer read(const Job& job) {
        sweep();
        const Clock::time_point end = Clock::now() + total;
        for (int attempt = 0; attempt < 2 && !abandon; ++attempt) {
            const Ownership start = ownership();
            if (!usable()) break;
            if (start.holder == XCB_NONE) return {};
            if (ours(start.holder)) return {true, {}};
            ClipboardRead r = readFrom(job, end);
            if (!usable()) break;
            if (ownership() == start) return {false, std::move(r)};
        }
        return {false, failed(Transfer::Result::NoAnswer)};
    }
};

SelectionRequestor::SelectionRequestor(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
    impl_->announce = [this] {
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                if (changed_) changed_();
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
    auto impl = std::make_unique<Impl>();
    impl->display = display;
    impl->own = own;
    impl->timeout = timeout;
    impl->total = total;
    impl->wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
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

void SelectionRequestor::onChange(std::function<void()> changed) {
    changed_ = std::move(changed);
}

} // namespace vornith
