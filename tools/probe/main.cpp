// vornith-probe: the command-line driver of the program's layers, for tests and benchmarks.

#include "commands.h"

#include "platform/titulo_programa.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {

void printHelp(QTextStream& out) {
    out << "usage: vornith-probe COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : vornith::probe::commands()) out << "  " << command.usage << '\n';
    out << "  --help\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(vornith::TituloPrograma());
    QStringList args = QApplication::arguments().mid(1);
    QTextStream out(stdout);
    if (args.isEmpty() || args.front() == QLatin1String("--help") ||
        args.front() == QLatin1String("-h")) {
        printHelp(out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const auto& command : vornith::probe::commands()) {
        if (name == QLatin1String(command.name)) return command.run(args);
    }
    QTextStream err(stderr);
    err << "vornith-probe: unknown command \"" << name << "\" (see --help)\n";
    return 2;
}
