#pragma once

#include <QStringList>

#include <vector>

namespace vornith::probe {

// One subcommand of vornith-probe: its name, a usage line for --help, and its entry, which
// gets the arguments after the name and returns the exit status.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& arguments);
};

const std::vector<Command>& commands();

} // namespace vornith::probe
