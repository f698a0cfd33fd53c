#pragma once

#include <QByteArray>
#include <QString>

namespace vornith {

// The system clipboard: text, and beside it data in a format of this program's own (the
// pictures of a copied problem), which other programs do not read and which goes when they
// put anything on the clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    // `text` and, beside it, `data` in the program's own format.
    virtual void setTextAndData(const QString& text, const QByteArray& data) = 0;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    // The data in the program's own format; empty when the clipboard holds none.
    virtual QByteArray data() const = 0;
};

} // namespace vornith
