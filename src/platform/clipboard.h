#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace vornith {

// The system clipboard: text, and beside it data in a format of this program's own (the
// pictures of a copied problem), which other programs do not read and which goes when they
// put anything on the clipboard. Each read asks the program that owns the clipboard, which may
// be slow or hung: read at a change or when the user asks for the content, never on a timer.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    // `text` and, beside it, `data` in the program's own format.
    virtual void setTextAndData(const QString& text, const QByteArray& data) = 0;
    virtual QString text() const = 0;
    // The data in the program's own format; empty when the clipboard holds none.
    virtual QByteArray data() const = 0;
    // `changed` runs from the event loop each time the clipboard's owner or content changes,
    // this program's copies included; it is not called for the state at the time of the call.
    // An empty function stops the calls.
    virtual void onChange(std::function<void()> changed) = 0;
};

} // namespace vornith
