#pragma once

#include "platform/clipboard.h"

namespace vornith {

class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    void setTextAndData(const QString& text, const QByteArray& data) override;
    QString text() const override;
    bool hasText() const override;
    QByteArray data() const override;
};

} // namespace vornith
