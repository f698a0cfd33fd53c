#pragma once

#include "textengine/estado_motor.h"

#include <QStringView>

namespace vornith::textengine {

// Slots 1 to 74 print in "Symbol", slots 75 to 78 in "MT Extra".
inline constexpr int kPrimerSimboloMTExtra = 75;

// The font that prints slot `k`.
QStringView FuenteSimbolo(int k);

// Fills SimboloTag and SimboloCar (slots 1 to 78) with the tags and the Windows-1252 characters
// they print.
void LlenaTablaSimbolos(EstadoMotor& motor);

// The slot whose tag begins `texto` (slots in order, the first match wins), or 0.
int BuscaSimbolo(const EstadoMotor& motor, QStringView texto);

} // namespace vornith::textengine
