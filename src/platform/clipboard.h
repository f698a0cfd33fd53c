#pragma once

#include <QString>

namespace vornith {

// The system clipboard, text format only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
};

} // namespace vornith
