#include "document/imagenes_perdidas.h"

#include "document/archivo_coleccion.h"

#include <algorithm>

namespace vornith::document {

namespace {

// The names one to a line, the first kMostrados of them.
QString Lista(const QStringList& nombres) {
    constexpr qsizetype kMostrados = 20;
    QString lista =
        QStringLiteral("\r\n\r\n    ") +
        nombres.first(std::min(kMostrados, nombres.size())).join(QStringLiteral("\r\n    "));
    if (nombres.size() > kMostrados)
        lista += QStringLiteral("\r\n    ... y ") + QString::number(nombres.size() - kMostrados) +
                 QStringLiteral(" más");
    return lista + QStringLiteral("\r\n\r\n");
}

} // namespace

QStringList ImagenesQueFaltan(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const PictureFolders& carpetas) {
    QStringList nombres = ImagenesNombradas(coleccion, problemas);
    // Each folder is listed once, however many pictures a file names.
    const FolderIndex img(carpetas.img);
    const FolderIndex temp(carpetas.temp);
    nombres.removeIf([&](const QString& nombre) {
        return !img.find(nombre).isEmpty() || !temp.find(nombre).isEmpty();
    });
    return nombres;
}

QString MensajeImagenesNoLeidas(const QStringList& nombres) {
    return QStringLiteral("No se han podido leer estas imágenes del archivo:") + Lista(nombres) +
           QStringLiteral("En su lugar se muestra un recuadro tachado. Al guardar, la colección "
                          "se guardará sin ellas.");
}

QString MensajeGuardadaSinImagenes(const QStringList& nombres) {
    return QStringLiteral("La colección se ha guardado sin estas imágenes, que no se pudieron "
                          "leer al abrirla:") +
           Lista(nombres) + QStringLiteral("Sus referencias se conservan en los textos.");
}

} // namespace vornith::document
