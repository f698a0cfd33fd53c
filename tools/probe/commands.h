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

int runCatalog(const QStringList& arguments);
int runGenerate(const QStringList& arguments);
int runRender(const QStringList& arguments);
int runCollection(const QStringList& arguments);

} // namespace vornith::probe
