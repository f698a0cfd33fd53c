#include "platform/qt/qt_event_loop.h"

#include <QCoreApplication>

namespace vornith {

void QtEventLoop::yield() { QCoreApplication::processEvents(); }

} // namespace vornith
