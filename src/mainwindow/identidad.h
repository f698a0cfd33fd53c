#pragma once

#include <QString>

namespace vornith::mainwindow {

// The application identifier: it names the manual file and the developer lists show it.
inline QString IdAplicacion() {
    return QStringLiteral("VORNITH_NORV");
}

// Every window of the application shows the program's icon, embedded, so a build tree's program
// has it too, and the desktop matches the windows with the program's entry.
void IdentificaVentanas();

} // namespace vornith::mainwindow
