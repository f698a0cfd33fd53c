#pragma once

// The generators of the dynamics module and its routine table.

#include "generation/module_interface.h"

#include <vector>

namespace vornith::generation::XIMB_FISI_DIN {

void Tipo030_PlanoHorizontal(Generador& g);  // routine 1
void Tipo035_PlanoInclinado(Generador& g);   // routine 2
void Tipo040_VariasParticulas(Generador& g); // routine 3
void Tipo100_DinamicaMAS(Generador& g);      // routine 4

// The routines that exist, by routine number (tabla_rutinas.cpp).
const std::vector<EntradaRutina>& TablaRutinas();

} // namespace vornith::generation::XIMB_FISI_DIN
