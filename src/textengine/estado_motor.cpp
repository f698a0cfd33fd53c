#include "textengine/estado_motor.h"

namespace vornith::textengine {

const QString& EstadoMotor::textoDe(QChar c) {
    const char16_t u = c.unicode();
    if (u < latin_.size()) {
        QString& s = latin_[u];
        if (s.isNull()) s = QString(c);
        return s;
    }
    auto found = otros_.find(u);
    if (found == otros_.end()) found = otros_.emplace(u, QString(c)).first;
    return found->second;
}

} // namespace vornith::textengine
