#include "platform/qt/qt_settings.h"

#include "platform/titulo_programa.h"

namespace vornith {

namespace {

QString keyOf(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QtSettings::QtSettings()
    : store_(QSettings::IniFormat, QSettings::UserScope, TituloPrograma(), TituloPrograma()) {}

QString QtSettings::value(const QString& section, const QString& key,
                          const QString& fallback) const {
    return store_.value(keyOf(section, key), fallback).toString();
}

void QtSettings::setValue(const QString& section, const QString& key, const QString& value) {
    store_.setValue(keyOf(section, key), value);
}

void QtSettings::remove(const QString& section, const QString& key) {
    store_.remove(keyOf(section, key));
}

} // namespace vornith
