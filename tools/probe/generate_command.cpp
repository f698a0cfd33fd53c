// vornith-probe generate MODULE CODE: the statement on the first line, the solution on the
// second, as the module generates them (error texts included).

#include "commands.h"

#include "generation/me_norv.h"

#include <QTextStream>

namespace vornith::probe {

int runGenerate(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: vornith-probe generate MODULE CODE\n";
        return 2;
    }
    Pcg32Random azar;
    generation::EstadoGeneracion estado(azar);
    QString enunciado;
    QString solucion;
    generation::GeneraPorModulo(estado, arguments[0], arguments[1], enunciado, solucion);
    out << enunciado << '\n' << solucion << '\n';
    return 0;
}

} // namespace vornith::probe
