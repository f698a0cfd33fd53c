#pragma once

#include "platform/clipboard.h"

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace vornith {

// Reads the X11 CLIPBOARD selection of another program through a connection and input-only
// windows of its own, served by a thread of its own. Who owns the clipboard, and when that
// changes, it learns from the X server on that connection (XFixes), never from a toolkit. One
// read asks one owner: each request carries the time of the ownership it reads, and a read whose
// owner changed before its last answer reads once more from the new one, or gives no answer.
// One request is pending on a window at a time: TARGETS (once per owner and change), then the
// text, then the program's data. An answer counts only when it comes to the window that asked,
// for the target and property asked, and a value counts only when nothing was written over it
// before it was taken. A window whose request went unanswered or whose transfer was given up is
// retired, and every answer or piece that comes there later is deleted unread, so that its owner
// ends the transfer and serves other programs. A retired window goes once it has been quiet for
// two time-outs; of more than four quiet ones, the one quiet the longest goes, but never one that
// pieces still come to. A request waits at most one time-out without progress (an answer, or a
// piece of a long one), a read at most a total limit; a read that starts abandons the one under
// way. A connection that breaks is replaced, and its window ids are never used again; at exit a
// drain under way gets a moment to end.
class SelectionRequestor {
  public:
    static constexpr std::chrono::milliseconds kTimeout{5000};
    static constexpr std::chrono::milliseconds kTotal{15000};
    // At exit, how long a drain under way may go on before the connection closes.
    static constexpr std::chrono::milliseconds kFinish{1000};

    // The windows of this program's own toolkit: those of the connection with this resource id
    // base (none when `mask` is 0).
    struct OwnWindows {
        std::uint32_t base;
        std::uint32_t mask;
    };
    // The most a read takes of the text and of the program's data.
    struct Bounds {
        qsizetype text;
        qsizetype data;
    };
    // What a read found: another program's content, or that a window of this program's own
    // toolkit owns the clipboard, which is not asked.
    struct Answer {
        bool own = false;
        ClipboardRead read;
    };

    // Nothing when the display cannot be opened or has no XFixes.
    static std::unique_ptr<SelectionRequestor> open(const QByteArray& display,
                                                    OwnWindows own = {0, 0},
                                                    std::chrono::milliseconds timeout = kTimeout,
                                                    std::chrono::milliseconds total = kTotal);
    ~SelectionRequestor();
    SelectionRequestor(const SelectionRequestor&) = delete;
    SelectionRequestor& operator=(const SelectionRequestor&) = delete;

    // The owner's text, as UTF8_STRING or else STRING (Latin-1), and, when `dataTarget` is set,
    // the data it offers under that target. The text is empty when the owner offers none or
    // nobody owns the clipboard, the data when they are not offered; data that come garbled are
    // marked damaged. Data offered and given empty or not at all count as no answer, and so does
    // an owner that breaks the connection. Nothing when no connection to the display can be made.
    std::future<std::optional<Answer>> read(const QByteArray& dataTarget, Bounds bounds);
    // The text alone, without waiting: `done` runs later from the event loop of the thread that
    // opened the requestor, unless another read starts first.
    void readText(qsizetype maxBytes, std::function<void(std::optional<Answer>)> done);
    // `listener` runs from that event loop each time the X server tells of a new owner of the
    // clipboard (this program's copies included), or that its owner went, and when a new
    // connection replaces a broken one, since a change may have gone untold. An empty function
    // stops the calls.
    void onChange(std::function<void()> listener);

  private:
    struct Impl;
    explicit SelectionRequestor(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
    // Told of each change.
    std::function<void()> listener_;
    QObject context_; // where readText's answers and change notices are delivered
};

} // namespace vornith
