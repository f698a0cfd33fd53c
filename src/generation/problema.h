#pragma once

#include <QString>

#include <cstdint>

namespace vornith::generation {

// One problem of a collection: its subject module, the numbers its problem code is built from,
// and the statement and solution in markup. Copied whole.
struct Problema {
    QString Clave;             // subject module key, "XIMB_FISI_CIN" or "XIMB_FISI_DIN"
    std::int16_t Tipo = 0;     // routine number within the module
    std::int16_t SemillaA = 0; // 0 to 899 when drawn
    std::int16_t Cantidad = 0; // problems of this type in the collection
    std::int16_t Orden = 0;    // this problem's place among those of its type, from 1
    std::int16_t Variante = 0;
    std::int16_t SemillaB = 0; // 0 to 8999 when drawn
    QString Enunciado;
    QString Solucion;

    friend bool operator==(const Problema&, const Problema&) = default;
};

} // namespace vornith::generation
