// The motion generators under draws that make every value not a number: each sub-type ends in
// a generation failure (a number that cannot be written, or a redraw loop that never ends),
// never in "nan" text or a hang.

#include "generation/generation_failure.h"
#include "generation/kinematics/rutinas.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <limits>

namespace vornith::test {
namespace {

namespace cin = generation::XIMB_FISI_CIN;

TEST(GeneradoresMovimiento, ValuesThatAreNotNumbersEndInAFailure) {
    const struct {
        const char* nombre;
        generation::RutinaGeneradora rutina;
        int subTipos;
    } generadores[] = {{"015", &cin::Tipo015_MRUA, 7},
                       {"025", &cin::Tipo025_MCU, 4},
                       {"030", &cin::Tipo030_MCUA, 4},
                       {"040", &cin::Tipo040_DosMoviles, 5}};
    for (const auto& gen : generadores) {
        for (int semilla = 0; semilla < gen.subTipos; ++semilla) {
            ScriptedRandom rng;
            rng.fallback = std::numeric_limits<float>::quiet_NaN();
            generation::InterfazModulo v;
            v.Semilla = semilla;
            v.NumDelTipo = 1;
            generation::Generador g(v, rng);
            try {
                gen.rutina(g);
                ADD_FAILURE() << gen.nombre << " Semilla " << semilla << " gave "
                              << v.TextoEnunciado.toStdString();
            } catch (const generation::FalloGeneracion& f) {
                EXPECT_TRUE(f.numero() == generation::kFalloDesbordamiento ||
                            f.numero() == generation::kFalloBucle)
                    << f.numero();
            }
        }
    }
}

} // namespace
} // namespace vornith::test
