#include "document/imagenes_perdidas.h"

#include "document/conversion_numerica.h"
#include "document/lista_aviso.h"
#include "platform/picture_files.h"

namespace vornith::document {

namespace {

QString Motivo(MotivoOmision motivo) {
    switch (motivo) {
    case MotivoOmision::NoEncontrada:
        return QStringLiteral("no se encuentra el archivo de la imagen");
    case MotivoOmision::NombreLargo:
        return QStringLiteral("el nombre tiene más de ") + Decimal(kLongitudNombre) +
               QStringLiteral(" caracteres");
    case MotivoOmision::NombreConBlancos:
        return QStringLiteral("el nombre empieza o termina en blanco");
    case MotivoOmision::ArchivoGrande:
        return QStringLiteral("el archivo pasaría de ") + Decimal(kMaxPosicion) +
               QStringLiteral(" bytes");
    case MotivoOmision::ArchivoSinAbrir:
        return QStringLiteral("el archivo ") + PasaDelMaximoArchivo();
    case MotivoOmision::NombreRepetido:
        return QStringLiteral("otra imagen tiene el mismo nombre con otras mayúsculas");
    case MotivoOmision::NoLeida:
        return QStringLiteral("no se pudo leer del archivo al abrirlo");
    }
    return {};
}

} // namespace

RepasoImagenes RepasaImagenes(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const QString& img, const AlmacenImagenes& almacen,
                              const QString& carpeta) {
    RepasoImagenes repaso;
    // Each folder is listed once, however many pictures a file names.
    const FolderIndex enImg(img);
    const FolderIndex enCarpeta(carpeta);
    for (const QString& nombre : ImagenesNombradas(coleccion, problemas)) {
        if (!enImg.find(nombre).isEmpty()) continue;
        if (!almacen.Busca(nombre)) {
            repaso.perdidas.append(nombre);
        } else if (enCarpeta.find(nombre).isEmpty()) {
            repaso.sinMostrar.append(nombre);
        }
    }
    return repaso;
}

QString MensajeImagenesNoLeidas(const QStringList& nombres) {
    return QStringLiteral("No se han podido leer estas imágenes del archivo:") +
           ListaAviso(nombres) +
           QStringLiteral("En su lugar se muestra un recuadro tachado. Al guardar, la colección "
                          "se guardará sin ellas.");
}

QString MensajeImagenesSinMostrar(const QStringList& nombres, bool pegadas) {
    return QStringLiteral("No se pueden mostrar estas imágenes ") +
           (pegadas ? QStringLiteral("del problema pegado:") : QStringLiteral("del archivo:")) +
           ListaAviso(nombres) +
           QStringLiteral("En su lugar se muestra un recuadro tachado. Al guardar, la colección "
                          "se guardará con ellas.");
}

QString MensajeImagenesNoTraidas(const QStringList& nombres, bool danadas) {
    return (danadas ? QStringLiteral("Las imágenes del problema pegado han llegado dañadas:")
                    : QStringLiteral("Estas imágenes del problema pegado no han llegado con él:")) +
           ListaAviso(nombres) +
           QStringLiteral("Donde la colección tiene una imagen con el mismo nombre, se muestra y "
                          "se guarda la suya; donde no la tiene, se muestra un recuadro tachado.");
}

QString MensajeGuardadaSinImagenes(const QList<ImagenOmitida>& omitidas) {
    QStringList entradas;
    for (const ImagenOmitida& imagen : omitidas)
        entradas.append(QStringLiteral("«") + imagen.nombre + QStringLiteral("»: ") +
                        Motivo(imagen.motivo));
    return QStringLiteral("La colección se ha guardado sin estas imágenes:") +
           ListaAviso(entradas) + QStringLiteral("Sus referencias se conservan en los textos.");
}

} // namespace vornith::document
