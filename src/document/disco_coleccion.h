#pragma once

// The collection file on disk: saving whole or not at all, opening, and putting the pictures of
// an opened file into temp/.

#include "document/almacen_imagenes.h"
#include "document/archivo_coleccion.h"
#include "platform/picture_files.h"

#include <QStringList>

namespace vornith::document {

// Picture bytes from img/ (letter case ignored), then from `almacen`, which must outlive what
// is returned. Nothing for a name that is not a plain file name, or an img/ file that cannot be
// read or is empty; only regular files that are not links, of at most kMaxPictureFileBytes,
// are read.
FuenteImagenes FuenteColeccion(const QString& img, const AlmacenImagenes& almacen);

// Writes `bytes` as the file `ruta`: the whole file is written beside it and renamed over the
// old one only when complete. On failure the old file is untouched. Nothing else is removed.
ErrorGuardado EscribeArchivo(const QString& ruta, const QByteArray& bytes);

// SaveFile without its effect on Modificado: the file of header `coleccion` and problems
// 1..NPROB, with its pictures from `fuente`, written to `ruta`; the pictures left out go to
// `omitidas`. Nothing on disk changes when the file cannot hold a text, or when the bytes
// built do not read back to the collection; no picture stops it. A file in the program's data
// folder `datosPrograma` (none when empty) counts as write-protected.
ErrorGuardado GuardaColeccion(const QString& ruta, const QString& datosPrograma,
                              const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const FuenteImagenes& fuente,
                              QList<ImagenOmitida>* omitidas = nullptr);

// The last four characters of `ruta`, in upper case, are ".COL".
bool TieneExtensionCol(const QString& ruta);

// Reads and parses the file `ruta`. A wrong extension fails before the disk is touched; a file
// that cannot be read, is not a regular file or is larger than kMaxBytesArchivo counts as an
// incorrect file.
LecturaColeccion AbreArchivoColeccion(const QString& ruta);

// What one file may put into temp/: pictures beyond these are left out.
constexpr int kMaxImagenesArchivo = 256;
constexpr qint64 kMaxBytesImagenesArchivo = kMaxPictureFileBytes;

struct ResultadoExtraccion {
    QStringList Escritas; // names written to temp/
    QStringList Fallidas; // names that could not be written (nothing of them is on disk)
    QStringList Omitidas; // names left out by the limits of one file
};

// Writes each picture to temp/ (created when needed) unless img/ already has a file of that
// name, whatever its letter case, or temp/ has one at least as long (a shorter or empty one is
// left from a failed extraction and is replaced). Links count as no file: a link by the name is
// removed, never written through. Each folder is listed once. Each file is written whole or not
// at all; a failure does not stop the others. Empty pictures are passed over.
ResultadoExtraccion ExtraeImagenes(const std::vector<ImagenColeccion>& imagenes,
                                   const PictureFolders& carpetas);

// Why pictures of an opened file are not shown, to follow the message that names them: that
// temp/ could not be used, for `motivo`, when there is no folder `carpeta`; else a paragraph
// for failed writes into it and one for the limits; empty when neither happened.
QString CausaExtraccion(const ResultadoExtraccion& resultado, const QString& carpeta,
                        const QString& motivo);

} // namespace vornith::document
