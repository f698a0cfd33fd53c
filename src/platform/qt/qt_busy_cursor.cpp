#include "platform/qt/qt_busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vornith {

void QtBusyCursor::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace vornith
