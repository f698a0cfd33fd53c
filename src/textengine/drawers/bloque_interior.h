#pragma once

// The tagged blocks inside a ring or a bond branch ("#R1(" ... "#R1)", "#LP(" ... "#LP)"):
// found where the construct itself has them, never inside a nested construct.

#include <QString>
#include <QStringView>

#include <optional>

namespace vornith::textengine {

struct BloqueInterior {
    qsizetype inicio; // where the opening tag stands in the searched text
    qsizetype largo;  // how much of that text the block takes
    QString contenido;
};

// The first block `abre` ... `cierra` of `texto` outside nested constructs (nesting of the same
// tags counted), or nullopt when `abre` is not there. A block without its closing tag takes only
// its opening tag and holds the red "*ERROR*" mark, so the rest of the text is read as usual.
std::optional<BloqueInterior> BuscaBloqueInterior(QStringView texto, QStringView abre,
                                                  QStringView cierra);

} // namespace vornith::textengine
