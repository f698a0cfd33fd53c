#include "textengine/drawers/bloque_interior.h"

#include "textengine/drawers/separador.h"
#include "textengine/markup.h"

namespace vornith::textengine {

std::optional<BloqueInterior> BuscaBloqueInterior(QStringView texto, QStringView abre,
                                                  QStringView cierra) {
    const qsizetype inicio = BuscaSeparador(texto, abre);
    if (inicio < 0) return std::nullopt;
    const qsizetype largo = LongitudBloque(texto.mid(inicio), abre, cierra);
    if (largo < 0) return BloqueInterior{inicio, abre.size(), kTextoError.toString()};
    const qsizetype dentro = largo - abre.size() - cierra.size();
    return BloqueInterior{inicio, largo, texto.mid(inicio + abre.size(), dentro).toString()};
}

} // namespace vornith::textengine
