#pragma once

// What a save checks before it touches the disk: that the file can hold the collection's texts
// (every character in its code page, no tag of its header in a header text) and that the bytes
// built read back to the same collection.

#include "document/archivo_coleccion.h"

namespace vornith::document {

// The first tag of the file's header that `texto` holds, where the reader would cut the header
// short; empty when there is none. For the title, the prefix and the suffix.
QString EtiquetaDeCabecera(const QString& texto);

// Why the file cannot hold `texto` as a title, prefix or suffix, for a note beside the box:
// the characters outside its code page, named, or else the header tag; empty when it can.
QString RechazoCabecera(const QString& texto);

// Refuses, naming the character or the tag and where it stands, a collection whose texts hold
// a character outside Windows-1252 or whose title, prefix or suffix holds a header tag.
ErrorGuardado CompruebaTextos(const DatosColeccion& coleccion, const TablaProblemas& problemas);

// Refuses `bytes` over kMaxBytesArchivo, which open would refuse, and unless the reader gives
// back from them the header and the problems of the collection (keys without the blanks at
// their ends) and a sound picture directory whose names are each a picture the texts name, once.
ErrorGuardado CompruebaRelectura(const QByteArray& bytes, const DatosColeccion& coleccion,
                                 const TablaProblemas& problemas);

} // namespace vornith::document
