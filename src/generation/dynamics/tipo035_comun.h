#pragma once

// Pieces shared by the sub-types of the graded type "035" (inclined plane and other cases),
// whose sub-types live in two files.

#include "generation/module_interface.h"
#include "generation/number_services.h"

#include <QString>

namespace vornith::generation::XIMB_FISI_DIN::tipo035 {

// Closing line of every statement that uses g, sub-types 2 to 8.
inline QString LineaDato() {
    return QStringLiteral("    &+IDato: g &-I= 9&.8 m/s^2.&LF");
}

// Sub-types 1 to 4: take-off, lift, spring, conical pendulum.
void Despegue(Generador& g);
void Ascensor(Generador& g);
void Muelle(Generador& g);
void PenduloConico(Generador& g);

} // namespace vornith::generation::XIMB_FISI_DIN::tipo035
