#pragma once

// Pieces shared by the sub-types of the graded type "035" (inclined plane and other cases),
// whose sub-types live in two files.

#include "generation/dynamics/comun_dinamica.h"
#include "generation/module_interface.h"

namespace vornith::generation::XIMB_FISI_DIN::tipo035 {

// Sub-types 1 to 4: take-off, lift, spring, conical pendulum.
void Despegue(Generador& g);
void Ascensor(Generador& g);
void Muelle(Generador& g);
void PenduloConico(Generador& g);

} // namespace vornith::generation::XIMB_FISI_DIN::tipo035
