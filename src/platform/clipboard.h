#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace vornith {

// The system clipboard: text, and beside it data in a format of this program's own (the
// pictures of a copied problem), which other programs do not read and which goes when they
// put anything on the clipboard. A read of what another program put there asks that program,
// which may be slow or hung: read at a change or when the user asks for the content, never on
// a timer, and never what this program put there itself (ownsClipboard).
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    // `text` and, beside it, `data` in the program's own format.
    virtual void setTextAndData(const QString& text, const QByteArray& data) = 0;
    // The content is this program's own: it was put there by this process and no other program
    // has taken the clipboard since.
    virtual bool ownsClipboard() const = 0;
    // The clipboard's text; empty when it offers none. The owner is first asked what it offers,
    // and the text read only when text is among it, so that an owner that does not answer costs
    // one time-out. Nothing when the owner does not answer.
    virtual std::optional<QString> text() const = 0;
    // The data in the program's own format, read only when the owner offers it; empty when the
    // clipboard holds none or the owner does not answer.
    virtual QByteArray data() const = 0;
    // `changed` runs from the event loop each time the clipboard's owner or content changes,
    // this program's copies included; it is not called for the state at the time of the call.
    // An empty function stops the calls.
    virtual void onChange(std::function<void()> changed) = 0;
};

} // namespace vornith
