// vornith-probe catalog: the catalogue lines of both modules, one per output line.

#include "commands.h"

#include "generation/me_norv.h"

#include <QTextStream>

namespace vornith::probe {

int runCatalog(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!arguments.isEmpty()) {
        err << "usage: vornith-probe catalog\n";
        return 2;
    }
    Pcg32Random azar;
    generation::EstadoGeneracion estado(azar);
    generation::CargaCatalogo(estado);
    for (int i = 1; i <= estado.NumCatalogo; ++i) {
        QString linea = estado.Catalogo[static_cast<std::size_t>(i)];
        if (linea.endsWith(QLatin1String("\r\n"))) linea.chop(2);
        out << linea << '\n';
    }
    return 0;
}

} // namespace vornith::probe
