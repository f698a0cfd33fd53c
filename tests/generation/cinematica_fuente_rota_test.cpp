// The motion generators fed by a random source gone wrong: they end in a generation failure
// (a number that cannot be written, or a redraw loop that never ends), never in "nan" text or
// a hang.

#include "generador_directo.h"
#include "generation/generation_failure.h"
#include "generation/kinematics/rutinas.h"

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

using namespace generation;

TEST(GeneradoresMovimiento, ValuesThatAreNotNumbersEndInAFailure) {
    const struct {
        const char* nombre;
        RutinaGeneradora rutina;
        int subTipos;
    } generadores[] = {{"015", &XIMB_FISI_CIN::Tipo015_MRUA, 7},
                       {"025", &XIMB_FISI_CIN::Tipo025_MCU, 4},
                       {"030", &XIMB_FISI_CIN::Tipo030_MCUA, 4},
                       {"040", &XIMB_FISI_CIN::Tipo040_DosMoviles, 5}};
    for (const auto& gen : generadores) {
        for (int semilla = 0; semilla < gen.subTipos; ++semilla) {
            RandomCiclico nan = randomRoto();
            const int fallo = numeroDeFallo(gen.rutina, semilla, nan);
            EXPECT_TRUE(fallo == kFalloDesbordamiento || fallo == kFalloBucle)
                << gen.nombre << " Semilla " << semilla << ": " << fallo;
        }
    }
}

TEST(CinFuenteRota, NotANumberDrawsEndInTheOverflowFailure) {
    for (RutinaGeneradora r :
         {&XIMB_FISI_CIN::Tipo045_Vectores, &XIMB_FISI_CIN::Tipo055_ComponentesIntrinsecas,
          &XIMB_FISI_CIN::Tipo100_MAS}) {
        RandomCiclico nan = randomRoto();
        EXPECT_EQ(numeroDeFallo(r, 0, nan), kFalloDesbordamiento);
    }
}

TEST(CinFuenteRota, VectorsRedrawLoopEndsWhenEveryDrawGivesZero) {
    // 0.5 lands on 0 in every symmetric grid, so no coordinate gets its two terms in t and
    // the redraw loop would never end; the round count stops it.
    RandomCiclico mitad({0.5F});
    EXPECT_EQ(numeroDeFallo(&XIMB_FISI_CIN::Tipo045_Vectores, 0, mitad, kMaxVueltas - 1),
              kFalloBucle);
}

} // namespace
} // namespace vornith::test
