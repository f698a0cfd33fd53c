#pragma once

#include <QString>

namespace vornith::mainwindow {

// The application identifier: it names the manual file and the developer lists show it.
inline QString IdAplicacion() {
    return QStringLiteral("VORNITH_NORV");
}

} // namespace vornith::mainwindow
