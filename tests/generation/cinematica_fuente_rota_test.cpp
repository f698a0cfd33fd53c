// Generators of vectors, intrinsic components and harmonic motion fed by a random source gone
// wrong: they end in a generation failure, never in "nan" text or a hang.

#include "generation/generation_failure.h"
#include "generation/kinematics/rutinas.h"
#include "generation/module_interface.h"

#include <gtest/gtest.h>

#include <limits>

namespace vornith::test {
namespace {

using namespace generation;

class FuenteFija final : public RandomSource {
  public:
    explicit FuenteFija(float valor) : valor_(valor) {}
    void reseed(std::int64_t) override {}
    void reseedFromClock() override {}
    float next() override { return valor_; }

  private:
    float valor_;
};

// The failure number a generator ends with, or -1 when it finishes.
int NumeroDeFallo(RutinaGeneradora rutina, RandomSource& fuente, int vueltasYaDadas = 0) {
    InterfazModulo v;
    Generador g(v, fuente);
    for (int i = 0; i < vueltasYaDadas; ++i)
        g.Vuelta();
    try {
        rutina(g);
    } catch (const FalloGeneracion& f) {
        return f.numero();
    }
    return -1;
}

TEST(CinFuenteRota, NotANumberDrawsEndInTheOverflowFailure) {
    FuenteFija nan(std::numeric_limits<float>::quiet_NaN());
    for (RutinaGeneradora r :
         {&XIMB_FISI_CIN::Tipo045_Vectores, &XIMB_FISI_CIN::Tipo055_ComponentesIntrinsecas,
          &XIMB_FISI_CIN::Tipo100_MAS})
        EXPECT_EQ(NumeroDeFallo(r, nan), kFalloDesbordamiento);
}

TEST(CinFuenteRota, VectorsRedrawLoopEndsWhenEveryDrawGivesZero) {
    // 0.5 lands on 0 in every symmetric grid, so no coordinate gets its two terms in t and
    // the redraw loop would never end; the round count stops it.
    FuenteFija mitad(0.5F);
    EXPECT_EQ(NumeroDeFallo(&XIMB_FISI_CIN::Tipo045_Vectores, mitad, kMaxVueltas - 1), kFalloBucle);
}

} // namespace
} // namespace vornith::test
