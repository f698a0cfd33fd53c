#pragma once

#include "platform/clipboard.h"

#include <QMetaObject>

namespace vornith {

// The application's clipboard: QClipboard, whose change notice follows other programs too.
class QtClipboard final : public Clipboard {
public:
    ~QtClipboard() override;
    void clear() override;
    void setText(const QString& text) override;
    void setTextAndData(const QString& text, const QByteArray& data) override;
    bool ownsClipboard() const override;
    std::optional<QString> text() const override;
    QByteArray data() const override;
    void onChange(std::function<void()> changed) override;

private:
    QMetaObject::Connection cambio_;
};

} // namespace vornith
