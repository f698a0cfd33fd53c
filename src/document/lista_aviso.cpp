#include "document/lista_aviso.h"

#include <algorithm>

namespace vornith::document {

QString ListaAviso(const QStringList& entradas) {
    constexpr qsizetype kMostrados = 20;
    QString lista =
        QStringLiteral("\r\n\r\n    ") +
        entradas.first(std::min(kMostrados, entradas.size())).join(QStringLiteral("\r\n    "));
    if (entradas.size() > kMostrados)
        lista += QStringLiteral("\r\n    ... y ") + QString::number(entradas.size() - kMostrados) +
                 QStringLiteral(" más");
    return lista + QStringLiteral("\r\n\r\n");
}

} // namespace vornith::document
