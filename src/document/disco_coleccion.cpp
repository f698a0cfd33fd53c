#include "document/disco_coleccion.h"

#include "document/comprobacion_guardado.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vornith::document {

namespace {

ErrorGuardado Protegido() {
    return {FalloGuardado::ProtegidoContraEscritura,
            {},
            75,
            QStringLiteral("Error de acceso a la ruta o el archivo")};
}

// What a failed write or commit means to the user: the data could not be written, or else the
// old file could not be replaced.
ErrorGuardado ErrorDeEscritura(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ResourceError:
        return {FalloGuardado::Otro, {}, 61, QStringLiteral("Disco lleno")};
    case QFileDevice::WriteError:
        return {FalloGuardado::Otro, {}, 57, QStringLiteral("Error de E/S en el dispositivo")};
    default:
        return Protegido();
    }
}

} // namespace

FuenteImagenes FuenteCarpetas(const PictureFolders& carpetas) {
    return [carpetas](const QString& nombre) -> std::optional<QByteArray> {
        const QString ruta = findPicture(carpetas, nombre);
        if (ruta.isEmpty()) return std::nullopt;
        QFile archivo(ruta);
        if (!archivo.open(QIODevice::ReadOnly)) return std::nullopt;
        QByteArray datos = archivo.readAll();
        if (archivo.error() != QFileDevice::NoError) return std::nullopt;
        return datos;
    };
}

ErrorGuardado EscribeArchivo(const QString& ruta, const QByteArray& bytes) {
    if (!QFileInfo(ruta).absoluteDir().exists())
        return {
            FalloGuardado::Otro, {}, 76, QStringLiteral("No se ha encontrado la ruta de acceso")};
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) return Protegido();
    if (archivo.write(bytes) != bytes.size()) {
        const QFileDevice::FileError error = archivo.error();
        archivo.cancelWriting();
        return ErrorDeEscritura(error);
    }
    if (!archivo.commit()) return ErrorDeEscritura(archivo.error());
    return {};
}

ErrorGuardado GuardaColeccion(const QString& ruta, const DatosColeccion& coleccion,
                              const TablaProblemas& problemas, const PictureFolders& carpetas,
                              const QStringList& omitidas) {
    if (const ErrorGuardado error = CompruebaTextos(coleccion, problemas); error.hayError())
        return error;
    const ArchivoConstruido archivo =
        ConstruyeArchivoColeccion(coleccion, problemas, FuenteCarpetas(carpetas), omitidas);
    if (archivo.error.hayError()) return archivo.error;
    if (const ErrorGuardado error = CompruebaRelectura(archivo.bytes, coleccion, problemas);
        error.hayError())
        return error;
    return EscribeArchivo(ruta, archivo.bytes);
}

bool TieneExtensionCol(const QString& ruta) {
    return ruta.right(4).toUpper() == QLatin1String(".COL");
}

LecturaColeccion AbreArchivoColeccion(const QString& ruta) {
    LecturaColeccion lectura;
    if (!TieneExtensionCol(ruta)) {
        lectura.Fallo = FalloLectura::ExtensionIncorrecta;
        return lectura;
    }
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        lectura.Fallo = FalloLectura::ArchivoIncorrecto;
        return lectura;
    }
    const QByteArray bytes = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError) {
        lectura.Fallo = FalloLectura::ArchivoIncorrecto;
        return lectura;
    }
    return LeeArchivoColeccion(bytes);
}

ResultadoExtraccion ExtraeImagenes(const std::vector<ImagenColeccion>& imagenes,
                                   const PictureFolders& carpetas) {
    ResultadoExtraccion resultado;
    for (const ImagenColeccion& imagen : imagenes) {
        // Names come from a file: only plain names, and never over a picture already there.
        if (!isPlainFileName(imagen.nombre) || !findPicture(carpetas, imagen.nombre).isEmpty())
            continue;
        if (carpetas.temp.isEmpty() || !QDir().mkpath(carpetas.temp)) {
            resultado.Fallidas.append(imagen.nombre);
            continue;
        }
        QSaveFile archivo(QDir(carpetas.temp).filePath(imagen.nombre));
        if (archivo.open(QIODevice::WriteOnly) &&
            archivo.write(imagen.datos) == imagen.datos.size() && archivo.commit()) {
            resultado.Escritas.append(imagen.nombre);
        } else {
            archivo.cancelWriting();
            resultado.Fallidas.append(imagen.nombre);
        }
    }
    return resultado;
}

} // namespace vornith::document
