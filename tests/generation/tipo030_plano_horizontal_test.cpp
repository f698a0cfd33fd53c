#include "generador_directo.h"
#include "generation/dynamics/rutinas.h"
#include "generation/number_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace vornith::generation::XIMB_FISI_DIN {
namespace {

using test::generaDirecto;
using test::Generado;
using test::kG;
using test::kLineaDato;
using test::numerosEn;

constexpr double kEps = 1e-9;
constexpr int kSemillas = 10000;

bool esImparEntre3y13(double t) {
    return test::esEntero(t) && t >= 3 && t <= 13 && std::fmod(t, 2) == 1;
}

// Sub-type read from the wording, so that a test never trusts the seed arithmetic it checks.
int subtipoDe(const QString& enunciado) {
    if (enunciado.contains(QLatin1String("sin rozamiento"))) return 1;
    if (enunciado.startsWith(QLatin1String("Tenemos un bloque"))) return 2;
    if (enunciado.contains(QStringLiteral("inicialmente inmóvil"))) return 3;
    return 0;
}

TEST(Tipo030PlanoHorizontal, SeedChoosesSubType) {
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo030_PlanoHorizontal, 0).enunciado), 1);
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo030_PlanoHorizontal, 1).enunciado), 2);
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo030_PlanoHorizontal, 2).enunciado), 3);
    // A damaged code may carry a negative seed: still a sub-type from 1 to 3.
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo030_PlanoHorizontal, -1).enunciado), 3);
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo030_PlanoHorizontal, -3).enunciado), 1);
}

TEST(Tipo030PlanoHorizontal, EveryProblemKeepsTheHouseRules) {
    for (int semilla = -30; semilla < kSemillas; ++semilla) {
        const Generado p = generaDirecto(&Tipo030_PlanoHorizontal, semilla);
        test::compruebaNormasDinamica(p);
        ASSERT_NE(subtipoDe(p.enunciado), 0) << p.enunciado.toStdString();
        EXPECT_TRUE(test::dibujosEn(p.enunciado).isEmpty());
        // Only the problems with friction give g.
        const bool conDato = p.enunciado.endsWith(QStringLiteral("&LF") + kLineaDato);
        EXPECT_EQ(conDato, subtipoDe(p.enunciado) != 1) << p.enunciado.toStdString();
        if (::testing::Test::HasFailure()) FAIL() << "seed " << semilla;
    }
}

// Statement: m, F, t. Solution: a, v, d.
TEST(Tipo030PlanoHorizontal, WithoutFrictionTheForceIsMassTimesAcceleration) {
    for (int semilla = 0; semilla < kSemillas; semilla += 3) {
        const Generado p = generaDirecto(&Tipo030_PlanoHorizontal, semilla);
        const auto e = numerosEn(p.enunciado);
        const auto s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 3) << p.enunciado.toStdString();
        ASSERT_EQ(s.size(), 3) << p.solucion.toStdString();
        const double m = e[0], f = e[1], t = e[2];
        const double a = s[0], v = s[1], d = s[2];
        EXPECT_TRUE(test::esEntero(m) && m >= 2 && m <= 50) << m;
        EXPECT_TRUE(test::esEntero(2 * a) && a >= 2 && a <= 9.5) << a;
        EXPECT_TRUE(esImparEntre3y13(t)) << t;
        EXPECT_NEAR(f, m * a, kEps);
        EXPECT_NEAR(v, a * t, kEps);
        EXPECT_NEAR(d, a * t * t / 2, kEps);
        if (::testing::Test::HasFailure()) FAIL() << "seed " << semilla;
    }
}

