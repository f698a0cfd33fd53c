#pragma once

// The pictures of a copied problem travel beside its clipboard text, in the program's own
// format: a collection file of that one problem with the pictures it names, read back by the
// reader of collection files. A paste adds them to the collection that receives the problem.

#include "document/archivo_coleccion.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vornith::document {

// The data put beside the clipboard text of `problema`: a file of it with the pictures of
// `fuente` its texts name. Empty when they name none.
QByteArray DatosPortapapeles(const Problema& problema, const FuenteImagenes& fuente);

// The pictures carried by clipboard data that are among `nombradas` (the pasted problem's,
// ImagenesDelProblema); an empty list when there are no data, nullopt when they are damaged: not
// such a file, or one whose reader noticed any damage. The data are taken, and go on return.
std::optional<std::vector<ImagenColeccion>> ImagenesPortapapeles(QByteArray datos,
                                                                 const QStringList& nombradas);

// The pictures the texts of `problema` name; with `soloSimples` false, names that are not plain
// file names too.
QStringList ImagenesDelProblema(const Problema& problema, bool soloSimples = true);

// Of `nombradas`, the names a pasted problem's texts give (plain file names or not), those
// whose bytes did not come with it in `traidas`; with `sinPropias`, leaving out the program's own
// in `img` (not for damaged data, which may have carried other bytes under such a name).
QStringList ImagenesNoTraidas(const QStringList& nombradas,
                              const std::vector<ImagenColeccion>& traidas, const QString& img,
                              bool sinPropias);

// The `n`th name a pasted picture called `nombre` may take: its own for 1, else with "-n" put
// before its extension. A name that would not fit the directory's width loses the end of its
// stem (down to one character), then of its extension. Empty when no such name is a plain file
// name.
QString NombreAlternativo(const QString& nombre, int n);

// Where the pictures of a pasted problem go in the collection that receives it.
struct AcogidaImagenes {
    QHash<QString, QString> nombres;     // a pasted picture's name -> the name it takes there
    std::vector<ImagenColeccion> nuevas; // the bytes new to the collection, under those names
    QString sinNombre;                   // a picture that can have no name: nothing is taken
};

// Decides, before any text is changed, the name each picture of `imagenes` takes. It keeps its
// own unless `fuente` (the collection's pictures) has other bytes under it or the collection's
// texts name it (`nombradas`, as a missing picture); it then takes the first alternative name
// that holds the same bytes, or that nothing has and neither the collection nor the pasted
// problem (`delPegado`) names. Names are compared whatever their letter case, as pictures are
// found.
AcogidaImagenes AcogeImagenes(const std::vector<ImagenColeccion>& imagenes,
                              const QStringList& delPegado, const QStringList& nombradas,
                              const FuenteImagenes& fuente);

} // namespace vornith::document
