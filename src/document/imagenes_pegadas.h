#pragma once

// The pictures of a copied problem travel beside its clipboard text, in the program's own
// format: a collection file of that one problem with the pictures it names, read back by the
// reader of collection files. A paste adds them to the collection that receives the problem.

#include "document/archivo_coleccion.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vornith::document {

// The data put beside the clipboard text of `problema`: a file of it with the pictures of
// `fuente` its texts name. Empty when they name none.
QByteArray DatosPortapapeles(const Problema& problema, const FuenteImagenes& fuente);

// The pictures carried by clipboard data that `problema` names; none when the data are not
// such a file.
std::vector<ImagenColeccion> ImagenesPortapapeles(const QByteArray& datos,
                                                  const Problema& problema);

// The `n`th name a pasted picture called `nombre` may take: its own for 1, else with "-n" put
// before its extension, cut to what a picture directory holds. Empty when no such name is a
// plain file name.
QString NombreAlternativo(const QString& nombre, int n);

} // namespace vornith::document
