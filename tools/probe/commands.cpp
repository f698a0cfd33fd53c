#include "commands.h"

namespace vornith::probe {

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {};
    return all;
}

} // namespace vornith::probe
