#include "document/disco_coleccion.h"

#include "document/comprobacion_guardado.h"
#include "platform/program_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <optional>

namespace vornith::document {

namespace {

ErrorGuardado Protegido() {
    return {FalloGuardado::ProtegidoContraEscritura, 75,
            QStringLiteral("Error de acceso a la ruta o el archivo")};
}

enum class Escritura { Hecha, SinAbrir, SinEscribir, SinRenombrar };

// Writes `bytes` as the file `ruta`, whole or not at all. QSaveFile::write() only buffers and
// Qt's commit() renames the file even when writing out that buffer failed, so the data are
// flushed and checked before the commit.
Escritura EscribeEntero(const QString& ruta, const QByteArray& bytes,
                        QFileDevice::FileError* error = nullptr) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly)) return Escritura::SinAbrir;
    if (archivo.write(bytes) != bytes.size() || !archivo.flush()) {
        archivo.cancelWriting();
        return Escritura::SinEscribir;
    }
    if (!archivo.commit()) {
        if (error) *error = archivo.error();
        return Escritura::SinRenombrar;
    }
    return Escritura::Hecha;
}

// A failed commit: the old file could not be replaced, or its data failed at the last moment.
ErrorGuardado ErrorAlRenombrar(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::ResourceError:
        return {FalloGuardado::Otro, 61, QStringLiteral("Disco lleno")};
    case QFileDevice::WriteError:
        return {FalloGuardado::Otro, 57, QStringLiteral("Error de E/S en el dispositivo")};
    default:
        return Protegido();
    }
}

} // namespace

FuenteImagenes FuenteColeccion(const QString& img, const AlmacenImagenes& almacen) {
    // img/ is listed once, on the first picture asked for.
    return [img, &almacen, indice = std::optional<FolderIndex>()](
               const QString& nombre) mutable -> std::optional<QByteArray> {
        if (!indice) indice.emplace(img);
        if (const QString ruta = indice->find(nombre); !ruta.isEmpty()) {
            std::optional<QByteArray> datos = readPictureFile(ruta);
            if (datos && !datos->isEmpty()) return datos;
        }
        return almacen.Busca(nombre);
    };
}

ErrorGuardado EscribeArchivo(const QString& ruta, const QByteArray& bytes) {
    if (!QFileInfo(ruta).absoluteDir().exists())
        return {FalloGuardado::Otro, 76, QStringLiteral("No se ha encontrado la ruta de acceso")};
    QFileDevice::FileError error = QFileDevice::NoError;
    switch (EscribeEntero(ruta, bytes, &error)) {
    case Escritura::Hecha:
        return {};
    case Escritura::SinAbrir:
        return Protegido();
    case Escritura::SinEscribir:
        // The data did not all reach the disk: short writes come from a full disk or quota.
        return {FalloGuardado::Otro, 61, QStringLiteral("Disco lleno")};
    case Escritura::SinRenombrar:
        break;
    }
    return ErrorAlRenombrar(error);
}

ErrorGuardado GuardaColeccion(const QString& ruta, const QString& datosPrograma,
                              const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const FuenteImagenes& fuente, QList<ImagenOmitida>* omitidas) {
    // The program's own files, a shipped example among them, are never written over.
    if (isProgramData(ruta, datosPrograma)) return Protegido();
    if (const ErrorGuardado error = CompruebaTextos(coleccion, problemas); error.hayError())
        return error;
    const ArchivoConstruido archivo = ConstruyeArchivoColeccion(coleccion, problemas, fuente);
    if (const ErrorGuardado error = CompruebaRelectura(archivo.bytes, coleccion, problemas);
        error.hayError())
        return error;
    const ErrorGuardado error = EscribeArchivo(ruta, archivo.bytes);
    if (!error.hayError() && omitidas) *omitidas = archivo.omitidas;
    return error;
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
    // Only a regular file (links followed) of a sane size: a pipe or a device would block or
    // never end.
    const QFileInfo info(ruta);
    QFile archivo(ruta);
    if (!info.isFile() || info.size() > kMaxBytesArchivo || !archivo.open(QIODevice::ReadOnly)) {
        lectura.Fallo = FalloLectura::ArchivoIncorrecto;
        return lectura;
    }
    const QByteArray bytes = archivo.read(kMaxBytesArchivo + 1);
    if (archivo.error() != QFileDevice::NoError || bytes.size() > kMaxBytesArchivo) {
        lectura.Fallo = FalloLectura::ArchivoIncorrecto;
        return lectura;
    }
    return LeeArchivoColeccion(bytes);
}

ResultadoExtraccion ExtraeImagenes(const std::vector<ImagenColeccion>& imagenes,
                                   const PictureFolders& carpetas) {
    ResultadoExtraccion resultado;
    const FolderIndex img(carpetas.img);
    FolderIndex temp(carpetas.temp);
    QSet<QString> escritas; // paths written now: the first of names alike in case wins
    int tomadas = 0;
    qint64 bytesTomados = 0;
    for (const ImagenColeccion& imagen : imagenes) {
        // Names come from a file: only plain names, never over a picture of img/, and over one
        // of temp/ only when that one is empty or shorter (left by an extraction that failed).
        if (!isPlainFileName(imagen.nombre) || imagen.datos.isEmpty() ||
            !img.find(imagen.nombre).isEmpty())
            continue;
        QString destino = temp.find(imagen.nombre);
        if (!destino.isEmpty() &&
            (escritas.contains(destino) || QFileInfo(destino).size() >= imagen.datos.size()))
            continue;
        if (tomadas >= kMaxImagenesArchivo ||
            bytesTomados + imagen.datos.size() > kMaxBytesImagenesArchivo) {
            resultado.Omitidas.append(imagen.nombre);
            continue;
        }
        ++tomadas;
        bytesTomados += imagen.datos.size();
        if (carpetas.temp.isEmpty() || !QDir().mkpath(carpetas.temp)) {
            resultado.Fallidas.append(imagen.nombre);
            continue;
        }
        if (destino.isEmpty()) {
            destino = QDir(carpetas.temp).filePath(imagen.nombre);
            // The index passes over links: one by this name goes, so that nothing is written
            // through it.
            if (QFileInfo(destino).isSymLink()) QFile::remove(destino);
        }
        if (!QFileInfo(destino).isSymLink() &&
            EscribeEntero(destino, imagen.datos) == Escritura::Hecha) {
            resultado.Escritas.append(imagen.nombre);
            temp.add(QFileInfo(destino).fileName());
            escritas.insert(destino);
        } else {
            resultado.Fallidas.append(imagen.nombre);
        }
    }
    return resultado;
}

QString CausaExtraccion(const ResultadoExtraccion& resultado, const QString& carpeta,
                        const QString& motivo) {
    if (carpeta.isEmpty())
        return QStringLiteral("\r\n\r\nLa carpeta temporal no se puede usar: ") + motivo + u'.';
    QString causa;
    if (!resultado.Fallidas.isEmpty()) {
        causa += QStringLiteral("\r\n\r\nNo se han podido escribir en la carpeta temporal ") +
                 carpeta + QStringLiteral(": el disco puede estar lleno.");
    }
    if (!resultado.Omitidas.isEmpty()) {
        causa +=
            QStringLiteral("\r\n\r\nUn archivo no puede poner en la carpeta temporal más de ") +
            QString::number(kMaxImagenesArchivo) + QStringLiteral(" imágenes ni más de ") +
            QString::number(kMaxBytesImagenesArchivo / (1024 * 1024)) +
            QStringLiteral(" MB de imágenes.");
    }
    return causa;
}

} // namespace vornith::document
