#include "platform/qt/selection_transfers.h"

#include <poll.h>
#include <sys/eventfd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

namespace vornith {

namespace {

template <typename T> struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

// Quiet retired windows kept at most; the one quiet the longest goes first.
constexpr std::size_t kMaxRetired = 4;

} // namespace

SelectionTransfers::SelectionTransfers(QByteArray display, int wake,
                                       const std::atomic<bool>& abandon,
                                       std::chrono::milliseconds timeout)
    : display_(std::move(display)), wake_(wake), abandon_(abandon), timeout_(timeout) {}

SelectionTransfers::~SelectionTransfers() {
    if (c_) xcb_disconnect(c_);
}

bool SelectionTransfers::connect() {
    if (c_) xcb_disconnect(c_);
    connected_ = false;
    connectedAt_ = Clock::now();
    window_ = XCB_NONE;
    retired_.clear();
    interned_.clear();
    int screenNumber = 0;
    c_ = xcb_connect(display_.isEmpty() ? nullptr : display_.constData(), &screenNumber);
    if (xcb_connection_has_error(c_)) return false;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0) return false;
    root_ = screens.data->root;
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(c_, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present) return false;
    xfixesEvent_ = xfixes->first_event;
    Reply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
        c_, xcb_xfixes_query_version(c_, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
        nullptr));
    atoms_ = {atom("CLIPBOARD"),   atom("TARGETS"), atom("INCR"),
              atom("UTF8_STRING"), XCB_ATOM_STRING, atom("VORNITH_SELECCION")};
    if (!version || atoms_.clipboard == XCB_NONE || atoms_.targets == XCB_NONE ||
        atoms_.incr == XCB_NONE || atoms_.utf8 == XCB_NONE || atoms_.property == XCB_NONE)
        return false;
    xcb_xfixes_select_selection_input(c_, root_, atoms_.clipboard,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(c_);
    connected_ = true;
    return true;
}

bool SelectionTransfers::usable() const {
    return connected_ && !xcb_connection_has_error(c_);
}

bool SelectionTransfers::wait(int milliseconds) {
    pollfd fds[2] = {{wake_, POLLIN, 0}, {xcb_get_file_descriptor(c_), POLLIN, 0}};
    const nfds_t count = usable() ? 2 : 1;
    if (poll(fds, count, milliseconds) <= 0 || !(fds[0].revents & POLLIN)) return false;
    eventfd_t value;
    eventfd_read(wake_, &value);
    return true;
}

int SelectionTransfers::millisecondsUntil(Clock::time_point t) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(t - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
}

xcb_atom_t SelectionTransfers::atom(const QByteArray& name) {
    if (const auto it = interned_.constFind(name); it != interned_.cend()) return *it;
    Reply<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
        c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(name.size()), name.constData()), nullptr));
    if (!r) return XCB_NONE;
    interned_.insert(name, r->atom);
    return r->atom;
}

xcb_window_t SelectionTransfers::owner() {
    Reply<xcb_get_selection_owner_reply_t> r(
        xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, atoms_.clipboard), nullptr));
    drain();
    return r ? r->owner : XCB_NONE;
}

void SelectionTransfers::requestWindow() {
    if (window_ != XCB_NONE) return;
    do
        window_ = xcb_generate_id(c_); // all ones when none is left: the request then fails
    while (window_ != ~xcb_window_t{0} && used_.contains(window_));
    used_.insert(window_);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c_, 0, window_, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
}

// Pieces still came to it within a time-out: destroying it would leave its owner waiting.
bool SelectionTransfers::live(const Retired& r, Clock::time_point now) const {
    return r.draining && now < r.seen + timeout_;
}

bool SelectionTransfers::draining() const {
    const auto now = Clock::now();
    return std::ranges::any_of(retired_, [&](const Retired& r) { return live(r, now); });
}

// The window saw a request go unanswered or a transfer given up (`draining`: one still
// coming): what comes there later is not taken for a later request's. Of more than
// kMaxRetired quiet windows, the one quiet the longest goes.
void SelectionTransfers::retire(bool draining) {
    if (window_ == XCB_NONE) return;
    const auto now = Clock::now();
    retired_.push_back({window_, now, draining});
    window_ = XCB_NONE;
    const auto quiet = [&](const Retired& r) { return !live(r, now); };
    if (static_cast<std::size_t>(std::ranges::count_if(retired_, quiet)) <= kMaxRetired) return;
    auto oldest = retired_.end();
    for (auto it = retired_.begin(); it != retired_.end(); ++it)
        if (quiet(*it) && (oldest == retired_.end() || it->seen < oldest->seen)) oldest = it;
    xcb_destroy_window(c_, oldest->window);
    retired_.erase(oldest);
}

std::optional<SelectionTransfers::Clock::time_point> SelectionTransfers::sweep() {
    const auto now = Clock::now();
    std::erase_if(retired_, [&](const Retired& r) {
        const bool quiet = r.seen + 2 * timeout_ <= now;
        if (quiet) xcb_destroy_window(c_, r.window);
        return quiet;
    });
    xcb_flush(c_);
    if (retired_.empty()) return std::nullopt;
    return std::ranges::min(retired_, {}, &Retired::seen).seen + 2 * timeout_;
}