// Statement: m, mu, F, t, g. Solution: Fr, a, d.
TEST(Tipo030PlanoHorizontal, ParallelForceWithFrictionFollowsNewton) {
    int conMu02 = 0;
    int problemas = 0;
    for (int semilla = 1; semilla < kSemillas; semilla += 3) {
        const Generado p = generaDirecto(&Tipo030_PlanoHorizontal, semilla);
        const auto e = numerosEn(p.enunciado);
        const auto s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 5) << p.enunciado.toStdString();
        ASSERT_EQ(s.size(), 3) << p.solucion.toStdString();
        const double m = e[0], mu = e[1], f = e[2], t = e[3];
        const double fr = s[0], a = s[1], d = s[2];
        EXPECT_EQ(e[4], kG);
        EXPECT_TRUE(test::esCoeficiente(mu)) << mu;
        EXPECT_TRUE(esImparEntre3y13(t)) << t;
        const double rozamiento = mu * m * kG;
        EXPECT_NEAR(fr, rozamiento, test::CotaRedondeo(2));
        const double aceleracion = (f - rozamiento) / m;
        EXPECT_NEAR(a, aceleracion, 1e-9);
        EXPECT_TRUE(std::fabs(2 * a - std::round(2 * a)) < 1e-9 && a >= 2 && a <= 9.5) << a;
        EXPECT_NEAR(d, a * t * t / 2, 1e-9);
        conMu02 += mu == 0.2;
        ++problemas;
        if (::testing::Test::HasFailure()) FAIL() << "seed " << semilla;
    }
    // 0.2 after a draw above 0.6 (40 %), plus its share of the hundredths.
    const double fraccion = static_cast<double>(conMu02) / problemas;
    EXPECT_GT(fraccion, 0.38);
    EXPECT_LT(fraccion, 0.48);
}

// Statement: m, mu, F, alpha, t, g. Solution: N, Fr, a, d, v.
TEST(Tipo030PlanoHorizontal, ObliqueForceFollowsNewtonWithinRounding) {
    std::map<double, int> angulos;
    int problemas = 0;
    for (int semilla = 2; semilla < kSemillas; semilla += 3) {
        const Generado p = generaDirecto(&Tipo030_PlanoHorizontal, semilla);
        const auto e = numerosEn(p.enunciado);
        const auto s = numerosEn(p.solucion);
        ASSERT_EQ(e.size(), 6) << p.enunciado.toStdString();
        ASSERT_EQ(s.size(), 5) << p.solucion.toStdString();
        const double m = e[0], mu = e[1], f = e[2], alfa = e[3], t = e[4];
        EXPECT_EQ(e[5], kG);
        EXPECT_TRUE(test::esEntero(m) && m >= 5 && m <= 50) << m;
        EXPECT_TRUE(test::esEntero(f)) << f;
        EXPECT_TRUE(test::esEntero(alfa) && alfa >= 25 && alfa <= 70) << alfa;
        EXPECT_TRUE(test::esCoeficiente(mu)) << mu;
        EXPECT_TRUE(esImparEntre3y13(t)) << t;
        EXPECT_TRUE(p.enunciado.contains(QStringLiteral("° con el plano")));

        const double rad = alfa * PI / 180;
        const double normal = m * kG - f * std::sin(rad);
        const double rozamiento = mu * normal;
        const double aceleracion = (f * std::cos(rad) - rozamiento) / m;
        EXPECT_GT(normal, 10);
        EXPECT_GT(aceleracion, 2);
        EXPECT_NEAR(s[0], normal, test::CotaRedondeo(2));
        EXPECT_NEAR(s[1], rozamiento, test::CotaRedondeo(2));
        EXPECT_NEAR(s[2], aceleracion, test::CotaRedondeo(3));
        // Distance and speed come from the unrounded acceleration.
        EXPECT_NEAR(s[3], aceleracion * t * t / 2, test::CotaRedondeo(2));
        EXPECT_NEAR(s[4], aceleracion * t, test::CotaRedondeo(2));
        ++angulos[alfa];
        ++problemas;
        if (::testing::Test::HasFailure()) FAIL() << "seed " << semilla;
    }
    // Each of 45°, 60° and 30° replaces the drawn angle after a draw above 0.7; a plain
    // angle of the grid comes in about 2 % of the problems.
    for (const double fijo : {30.0, 45.0, 60.0})
        EXPECT_GT(angulos[fijo], problemas / 12) << fijo;
}

