#pragma once

#include "document/tema.h"

namespace vornith::test {

// One checked wizard row asking for `n` problems of kinematics type 8 ("010").
inline document::ListaTemas TemasDePrueba(int n) {
    document::ListaTemas temas;
    temas.NumTemas = 1;
    document::Tema& t = temas.Temas[1];
    t.Clave = QStringLiteral("XIMB_FISI_CIN");
    t.Rutina = 8;
    t.Cantidad = static_cast<std::int16_t>(n);
    t.Seleccionado = true;
    return temas;
}

} // namespace vornith::test
