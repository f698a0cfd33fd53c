#include "platform/qt/selection_reader.h"

#include <algorithm>
#include <cstring>

namespace vornith {

namespace {

using Outcome = ClipboardRead::Outcome;

ClipboardRead failed(Transfer::Result r) {
    using enum Transfer::Result;
    return {r == Slow         ? Outcome::Slow
            : r == TooBig     ? Outcome::TooBig
            : r == Unreadable ? Outcome::Unreadable
                              : Outcome::NoAnswer,
            {}};
}

} // namespace

SelectionReader::SelectionReader(SelectionTransfers& transfers, SelectionRequestor::OwnWindows own,
                                 std::chrono::milliseconds total, const std::atomic<bool>& abandon)
    : transfers_(transfers), own_(own), total_(total), abandon_(abandon) {}

// What was asked of the old owner no longer holds.
void SelectionReader::ownerNoticed(const xcb_xfixes_selection_notify_event_t& n) {
    ++generation_;
    ownedSince_ = n.subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER
                      ? n.selection_timestamp
                      : XCB_CURRENT_TIME;
}

void SelectionReader::forget() {
    ++generation_;
    ownedSince_ = XCB_CURRENT_TIME;
    offered_.reset();
}

// The owner now, with the generation told before the server answered: the notices that came
// before its reply are handled first, so the two agree unless a notice keeps coming, in which
// case the next look tells the change.
SelectionReader::Ownership SelectionReader::ownership() {
    Ownership now;
    for (int tries = 0; tries < 3; ++tries) {
        now.generation = generation_;
        now.holder = transfers_.owner();
        if (generation_ == now.generation) break;
    }
    return now;
}

bool SelectionReader::ours(xcb_window_t w) const {
    return own_.mask != 0 && (w & ~own_.mask) == own_.base;
}

bool SelectionReader::offers(xcb_atom_t target) const {
    return offered_ && std::ranges::find(*offered_, target) != offered_->end();
}

xcb_atom_t SelectionReader::textTarget() const {
    const SelectionTransfers::Atoms& a = transfers_.atoms();
    return offers(a.utf8) ? a.utf8 : offers(a.latin1) ? a.latin1 : XCB_NONE;
}

// What the owner offers, asked once per generation; an owner that does not list its targets is
// asked for text. NoAnswer or Slow when it does not answer in time.
Transfer::Result SelectionReader::askOffered(Clock::time_point end, qsizetype maxBytes) {
    using enum Transfer::Result;
    if (offered_ && offeredIn_ == generation_) return Answered;
    offered_.reset();
    const SelectionTransfers::Atoms& a = transfers_.atoms();
    const Transfer list = transfers_.request(a.targets, maxBytes, ownedSince_, end);
    if (list.result == NoAnswer || list.result == Slow) return list.result;
    offered_ = std::vector<xcb_atom_t>{a.utf8, a.latin1};
    if (list.result == Answered && list.format == 32) {
        offered_->resize(static_cast<std::size_t>(list.bytes.size()) / sizeof(xcb_atom_t));
        std::memcpy(offered_->data(), list.bytes.constData(),
                    offered_->size() * sizeof(xcb_atom_t));
    }
    offeredIn_ = generation_;
    return Answered;
}

// The content the owner offers, asked until `end`. Each request carries the time of the
// ownership told last.
ClipboardRead SelectionReader::readFrom(const QByteArray& dataTarget,
                                        SelectionRequestor::Bounds bounds, Clock::time_point end) {
    using enum Transfer::Result;
    const SelectionTransfers::Atoms& a = transfers_.atoms();
    const xcb_atom_t data = dataTarget.isEmpty() ? XCB_NONE : transfers_.atom(dataTarget);
    if (const auto r = askOffered(end, bounds.text); r != Answered) return failed(r);
    ClipboardRead read;
    if (const xcb_atom_t target = textTarget(); target != XCB_NONE) {
        const Transfer text = transfers_.request(target, bounds.text, ownedSince_, end);
        if (text.result != Answered && text.result != Refused) return failed(text.result);
        if (!text.bytes.isEmpty() &&
            (text.format != 8 || (text.type != a.utf8 && text.type != a.latin1)))
            return failed(Unreadable);
        read.content.text =
            text.type == a.latin1 ? QString::fromLatin1(text.bytes) : QString::fromUtf8(text.bytes);
    }
    if (data != XCB_NONE && offers(data)) {
        const Transfer bytes = transfers_.request(data, bounds.data, ownedSince_, end);
        if (bytes.result == TooBig || bytes.result == Slow) return failed(bytes.result);
        const bool given = bytes.result == Answered && !bytes.bytes.isEmpty();
        if (bytes.result != Unreadable && !given) return failed(NoAnswer);
        // Written over, or of another type than asked: damaged, not absent.
        read.content.dataDamaged = !given || bytes.type != data || bytes.format != 8;
        if (!read.content.dataDamaged) read.content.data = bytes.bytes;
    }
    return read;
}

SelectionRequestor::Answer SelectionReader::read(const QByteArray& dataTarget,
                                                 SelectionRequestor::Bounds bounds) {
    transfers_.sweep();
    const Clock::time_point end = Clock::now() + total_;
    for (int attempt = 0; attempt < 2 && !abandon_; ++attempt) {
        const Ownership start = ownership();
        if (!transfers_.usable()) break;
        if (start.holder == XCB_NONE) return {};
        if (ours(start.holder)) return {true, {}};
        ClipboardRead r = readFrom(dataTarget, bounds, end);
        if (!transfers_.usable()) break;
        if (ownership() == start) return {false, std::move(r)};
    }
    return {false, failed(Transfer::Result::NoAnswer)};
}

} // namespace vornith
