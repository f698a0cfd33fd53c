#pragma once

#include <QByteArray>
#include <QHash>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>

namespace vornith {

// One ConvertSelection request and the transfer of its answer. A value read (and deleted) from
// the request property counts only when the notice of that deletion is the next thing told of
// the property: a new value told first was written over it before it was taken.
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

// The requestor's connection to the display and what goes on it: the window requests are made
// on, one request at a time, and the transfers of their answers; retired windows, whose late
// answers and pieces are deleted unread so that their owners end their transfers, and the drains
// of those still coming. Used on one thread.
class SelectionTransfers {
  public:
    using Clock = std::chrono::steady_clock;
    struct Atoms {
        xcb_atom_t clipboard, targets, incr, utf8, latin1, property;
    };

    // Waits are cut short by `wake` (an eventfd) and requests by `abandon`.
    SelectionTransfers(QByteArray display, int wake, const std::atomic<bool>& abandon,
                       std::chrono::milliseconds timeout);
    ~SelectionTransfers();
    SelectionTransfers(const SelectionTransfers&) = delete;
    SelectionTransfers& operator=(const SelectionTransfers&) = delete;

    // Each XFixes notice of a new owner of the clipboard, or of its owner gone.
    std::function<void(const xcb_xfixes_selection_notify_event_t&)> noticed;

    // A connection in place of the one there was, forgotten with its windows: XFixes, the atoms,
    // and the notices of the clipboard's owner selected. False when none can be made.
    bool connect();
    bool usable() const;
    Clock::time_point connectedAt() const { return connectedAt_; }
    const Atoms& atoms() const { return atoms_; }
    // Interned once per connection: the data format's atom is asked for at every paste.
    xcb_atom_t atom(const QByteArray& name);

    // The clipboard's owner now, the notices that came before the server's answer told first.
    xcb_window_t owner();
    // Asks for `target` alone, as of the ownership of time `since`, and waits for its answer and
    // any transfer: at most one time-out without progress (each answer and piece starts it
    // again), and at most until `end`. A window whose request fails is retired.
    Transfer request(xcb_atom_t target, qsizetype maxBytes, xcb_timestamp_t since,
                     Clock::time_point end);
    // Late answers and notices that came while no request was waiting.
    void drain();
    // Retired windows quiet for two time-outs go; the time the next one is due, if any.
    std::optional<Clock::time_point> sweep();
    // A retired window that pieces still come to.
    bool draining() const;
    // Waits for an event of the connection (none once it is unusable) or a wake, at most
    // `milliseconds` (-1: no limit); true when woken.
    bool wait(int milliseconds);
    static int millisecondsUntil(Clock::time_point t);

  private:
    struct Retired {
        xcb_window_t window;
        Clock::time_point seen; // when anything last came for it
        bool draining;          // an INCR transfer to it has begun and not ended
    };
    // The value of a property read (and deleted) whole.
    struct Piece {
        bool gone = false;   // no such property
        bool tooBig = false; // longer than the room left; deleted unread
        xcb_atom_t type = XCB_NONE;
        uint8_t format = 0;
        QByteArray bytes;
        uint16_t sequence = 0; // of the read, which its deletion's notice carries
    };

    void requestWindow();
    bool live(const Retired& r, Clock::time_point now) const;
    void retire(bool draining);
    Piece take(qsizetype room);
    void answered(Transfer& t, xcb_atom_t given);
    void piece(Transfer& t);
    void stray(xcb_window_t w, xcb_atom_t p);
    bool handle(const xcb_generic_event_t* event, Transfer* t);

    const QByteArray display_;
    const int wake_;
    const std::atomic<bool>& abandon_;
    const std::chrono::milliseconds timeout_;
    xcb_connection_t* c_ = nullptr;
    bool connected_ = false; // `c_` is set up: atoms, XFixes, and the notices selected
    Clock::time_point connectedAt_;
    xcb_window_t root_ = XCB_NONE;
    Atoms atoms_{};
    QHash<QByteArray, xcb_atom_t> interned_;
    uint8_t xfixesEvent_ = 0;
    // The window requests are made on; XCB_NONE until one is needed.
    xcb_window_t window_ = XCB_NONE;
    std::deque<Retired> retired_; // oldest first
    // Every window id made on any connection: a new connection never reuses one, so that an
    // answer meant for a window of a broken connection never reaches a window of this one.
    std::set<xcb_window_t> used_;
};

} // namespace vornith
