#pragma once

// Pictures that an opened file names but could not give (a damaged directory, a picture the
// file lacks, one that could not be written to temp/): they show as placeholders, and saves
// leave them out instead of failing.

#include "document/coleccion.h"
#include "platform/picture_files.h"

#include <QStringList>

namespace vornith::document {

// The pictures the file of the collection names that neither img/ nor temp/ holds.
QStringList ImagenesQueFaltan(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const PictureFolders& carpetas);

// The message after opening a file whose pictures `nombres` could not be read.
QString MensajeImagenesNoLeidas(const QStringList& nombres);

// The message after a save that left the pictures `nombres` out.
QString MensajeGuardadaSinImagenes(const QStringList& nombres);

} // namespace vornith::document
