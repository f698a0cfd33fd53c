#pragma once

#include "document/coleccion.h"

#include <QString>

#include <functional>

namespace vornith::document {

// The block mark of block k: "#MARK=" and the last three digits of 1000 + k; four digits from
// block 1000 on, so that marks never wrap.
QString MarcaBloque(int k);

// The box behind a problem number: its colour, prefix, number and suffix, then a white box.
QString CajaNumero(Rgb colour, const QString& prefijo, int numero, const QString& sufijo);

// Builds the block table from the header and problems 1..NPROB: one block per problem with its
// number box and statement, solutions placed as POSSOL says. `yield` runs twice per problem.
void ComponerBloques(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                     std::vector<Bloque>& tabla, std::int32_t& numBloques,
                     const std::function<void()>& yield = {});

} // namespace vornith::document
