#include "platform/qt/qt_event_loop.h"

#include <QCoreApplication>

namespace vornith {

// Paints and timers run; keys and clicks wait until the long job is over, so that no command
// runs in the middle of it.
void QtEventLoop::yield() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

} // namespace vornith
