#include "generation/kinematics/rutinas.h"

namespace vornith::generation::XIMB_FISI_CIN {

// Routine number -> generator, only for generators that exist. To add one, write one line
// {number, &Function}, with the number of its routine in rutinas.h; the order does not
// matter. A routine number without a line gives the "NO EXISTE RUTINA" statement and lists
// nothing in the catalogue.
const std::vector<EntradaRutina>& TablaRutinas() {
    static const std::vector<EntradaRutina> tabla = {
        // {routine number, &generator},
        {1, &Tipo020_Lanzamiento},
        {8, &Tipo010_CalculosBasicos},
        {2, &Tipo015_MRUA},
        {3, &Tipo025_MCU},
        {6, &Tipo040_DosMoviles},
        {7, &Tipo030_MCUA},
        {4, &Tipo045_Vectores},
        {5, &Tipo055_ComponentesIntrinsecas},
        {9, &Tipo100_MAS},
    };
    return tabla;
}

} // namespace vornith::generation::XIMB_FISI_CIN
