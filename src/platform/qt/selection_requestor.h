#pragma once

#include "platform/clipboard.h"

#include <QByteArray>
#include <QObject>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace vornith {

// Reads the X11 CLIPBOARD selection of another program through a connection and input-only
// windows of its own, served by a thread of its own. One request is pending on a window at a
// time: TARGETS (once per owner and change), then the text, then the program's data. An answer
// counts only when it comes to the window that asked, for the target and property asked, and a
// value counts only when nothing was written over it before it was taken. A window whose request
// went unanswered or whose transfer was given up is retired, and every answer or piece that comes
// there later is deleted unread, so that its owner ends the transfer and serves other programs.
// A retired window goes once it has been quiet for two time-outs; of more than four quiet ones,
// the one quiet the longest goes, but never one that pieces still come to. A read waits at most
// one time-out without progress (an answer, or a piece of a long one) and at most a total limit;
// a read that starts abandons the one under way. A connection that breaks is replaced at the
// next read; at exit a drain under way gets a moment to end.
class SelectionRequestor {
  public:
    static constexpr std::chrono::milliseconds kTimeout{5000};
    static constexpr std::chrono::milliseconds kTotal{15000};

    // Nothing when the display cannot be opened.
    static std::unique_ptr<SelectionRequestor> open(const QByteArray& display,
                                                    std::chrono::milliseconds timeout = kTimeout,
                                                    std::chrono::milliseconds total = kTotal);
    ~SelectionRequestor();
    SelectionRequestor(const SelectionRequestor&) = delete;
    SelectionRequestor& operator=(const SelectionRequestor&) = delete;

    // The owner's text, as UTF8_STRING or else STRING (Latin-1), and, when `dataTarget` is set,
    // the data it offers under that target; at most `maxBytes` of each. The text is empty when the
    // owner offers none or nobody owns the clipboard, the data when they are not offered or come
    // damaged (an answer of the wrong type); data offered and given empty or not at all count as
    // no answer, and so does an owner that breaks the connection. Nothing when no connection to
    // the display can be made.
    std::future<std::optional<ClipboardRead>> read(const QByteArray& dataTarget,
                                                   qsizetype maxBytes);
    // The text alone, without waiting: `done` runs later from the event loop of the thread that
    // opened the requestor, unless another read starts first.
    void readText(qsizetype maxBytes, std::function<void(std::optional<ClipboardRead>)> done);
    // The clipboard changed: what the owner offers is asked again at the next read.
    void forget();

  private:
    struct Impl;
    explicit SelectionRequestor(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
    QObject context_; // where readText's answers are delivered
};

} // namespace vornith
