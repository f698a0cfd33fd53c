#pragma once

#include "document/coleccion.h"

#include <QString>

#include <functional>

namespace vornith::document {

// The block mark of block k: "#MARK=" and the last three digits of 1000 + k; four digits from
// block 1000 on, so that marks never wrap.
QString MarcaBloque(int k);

// The width of the label box, in millimetres, that the labels of the default numbering fit.
inline constexpr int kAnchoCaja = 20;

// The box behind a problem number, `ancho` millimetres wide: its colour, prefix, number and
// suffix, then a white box as wide.
QString CajaNumero(Rgb colour, const QString& prefijo, int numero, const QString& sufijo,
                   int ancho = kAnchoCaja);

// The width of one line of markup laid out at the start of a page, in twips at zoom 1.
using MideLinea = std::function<double(const QString& linea)>;

// Builds the block table from the header and problems 1..NPROB: one block per problem with its
// number box and statement, solutions placed as POSSOL says. With `mide`, a label wider than
// the box widens every box to the widest label, and gathered solutions whose label would reach
// their answers start them clear of the widest one. `yield` runs twice per problem.
void ComponerBloques(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                     std::vector<Bloque>& tabla, std::int32_t& numBloques,
                     const MideLinea& mide = {}, const std::function<void()>& yield = {});

} // namespace vornith::document
