#pragma once

#include "platform/clipboard.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace vornith {

// Reads the X11 CLIPBOARD selection of another program through a connection and an input-only
// window of its own. Every request names a property of its own, and an answer counts only when
// it comes to the window that asked, for the target and property asked; a window that saw a
// request go unanswered is retired, so a late answer is dropped (its property deleted) instead
// of being taken for a later request's. The connection is served by a thread of its own, which
// also clears late answers away as they come; a read waits for the owner at most one time-out
// without progress (an answer, or a piece of a long one), and a read that starts abandons the one
// under way.
class SelectionRequestor {
  public:
    static constexpr std::chrono::milliseconds kTimeout{5000};
    static constexpr qsizetype kMaxBytes = qsizetype{256} * 1024 * 1024;

    // Nothing when the display cannot be opened.
    static std::unique_ptr<SelectionRequestor> open(const QByteArray& display,
                                                    std::chrono::milliseconds timeout = kTimeout,
                                                    qsizetype maxBytes = kMaxBytes);
    ~SelectionRequestor();
    SelectionRequestor(const SelectionRequestor&) = delete;
    SelectionRequestor& operator=(const SelectionRequestor&) = delete;

    // The owner's text, as UTF8_STRING or else STRING (Latin-1); empty when it offers none or
    // nobody owns the clipboard. Nothing when the owner does not answer in time.
    std::optional<QString> text();
    // The same read without waiting: `done` runs later from the event loop of the thread that
    // opened the requestor, unless another read starts first.
    void readText(std::function<void(std::optional<QString>)> done);
    // The text and the data the owner offers under `dataTarget`, read within one time-out.
    // Nothing when the owner does not answer, or offers the data and gives them empty or not at
    // all; data not offered are empty.
    std::optional<ClipboardContent> content(const QByteArray& dataTarget);
    // The clipboard changed: what the owner offers is asked again at the next read.
    void forget();

  private:
    struct Impl;
    explicit SelectionRequestor(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
    QObject context_; // where readText's answers are delivered
};

} // namespace vornith
