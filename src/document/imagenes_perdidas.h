#pragma once

// Pictures that the texts name but that do not show or are not saved: an opened file that
// could not give them (a damaged directory, a picture the file lacks) or whose pictures temp/
// could not hold, a save that had to leave some out. The user is told which, and why.

#include "document/almacen_imagenes.h"
#include "document/archivo_coleccion.h"
#include "document/coleccion.h"

#include <QStringList>

namespace vornith::document {

struct RepasoImagenes {
    QStringList perdidas;   // in neither img/ nor the collection's own pictures
    QStringList sinMostrar; // the collection's own, but not in the folder the display reads
};

// The pictures the file of the collection names that are lost or not shown, given img/, the
// collection's own pictures and the folder that holds them for display.
RepasoImagenes RepasaImagenes(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                              const QString& img, const AlmacenImagenes& almacen,
                              const QString& carpeta);

// The message after opening a file whose pictures `nombres` could not be read.
QString MensajeImagenesNoLeidas(const QStringList& nombres);

// The message after opening a file (or pasting a problem, `pegadas`) whose pictures `nombres`
// cannot be shown but are kept.
QString MensajeImagenesSinMostrar(const QStringList& nombres, bool pegadas = false);

// The message after a paste whose text names the pictures `nombres` without bringing them: the
// data did not come, or (`danadas`) came damaged.
QString MensajeImagenesNoTraidas(const QStringList& nombres, bool danadas);

// The message after a save that left the pictures `omitidas` out.
QString MensajeGuardadaSinImagenes(const QList<ImagenOmitida>& omitidas);

} // namespace vornith::document
