#pragma once

#include "textengine/estado_motor.h"

#include <QString>

namespace vornith {
class Surface;
}

namespace vornith::textengine {

// Lays out one line of markup on `destino` in the pass that motor.ModoDibujo chooses.
//
// Measuring pass (ModoDibujo 0): draws nothing and writes the line's box into
// Cajas(NumElemento at entry). For the page entry's own lines (not inside a construct part) it
// also applies the page-width fit test: `resto` receives the leading part of `texto` that fits
// when the whole does not, and stays empty when everything fits. Construct parts are never cut:
// they are measured whole, as they are drawn.
//
// Drawing pass (ModoDibujo 1): draws `texto` from the surface's current position, numbering
// elements exactly as the measuring pass of the same text did; only PosX and PosY of the
// line's box change. `resto` stays empty.
//
// Limits: a line holds at most kMaxCajasLinea constructs directly and kMaxElemento element
// numbers. A page line that would pass either ends before the token that passes it (the rest
// goes on in the next output line); a construct part stops there in both passes alike.
void ProcesaLinea(EstadoMotor& motor, const QString& texto, Surface& destino, QString& resto);

} // namespace vornith::textengine