// Grid draws are given as index / steps: m = 2 + 10, a = (4 + 3) / 2, mu = 0.15 + 0.12, t = 7.
TEST(Tipo030PlanoHorizontal, ParallelForceDrawsInOrder) {
    auto p = test::generaConGuion(&Tipo030_PlanoHorizontal, 1,
                                  {10.0F / 48, 3.0F / 15, 12.0F / 20, 0.5F, 2.0F / 5.5F});
    EXPECT_EQ(p.sorteos, 5);
    test::esperaNumeros(p.enunciado, {12, 0.27, 73.752, 7, 9.8});
    test::esperaNumeros(p.solucion, {31.75, 3.5, 85.75});
    // A draw above 0.6 makes mu 0.2; without friction it is drawn all the same and unused.
    p = test::generaConGuion(&Tipo030_PlanoHorizontal, 1,
                             {10.0F / 48, 3.0F / 15, 12.0F / 20, 0.9F, 2.0F / 5.5F});
    test::esperaNumeros(p.enunciado, {12, 0.2, 65.52, 7, 9.8});
    test::esperaNumeros(p.solucion, {23.52, 3.5, 85.75});
    p = test::generaConGuion(&Tipo030_PlanoHorizontal, 0,
                             {10.0F / 48, 3.0F / 15, 12.0F / 20, 0.9F, 2.0F / 5.5F});
    EXPECT_EQ(p.sorteos, 5);
    test::esperaNumeros(p.enunciado, {12, 42, 7});
    test::esperaNumeros(p.solucion, {3.5, 24.5, 85.75});
}

// First round: 50 kg pulled at 25° with 45 % of its weight, mu 0.35: a = 1.23 m/s², drawn
// again from the mass. Second: 10 kg, 98 N at 40° overridden to 45° and then 30°, mu 0.25.
TEST(Tipo030PlanoHorizontal, ObliqueForceRedrawsFromTheMassAndRoundsAtTheEnd) {
    const auto p = test::generaConGuion(
        &Tipo030_PlanoHorizontal, 2,
        {0.999F, 0.0F, 0.0F, 0.0F, 0.0F, 0.0F, 0.999F, 0.0F,                    // round 1
         5.0F / 45, 55.0F / 85, 15.0F / 45, 0.8F, 0.1F, 0.9F, 10.0F / 20, 0.1F, // round 2
         2.0F / 5.5F});
    EXPECT_EQ(p.sorteos, 17);
    test::esperaNumeros(p.enunciado, {10, 0.25, 98, 30, 7, 9.8});
    // Distance and speed from the unrounded 7.26205 m/s².
    test::esperaNumeros(p.solucion, {49, 12.25, 7.262, 177.92, 50.83});
}

TEST(Tipo030PlanoHorizontal, ADrawThatNeverMovesTheBlockEndsInAFailure) {
    // Every round: 50 kg, force 45 % of the weight at 25°, mu 0.35: a = 1.2 m/s², drawn again.
    test::RandomCiclico rng({0.999F, 0.0F, 0.0F, 0.0F, 0.0F, 0.0F, 0.999F, 0.0F});
    EXPECT_EQ(test::numeroDeFallo(&Tipo030_PlanoHorizontal, 2, rng), kFalloBucle);
}

TEST(Tipo030PlanoHorizontal, NonFiniteNumbersEndInAFailureNotInTheText) {
    for (int semilla = 0; semilla < 3; ++semilla) {
        test::RandomCiclico rng = test::randomRoto();
        EXPECT_NE(test::numeroDeFallo(&Tipo030_PlanoHorizontal, semilla, rng), -1) << semilla;
    }
}

} // namespace
} // namespace vornith::generation::XIMB_FISI_DIN
