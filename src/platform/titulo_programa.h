#pragma once

#include <QString>

namespace vornith {

// The program's title: the title of message boxes that name no other, and the application
// name under which the per-user settings are kept. The window caption may differ from it.
inline QString TituloPrograma() {
    return QStringLiteral("Vornith NORV");
}

} // namespace vornith
