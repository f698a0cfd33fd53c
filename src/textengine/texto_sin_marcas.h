#pragma once

#include "textengine/estado_motor.h"

#include <QString>

namespace vornith::textengine {

// The plain text that formatted `texto` reads as, for names outside the page (a print job's
// title): codes and construct tags removed, escapes and symbols as the characters they print,
// a picture left out, each line feed a blank, blanks collapsed and trimmed.
QString TextoSinMarcas(const EstadoMotor& motor, const QString& texto);

} // namespace vornith::textengine
