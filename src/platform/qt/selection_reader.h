#pragma once

#include "platform/qt/selection_requestor.h"
#include "platform/qt/selection_transfers.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace vornith {

// The read's policy, over the requestor's transfers: whose the clipboard is, as the X server
// tells it; what its owner offers, asked once per owner; its text and the program's data, within
// the read's bounds and its total time, from one owner only. Used on the requestor's thread.
class SelectionReader {
  public:
    using Clock = SelectionTransfers::Clock;

    SelectionReader(SelectionTransfers& transfers, SelectionRequestor::OwnWindows own,
                    std::chrono::milliseconds total, const std::atomic<bool>& abandon);

    // The X server told of a new owner of the clipboard, or that its owner went.
    void ownerNoticed(const xcb_xfixes_selection_notify_event_t& n);
    // What was told on a connection that broke no longer holds.
    void forget();
    // One owner's content: a read whose owner changed before its last answer reads once more
    // from the new one, within the same total limit, and gives no answer if that changes too.
    // An owner that breaks the connection during the read did not answer.
    SelectionRequestor::Answer read(const QByteArray& dataTarget,
                                    SelectionRequestor::Bounds bounds);

  private:
    // The clipboard's owner as the X server told it, and the ownership generation then.
    struct Ownership {
        xcb_window_t holder = XCB_NONE;
        std::uint64_t generation = 0;
        bool operator==(const Ownership&) const = default;
    };

    Ownership ownership();
    bool ours(xcb_window_t w) const;
    bool offers(xcb_atom_t target) const;
    xcb_atom_t textTarget() const;
    Transfer::Result askOffered(Clock::time_point end, qsizetype maxBytes);
    ClipboardRead readFrom(const QByteArray& dataTarget, SelectionRequestor::Bounds bounds,
                           Clock::time_point end);

    SelectionTransfers& transfers_;
    const SelectionRequestor::OwnWindows own_;
    const std::chrono::milliseconds total_;
    const std::atomic<bool>& abandon_;
    // Goes up at each change of owner told, and with each new connection, since what was told
    // on the old one is no more.
    std::uint64_t generation_ = 0;
    // The time of the latest new owner's ownership, which every request carries; CurrentTime
    // until one is told, and after its owner went.
    xcb_timestamp_t ownedSince_ = XCB_CURRENT_TIME;
    // What the owner offers, asked once per generation.
    std::optional<std::vector<xcb_atom_t>> offered_;
    std::uint64_t offeredIn_ = 0;
};

} // namespace vornith
