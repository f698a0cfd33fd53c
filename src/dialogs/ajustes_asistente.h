#pragma once

// The wizard's remembered settings, section "Wizard" of the per-user store: every value a
// string, read at load into the collection header and written back only on Finalizar.

#include "document/coleccion.h"

#include <QString>

namespace vornith {
class Settings;
}

namespace vornith::dialogs {

// Whether the welcome step and the advanced steps are shown.
struct PasosVisibles {
    bool Showini = true;
    bool Showavan = false;
};

// Reads ordering, solution placement, prefix, suffix, page-number code and highlight colour
// into `Coleccion`. A stored number that is not finite or does not fit 32 bits reads as the
// key's default; a placement outside 0..3 as 1; a colour outside 0..16777215 as 16777215.
PasosVisibles LeeAjustes(const Settings& ajustes, document::DatosColeccion& Coleccion);

// Writes the header's remembered fields, the two step flags and the subject's name.
void GuardarAjustes(Settings& ajustes, const document::DatosColeccion& Coleccion,
                    PasosVisibles pasos, const QString& asignatura);

} // namespace vornith::dialogs
