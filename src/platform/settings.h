#pragma once

#include <QString>

namespace vornith {

// The per-user settings store, keyed by section and key under the application's name.
class Settings {
public:
    virtual ~Settings() = default;
    virtual QString value(const QString& section, const QString& key,
                          const QString& fallback = QString()) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    virtual void remove(const QString& section, const QString& key) = 0;
};

} // namespace vornith
