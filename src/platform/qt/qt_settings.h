#pragma once

#include "platform/settings.h"

#include <QSettings>

namespace vornith {

// Per-user settings under the application name "Vornith NORV"; a section is a settings group.
class QtSettings final : public Settings {
public:
    QtSettings();
    QString value(const QString& section, const QString& key,
                  const QString& fallback) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;

private:
    mutable QSettings store_;
};

} // namespace vornith
