#pragma once

#include "platform/clipboard.h"

namespace vornith {

class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
    bool hasText() const override;
};

} // namespace vornith
