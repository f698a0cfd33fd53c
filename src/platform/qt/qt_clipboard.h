#pragma once

#include "platform/clipboard.h"

#include <QMetaObject>
#include <QMimeData>
#include <QPointer>

#include <memory>

namespace vornith {

class SelectionRequestor;

// The application's clipboard: QClipboard. On X11 a selection requestor of our own on the display
// of the toolkit's windows asks the X server who owns the clipboard and tells every change of
// owner; what was set here is read from the toolkit while a toolkit's window owns the clipboard
// and the toolkit still holds it, anything else through the requestor, which tells each answer's
// request and bounds its time and memory. Elsewhere (Wayland, offscreen) the toolkit alone, whose
// change notice follows other programs too. When the requestor can make no connection, Paste
// reads only what was set here and a change read gives no answer.
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
    ClipboardRead content(qsizetype maxData) const override;
    void onChange(std::function<void()> changed) override;

  private:
    // The text and, when `formato` is set, the data in that format of at most `maxData` bytes,
    // waiting for another program.
    ClipboardRead lee(const QByteArray& formato, qsizetype maxData) const;
    // The data set here, while the toolkit still holds them as the clipboard's; else null.
    const QMimeData* propios() const;

    std::unique_ptr<SelectionRequestor> requestor_;
    QPointer<QMimeData> propios_; // the data set here, until the toolkit lets them go
    // Counts reads, so that only the latest one's answer is given.
    mutable int lectura_ = 0;
    QMetaObject::Connection cambio_;
};

} // namespace vornith
