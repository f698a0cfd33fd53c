#include "document/imagenes_perdidas.h"

#include "document/archivo_coleccion.h"

namespace vornith::document {

namespace {

QString Lista(const QStringList& nombres) {
    return QStringLiteral("\r\n\r\n    ") + nombres.join(QStringLiteral("\r\n    ")) +
           QStringLiteral("\r\n\r\n");
}

} // namespace

QStringList ImagenesQueFaltan(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const PictureFolders& carpetas) {
    QStringList nombres = ImagenesNombradas(coleccion, problemas);
    nombres.removeIf(
        [&carpetas](const QString& nombre) { return !findPicture(carpetas, nombre).isEmpty(); });
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
