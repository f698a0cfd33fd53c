#include "generador_directo.h"
#include "generation/generation_failure.h"
#include "generation/kinematics/rutinas.h"

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_CIN::Tipo040_DosMoviles;

// A speed of a statement in m/s, whether written in m/s or in km/h.
double EnMs(const QString& enunciado, double dato) {
    return enunciado.contains(QLatin1String("& km/h")) ? dato / 3.6 : dato;
}

Generado GenerarSubTipo(int subTipo, int i) {
    const Generado p = generaDirecto(&Tipo040_DosMoviles, subTipo - 1 + 5 * i);
    compruebaNormasCinematica(p);
    return p;
}

TEST(Tipo040_DosMoviles, HeadOnVehiclesMeetWhereTheSolutionSays) {
    int enKmh = 0;
    for (int i = 0; i < 3000; ++i) {
        // Sub-type 1: d, vA, vB -> t, dA.
        Generado p = GenerarSubTipo(1, i);
        QList<double> e = numerosEn(p.enunciado), s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(s.size(), 2);
        if (p.enunciado.contains(QLatin1String("km/h"))) {
            ++enKmh;
            EXPECT_EQ(e[1], std::floor(e[1]));
            EXPECT_EQ(e[2], std::floor(e[2]));
        }
        double vA = EnMs(p.enunciado, e[1]), vB = EnMs(p.enunciado, e[2]);
        EXPECT_NE(vA, vB);
        EXPECT_GT(e[0], 500);
        EXPECT_LT(e[0], 15000);
        EXPECT_TRUE(Igual15(s[0] * (vA + vB), e[0]));
        EXPECT_TRUE(Igual15(s[1], vA * s[0]));

        // Sub-type 2: d, vA, delay, vB -> t (from A's start), dA.
        p = GenerarSubTipo(2, i);
        e = numerosEn(p.enunciado);
        s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 4);
        ASSERT_EQ(s.size(), 2);
        vA = EnMs(p.enunciado, e[1]);
        vB = EnMs(p.enunciado, e[3]);
        const double d = e[0], retraso = e[2], t = s[0];
        EXPECT_GT(vB, vA);
        EXPECT_GE(t - retraso, 30) << "B travels for a drawn time of 30 to 600 s";
        EXPECT_LE(t - retraso, 600);
        EXPECT_LT(d, 10000);
        EXPECT_LT(retraso * vA, d) << "A reaches B before B starts";
        EXPECT_TRUE(Igual15(vA * t + vB * (t - retraso), d));
        EXPECT_TRUE(Igual15(s[1], vA * t));
        if (::testing::Test::HasFailure()) FAIL() << p.enunciado.toStdString();
    }
    EXPECT_GT(enKmh, 1000);
    EXPECT_LT(enKmh, 2000);
}

TEST(Tipo040_DosMoviles, AcceleratingVehicleCatchesTheUniformOne) {
    for (int i = 0; i < 3000; ++i) {
        // Sub-type 3: vA, aB -> t, dA; vA·t = aB·t^2/2.
        const Generado p = GenerarSubTipo(3, i);
        const QList<double> e = numerosEn(p.enunciado), s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 2);
        ASSERT_EQ(s.size(), 2);
        EXPECT_TRUE(p.enunciado.contains(QLatin1String("& m/s.  En ese momento")));
        EXPECT_EQ(std::fmod(e[1], 0.5), 0.0);
        EXPECT_TRUE(Igual15(e[0] * s[0], e[1] * s[0] * s[0] / 2));
        EXPECT_TRUE(Igual15(s[1], e[0] * s[0]));
        EXPECT_LT(s[1], 10000);
        if (::testing::Test::HasFailure()) FAIL() << p.enunciado.toStdString();
    }
}

