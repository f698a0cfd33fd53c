#include "platform/process_exit.h"

#include <cstdlib>

namespace vornith {

void ImmediateExit::exitNow(int code) {
    std::_Exit(code);
}

} // namespace vornith
