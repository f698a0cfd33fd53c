#pragma once

// The dispatchers of the two subject modules. With Modo false they generate the problem of
// code ID into Enunciado and Solucion and return an empty text; with Modo true they leave
// those alone and return the module's catalogue listing: its key, ":" and 400-character
// records. Generator failures (FalloGeneracion) pass through to the caller.

#include "generation/estado_generacion.h"

#include <QString>

namespace vornith::generation {

inline constexpr char kClaveCinematica[] = "XIMB_FISI_CIN";
inline constexpr char kClaveDinamica[] = "XIMB_FISI_DIN";

namespace XIMB_FISI_CIN {
QString GeneraProblema(EstadoGeneracion& estado, const QString& ID, QString& Enunciado,
                       QString& Solucion, bool Modo);
} // namespace XIMB_FISI_CIN

namespace XIMB_FISI_DIN {
QString GeneraProblema(EstadoGeneracion& estado, const QString& ID, QString& Enunciado,
                       QString& Solucion, bool Modo);
} // namespace XIMB_FISI_DIN

} // namespace vornith::generation