TEST(Tipo040_DosMoviles, StagesAddUp) {
    const double kCent = CotaRedondeo(2);
    for (int i = 0; i < 3000; ++i) {
        // Sub-type 4: a, t1, t2 -> v, d1, d2, total, mean speed.
        Generado p = GenerarSubTipo(4, i);
        QList<double> e = numerosEn(p.enunciado), s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(s.size(), 5);
        EXPECT_TRUE(Igual15(s[0], e[0] * e[1]));
        EXPECT_TRUE(Igual15(s[1], e[0] * e[1] * e[1] / 2));
        EXPECT_TRUE(Igual15(s[2], s[0] * e[2]));
        EXPECT_TRUE(Igual15(s[3], s[1] + s[2]));
        EXPECT_TRUE(Cerca(s[4], s[3] / (e[1] + e[2]), kCent));

        // Sub-type 5: v, t1, t2, d3 -> a, d1, d2, total, braking acceleration, mean speed.
        p = GenerarSubTipo(5, i);
        e = numerosEn(p.enunciado);
        s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 4);
        ASSERT_EQ(s.size(), 6);
        const double v = e[0], t1 = e[1], t2 = e[2], d3 = e[3];
        const double t3 = 2 * d3 / v;
        EXPECT_TRUE(Igual15(s[0] * t1, v));
        EXPECT_TRUE(Igual15(s[1], v * t1 / 2));
        EXPECT_TRUE(Igual15(s[2], v * t2));
        EXPECT_TRUE(Igual15(s[3], s[1] + s[2] + d3)) << "the total includes the braking";
        EXPECT_LT(s[4], 0);
        EXPECT_TRUE(Cerca(s[4], -v / t3, kCent));
        EXPECT_TRUE(Cerca(s[5], s[3] / (t1 + t2 + t3), kCent));
        if (::testing::Test::HasFailure()) FAIL() << p.enunciado.toStdString();
    }
}

TEST(Tipo040_DosMoviles, EqualSpeedsAndTooLongADistanceAreRedrawn) {
    // First round: 50 and 45 m/s for 594 s, far beyond 15000 m. Second: 20 and 20 m/s (B gets
    // 25) for 100 s. Then the km/h choice.
    const auto p = generaConGuion(&Tipo040_DosMoviles, 0,
                                  {0.99F, 0.9F, 0.99F, sorteoHacia(15, 50, 20),
                                   sorteoHacia(15, 50, 20), sorteoHacia(30, 600, 100), 0.6F});
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Tenemos dos vehículos situados en los puntos A y B,  distantes 4500& m,  que "
                  "parten simultáneamente al encuentro el uno del otro y a velocidades constantes."
                  "  El vehículo que sale de A se mueve a 72& km/h y el que parte de B lo hace a "
                  "90& km/h.  Calcular:  &+Ba)&-B& El& tiempo que tardan en encontrarse.  "
                  "&+Bb)&-B& La distancia recorrida por el vehículo que parte de A cuando se "
                  "encuentren.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 100& s;      &+Bb)&-B& 2000& m.&LF"));
    EXPECT_EQ(p.sorteos, 7);
}

TEST(Tipo040_DosMoviles, ScriptedThreeStages) {
    const auto p = generaConGuion(&Tipo040_DosMoviles, 4,
                                  {sorteoHacia(2, 10, 2), sorteoHacia(5, 45, 10),
                                   sorteoHacia(5, 60, 30), sorteoHacia(5, 60, 8)});
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Un vehículo aumenta su velocidad desde el reposo hasta los 20& m/s tardando "
                  "10& s.  Luego mantiene esta velocidad constante durante 30& s.  Finalmente "
                  "desacelera hasta detenerse recorriendo una distancia de frenado de 80& m.  "
                  "Hallar:  &+Ba)&-B& La& aceleración del primer tramo.  &+Bb)&-B& Las& "
                  "distancias recorridas en el primer y segundo tramo y la distancia total.  "
                  "&+Bc)&-B& La& aceleración de frenado del último tramo y la velocidad media "
                  "del recorrido.&LF"));
    EXPECT_EQ(p.solucion,
              QStringLiteral("&SP=10:&+Ba)&-B& 2& m/s^2;      &+Bb)&-B& 100& m;    600& m;    "
                             "780& m;      &+Bc)&-B& -2&.5& m/s^2;    16&.25& m/s.&LF"));
}

TEST(Tipo040_DosMoviles, RunawayMeetingDrawsEndInAFailure) {
    for (int semilla : {0, 1}) { // both head-on sub-types: every round far too long a distance
        RandomCiclico rng({0.99F});
        EXPECT_EQ(numeroDeFallo(&Tipo040_DosMoviles, semilla, rng), generation::kFalloBucle)
            << semilla;
    }
}

} // namespace
} // namespace vornith::test
