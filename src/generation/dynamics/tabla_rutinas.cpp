#include "generation/dynamics/rutinas.h"

namespace vornith::generation::XIMB_FISI_DIN {

// Routine number -> generator, only for generators that exist. To add one, write one line
// {number, &Function}, with the number of its routine in rutinas.h; the order does not
// matter. A routine number without a line gives the "NO EXISTE RUTINA" statement and lists
// nothing in the catalogue.
const std::vector<EntradaRutina>& TablaRutinas() {
    static const std::vector<EntradaRutina> tabla = {
        // {routine number, &generator},
        {1, &Tipo030_PlanoHorizontal},
        {2, &Tipo035_PlanoInclinado},
        {3, &Tipo040_VariasParticulas},
        {4, &Tipo100_DinamicaMAS},
    };
    return tabla;
}

} // namespace vornith::generation::XIMB_FISI_DIN
