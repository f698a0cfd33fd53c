#include "mainwindow/aviso_impresion.h"

namespace vornith::mainwindow {

QString AvisoImpresion(const std::optional<document::ResultadoImpresion>& resultado, int incompleta,
                       const QString& destino) {
    using document::ResultadoImpresion;
    if (!resultado)
        return QStringLiteral("No se puede imprimir en ") + destino +
               QStringLiteral(": el trabajo de impresión no ha podido empezar.");
    switch (*resultado) {
    case ResultadoImpresion::Impreso:
        return {};
    case ResultadoImpresion::Ocupado:
        return QStringLiteral("No se puede imprimir en ") + destino +
               QStringLiteral(": la colección se está componiendo.");
    case ResultadoImpresion::PaginaIncompleta:
        return QStringLiteral("Impresión en ") + destino + QStringLiteral(": la página ") +
               QString::number(incompleta) +
               QStringLiteral(" no cabe en el papel; parte de su texto no se ha impreso.");
    case ResultadoImpresion::SinPaginaNueva:
        return QStringLiteral("Impresión en ") + destino +
               QStringLiteral(": no se ha podido pasar a una hoja nueva; las páginas siguientes "
                              "no se han impreso.");
    case ResultadoImpresion::SinTerminar:
        return QStringLiteral("Impresión en ") + destino +
               QStringLiteral(": el trabajo de impresión no ha podido terminar; la impresora lo "
                              "ha rechazado o el archivo no se ha podido escribir.");
    }
    return {};
}

} // namespace vornith::mainwindow
