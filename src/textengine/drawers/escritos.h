#pragma once

// The size of scripts (powers, script pairs, stacked texts): one level down is 8/12 of the size
// at the first level and 6/8 of the size in force at each further one.

#include "platform/surface.h"
#include "textengine/estado_motor.h"

namespace vornith::textengine {

// Powers and script pairs: raises NivelExponente and reduces the size at every level.
inline void ReduceExponente(EstadoMotor& motor, Surface& destino) {
    ++motor.NivelExponente;
    const double factor = motor.NivelExponente == 1 ? 8.0 / 12.0 : 6.0 / 8.0;
    destino.setFontSize(destino.fontSize() * factor);
}

// Stacked texts: the same factors, but only at levels 1 and 2; deeper texts keep the size.
inline void ReduceApilado(EstadoMotor& motor, Surface& destino) {
    ++motor.NivelExponente;
    if (motor.NivelExponente == 1) destino.setFontSize(destino.fontSize() * 8.0 / 12.0);
    if (motor.NivelExponente == 2) destino.setFontSize(destino.fontSize() * 6.0 / 8.0);
}

} // namespace vornith::textengine
