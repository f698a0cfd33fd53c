#pragma once

// The generators of the kinematics module and its routine table.

#include "generation/module_interface.h"

#include <vector>

namespace vornith::generation::XIMB_FISI_CIN {

void Tipo020_Lanzamiento(Generador& g);            // routine 1
void Tipo015_MRUA(Generador& g);                   // routine 2
void Tipo025_MCU(Generador& g);                    // routine 3
void Tipo045_Vectores(Generador& g);               // routine 4
void Tipo055_ComponentesIntrinsecas(Generador& g); // routine 5
void Tipo040_DosMoviles(Generador& g);             // routine 6
void Tipo030_MCUA(Generador& g);                   // routine 7
void Tipo010_CalculosBasicos(Generador& g);        // routine 8
void Tipo100_MAS(Generador& g);                    // routine 9

// The routines that exist, by routine number (tabla_rutinas.cpp).
const std::vector<EntradaRutina>& TablaRutinas();

} // namespace vornith::generation::XIMB_FISI_CIN
