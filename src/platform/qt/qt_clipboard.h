#pragma once

#include "platform/clipboard.h"

#include <QMetaObject>

#include <memory>

namespace vornith {

class SelectionRequestor;

// The application's clipboard: QClipboard, whose change notice follows other programs too. On
// X11 another program's content is read through a selection requestor of our own on the display
// of the toolkit's windows, which tells each answer's request and bounds its time and memory;
// elsewhere (Wayland, offscreen) through the toolkit. When the requestor can make no connection,
// Paste reads through the toolkit and a change read gives no answer.
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
    // Another program put the content there, and the requestor asks it (X11): what this
    // process put there, or another platform's clipboard, is read through the toolkit.
    bool otroPrograma() const;
    // The text and, when `formato` is set, the data in that format, waiting for another program.
    ClipboardRead lee(const QByteArray& formato) const;

    std::unique_ptr<SelectionRequestor> requestor_;
    // Counts reads, so that only the latest one's answer is given.
    mutable int lectura_ = 0;
    QMetaObject::Connection cambio_;
    QMetaObject::Connection olvido_;
};

} // namespace vornith
