#pragma once

#include "platform/clipboard.h"

#include <QMetaObject>

#include <memory>

namespace vornith {

class SelectionRequestor;

// The application's clipboard: QClipboard. On X11 a selection requestor of our own on the display
// of the toolkit's windows asks the X server who owns the clipboard and tells every change of
// owner; what the toolkit's own windows put there is read from the toolkit, anything else through
// the requestor, which tells each answer's request and bounds its time and memory. Elsewhere
// (Wayland, offscreen) the toolkit alone, whose change notice follows other programs too. When
// the requestor can make no connection, Paste reads through the toolkit and a change read gives
// no answer.
class QtClipboard final : public Clipboard {
public:
    QtClipboard();
    // Another program's content is read on `display` (none: through the toolkit alone).
    explicit QtClipboard(const QByteArray& display);
    ~QtClipboard() override;
    void clear() override;
    void setText(const QString& text) override;
    void setTextAndData(const QString& text, const QByteArray& data) override;
    ClipboardRead text() const override;
    void readText(std::function<void(ClipboardRead)> done) override;
    ClipboardRead content() const override;
    void onChange(std::function<void()> changed) override;

private:
    // The text and, when `formato` is set, the data in that format, waiting for another program.
    ClipboardRead lee(const QByteArray& formato) const;

    std::unique_ptr<SelectionRequestor> requestor_;
    // Counts reads, so that only the latest one's answer is given.
    mutable int lectura_ = 0;
    QMetaObject::Connection cambio_;
};

} // namespace vornith
