#pragma once

// The collection file on disk: saving whole or not at all, opening, and putting the pictures of
// an opened file into temp/.

#include "document/archivo_coleccion.h"
#include "platform/picture_files.h"

#include <QStringList>

namespace vornith::document {

// Picture bytes from img/, then temp/ (letter case ignored). Nothing for a name that is not a
// plain file name or a file that cannot be read.
FuenteImagenes FuenteCarpetas(const PictureFolders& carpetas);

// Writes `bytes` as the file `ruta`: the whole file is written beside it and renamed over the
// old one only when complete. On failure the old file is untouched.
ErrorGuardado EscribeArchivo(const QString& ruta, const QByteArray& bytes);

// SaveFile without its effect on Modificado: the file of header `coleccion` and problems
// 1..NPROB, with its pictures from `carpetas` but those in `omitidas`, written to `ruta`.
// Nothing on disk changes when a picture is missing, when the file cannot hold a text, or when
// the bytes built do not read back to the collection.
ErrorGuardado GuardaColeccion(const QString& ruta, const DatosColeccion& coleccion,
                              const TablaProblemas& problemas, const PictureFolders& carpetas,
                              const QStringList& omitidas = {});

// The last four characters of `ruta`, in upper case, are ".COL".
bool TieneExtensionCol(const QString& ruta);

// Reads and parses the file `ruta`. A wrong extension fails before the disk is touched; a file
// that cannot be read counts as an incorrect file.
LecturaColeccion AbreArchivoColeccion(const QString& ruta);

struct ResultadoExtraccion {
    QStringList Escritas; // names written to temp/
    QStringList Fallidas; // names that could not be written (nothing of them is on disk)
};

// Writes each picture to temp/ (created when needed) unless img/ or temp/ already has a file of
// that name, whatever its letter case. Each file is written whole or not at all; a failure
// does not stop the others.
ResultadoExtraccion ExtraeImagenes(const std::vector<ImagenColeccion>& imagenes,
                                   const PictureFolders& carpetas);

} // namespace vornith::document