// The value of the request property on the window, read and deleted whole when it holds at
// most `room` bytes; deleted unread when it holds more.
SelectionTransfers::Piece SelectionTransfers::take(qsizetype room) {
    const auto longs = static_cast<uint32_t>(room / 4 + 1);
    const xcb_get_property_cookie_t read =
        xcb_get_property(c_, 1, window_, atoms_.property, XCB_GET_PROPERTY_TYPE_ANY, 0, longs);
    Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(c_, read, nullptr));
    Piece p;
    p.gone = !r || r->type == XCB_NONE;
    if (p.gone) return p;
    const int length = xcb_get_property_value_length(r.get());
    p.tooBig = r->bytes_after > 0 || length > room;
    if (p.tooBig) {
        xcb_delete_property(c_, window_, atoms_.property); // a partial read does not delete it
        return p;
    }
    p.type = r->type;
    p.format = r->format;
    p.bytes = QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())), length);
    p.sequence = static_cast<uint16_t>(read.sequence);
    return p;
}

// The owner's SelectionNotify for `t`.
void SelectionTransfers::answered(Transfer& t, xcb_atom_t given) {
    using enum Transfer::Result;
    if (given == XCB_NONE) return t.end(Refused);
    Piece p = take(t.maxBytes);
    if (p.gone) return t.end(NoAnswer);
    if (p.tooBig) return t.end(TooBig);
    t.state = Transfer::State::Receiving;
    t.taking = p.sequence;
    if (p.type == atoms_.incr) {
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
void SelectionTransfers::piece(Transfer& t) {
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
    // Room doubled here, within the bound: QByteArray's own growth touches twice the size at
    // times, and data refused at the bound would cost twice the bound.
    if (const qsizetype size = t.bytes.size() + p.bytes.size(); size > t.bytes.capacity())
        t.bytes.reserve(std::min(t.maxBytes, std::max(2 * t.bytes.capacity(), size)));
    t.bytes.append(p.bytes);
}

// An answer or a piece that no transfer takes is deleted unread, so that its owner goes on
// and ends the transfer. On a retired window it counts as something seen there, and tells
// whether a transfer to it is still coming: an INCR answer begins one, a zero-length piece
// ends it. Reading no bytes deletes only an empty value.
void SelectionTransfers::stray(xcb_window_t w, xcb_atom_t p) {
    if (p == XCB_NONE) return;
    if (w == window_) return void(xcb_delete_property(c_, w, p));
    const auto it = std::ranges::find(retired_, w, &Retired::window);
    if (it == retired_.end()) return; // not ours, or destroyed
    it->seen = Clock::now();
    Reply<xcb_get_property_reply_t> r(xcb_get_property_reply(
        c_, xcb_get_property(c_, 1, w, p, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr));
    if (!r || r->type == XCB_NONE) return;
    if (r->type == atoms_.incr) it->draining = true;
    if (r->bytes_after == 0)
        it->draining = false;
    else
        xcb_delete_property(c_, w, p);
}

// Handles one event for `t` (none between requests); true when it was progress of `t`.
bool SelectionTransfers::handle(const xcb_generic_event_t* event, Transfer* t) {
    const bool waiting = t && t->state == Transfer::State::Waiting;
    const uint8_t type = event->response_type & 0x7f;
    if (type == xfixesEvent_ + XCB_XFIXES_SELECTION_NOTIFY) {
        const auto& n = *reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
        if (n.selection == atoms_.clipboard) noticed(n);
        return false;
    }
    switch (type) {
    case XCB_SELECTION_NOTIFY: {
        const auto* n = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
        if (n->requestor == window_ && waiting && n->selection == atoms_.clipboard &&
            n->target == t->target && (n->property == atoms_.property || n->property == XCB_NONE)) {
            answered(*t, n->property);
            return true;
        }
        // The request's property on its window is told by its own event.
        if (n->requestor != window_ || n->property != atoms_.property || !t)
            stray(n->requestor, n->property);
        return false;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto* n = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        const bool deleted = n->state == XCB_PROPERTY_DELETE;
        if (n->window == window_ && n->atom == atoms_.property && t &&
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
        if (waiting && n->window == window_ && n->atom == atoms_.property)
            return false; // the answer, told by its SelectionNotify
        stray(n->window, n->atom);
        return false;
    }
    default:
        return false;
    }
}

// A flush can read waiting events into xcb's queue, so each look follows one.
void SelectionTransfers::drain() {
    for (;;) {
        xcb_flush(c_);
        xcb_generic_event_t* e = xcb_poll_for_event(c_);
        if (!e) return;
        handle(e, nullptr);
        std::free(e);
    }
}

Transfer SelectionTransfers::request(xcb_atom_t target, qsizetype maxBytes, xcb_timestamp_t since,
                                     Clock::time_point end) {
    Transfer t;
    t.target = target;
    t.maxBytes = maxBytes;
    requestWindow();
    xcb_convert_selection(c_, window_, atoms_.clipboard, target, atoms_.property, since);
    Clock::time_point progress = Clock::now() + timeout_;
    while (t.state != Transfer::State::Over && usable() && !abandon_) {
        const auto deadline = std::min(progress, end);
        if (Clock::now() >= deadline) {
            // Past the total limit while its pieces still came, the owner was sending.
            if (end < progress && t.state == Transfer::State::Receiving)
                t.result = Transfer::Result::Slow;
            break;
        }
        // A flush can read waiting events into xcb's queue: look there before sleeping.
        xcb_flush(c_);
        bool handled = false;
        while (t.state != Transfer::State::Over) {
            xcb_generic_event_t* e = xcb_poll_for_event(c_);
            if (!e) break;
            handled = true;
            if (handle(e, &t)) progress = Clock::now() + timeout_;
            std::free(e);
        }
        // A poll that meets the connection's end breaks it: nothing more to wait for.
        if (!handled && usable()) wait(millisecondsUntil(deadline));
    }
    if (t.result != Transfer::Result::Answered && t.result != Transfer::Result::Refused)
        retire(t.incremental && !t.complete);
    xcb_flush(c_);
    return t;
}

} // namespace vornith
