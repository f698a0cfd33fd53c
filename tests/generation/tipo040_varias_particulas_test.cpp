#include "generador_directo.h"
#include "generation/dynamics/rutinas.h"
#include "generation/number_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace vornith::generation::XIMB_FISI_DIN {
namespace {

using test::Dibujo;
using test::generaDirecto;
using test::Generado;
using test::kG;
using test::kLineaDato;
using test::numerosEn;

constexpr int kSemillas = 10000;
constexpr int kSubtipos = 5;

bool esEnteroEntre(double x, double lo, double hi) {
    return test::esEntero(x) && x >= lo && x <= hi;
}
bool esDistancia(double h) {
    return esEnteroEntre(h, 6, 80) && std::fmod(h, 2) == 0;
}

// Sub-type read from the wording, so that a test never trusts the seed arithmetic it checks.
int subtipoDe(const QString& enunciado) {
    if (enunciado.startsWith(QLatin1String("Dos bloques de masa"))) return 1;
    if (enunciado.startsWith(QLatin1String("Tenemos dos bloques"))) return 2;
    if (enunciado.contains(QLatin1String("sobre una mesa y est"))) return 3;
    if (enunciado.contains(QLatin1String("plano inclinado"))) return 4;
    if (enunciado.startsWith(QLatin1String("Sobre una mesa"))) return 5;
    return 0;
}

// Runs `comprueba` on the statement and solution numbers of every seed of one sub-type.
template <typename F>
void paraCadaProblema(int subtipo, qsizetype nEnunciado, qsizetype nSolucion, F comprueba) {
    for (int semilla = subtipo - 1; semilla < kSemillas; semilla += kSubtipos) {
        const Generado p = generaDirecto(&Tipo040_VariasParticulas, semilla);
        const auto e = numerosEn(p.enunciado);
        const auto s = numerosEn(p.solucion);
        ASSERT_EQ(subtipoDe(p.enunciado), subtipo) << semilla;
        ASSERT_EQ(e.size(), nEnunciado) << p.enunciado.toStdString();
        ASSERT_EQ(s.size(), nSolucion) << p.solucion.toStdString();
        EXPECT_EQ(e.back(), kG); // the data line
        comprueba(e, s);
        if (::testing::Test::HasFailure()) FAIL() << "seed " << semilla;
    }
}

TEST(Tipo040VariasParticulas, SeedChoosesSubType) {
    for (int semilla = 0; semilla < kSubtipos; ++semilla)
        EXPECT_EQ(subtipoDe(generaDirecto(&Tipo040_VariasParticulas, semilla).enunciado),
                  semilla + 1);
    // A damaged code may carry a negative seed: still a sub-type from 1 to 5.
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo040_VariasParticulas, -1).enunciado), 5);
    EXPECT_EQ(subtipoDe(generaDirecto(&Tipo040_VariasParticulas, -5).enunciado), 1);
}

TEST(Tipo040VariasParticulas, EveryProblemKeepsTheHouseRules) {
    const QString datoFinal = QStringLiteral("&LF") + kLineaDato;
    for (int semilla = -30; semilla < kSemillas; ++semilla) {
        const Generado p = generaDirecto(&Tipo040_VariasParticulas, semilla);
        test::compruebaNormasDinamica(p);
        ASSERT_NE(subtipoDe(p.enunciado), 0) << p.enunciado.toStdString();
        EXPECT_TRUE(p.enunciado.endsWith(datoFinal)) << p.enunciado.toStdString();
        if (::testing::Test::HasFailure()) FAIL() << "seed " << semilla;
    }
}

// Every sub-type hangs its diagram beside the statement, one picture each.
TEST(Tipo040VariasParticulas, EverySubTypePlacesItsDiagram) {
    const Dibujo esperado[kSubtipos] = {
        {QStringLiteral("&SP=60:"), QStringLiteral("F_DIN_ATWOOD.GIF"), QStringLiteral("19.25"),
         QStringLiteral("-28")},
        {QStringLiteral("&SP=65:"), QStringLiteral("F_DIN_ATWOOD.GIF"), QStringLiteral("19.25"),
         QStringLiteral("-28")},
        {QStringLiteral("&SP=60:"), QStringLiteral("F_DIN_ME2M.GIF"), QStringLiteral("33.46"),
         QStringLiteral("-22")},
        {QStringLiteral("&SP=60:"), QStringLiteral("F_DIN_pis2M.GIF"), QStringLiteral("45.6"),
         QStringLiteral("-22")},
        {QStringLiteral("&SP=57:"), QStringLiteral("F_DIN_ME3M.GIF"), QStringLiteral("42.93"),
         QStringLiteral("-22")},
    };
    for (int semilla = 0; semilla < 500; ++semilla) {
        const Generado p = generaDirecto(&Tipo040_VariasParticulas, semilla);
        const int subtipo = subtipoDe(p.enunciado);
        ASSERT_GE(subtipo, 1);
        const QList<Dibujo> dibujos = test::dibujosEn(p.enunciado);
        ASSERT_EQ(dibujos.size(), 1) << p.enunciado.toStdString();
        EXPECT_EQ(dibujos[0], esperado[subtipo - 1]) << semilla;
        EXPECT_TRUE(test::esDibujoConocido(dibujos[0].fichero));
        // The picture closes the line of a question.
        EXPECT_TRUE(p.enunciado.contains(QLatin1String("#IMG)&LF"))) << semilla;
    }
}

// Statement: m1, m2, h, g. Solution: T, a, t.
TEST(Tipo040VariasParticulas, TwoHangingMassesFollowNewton) {
    paraCadaProblema(1, 4, 3, [](const QList<double>& e, const QList<double>& s) {
        const double m1 = e[0], m2 = e[1], h = e[2];
        EXPECT_TRUE(esEnteroEntre(m1, 1, 9)) << m1;
        EXPECT_TRUE(esEnteroEntre(m2 - m1, 1, 9)) << m2;
        EXPECT_TRUE(esDistancia(h)) << h;
        // m2·g - T = m2·a and T - m1·g = m1·a.
        const double a = (m2 - m1) * kG / (m1 + m2);
        const double tension = m2 * (kG - a);
        EXPECT_NEAR(tension, m1 * (kG + a), 1e-9);
        EXPECT_NEAR(s[0], tension, test::CotaRedondeo(2));
        EXPECT_NEAR(s[1], a, test::CotaRedondeo(2));
        // Each mass covers a·t²/2 in opposite senses: they are a·t² apart.
        EXPECT_NEAR(s[2], std::sqrt(h / a), test::CotaRedondeo(3));
    });
}

// Statement: m1, a, t, g. Solution: m2, T, height difference.
TEST(Tipo040VariasParticulas, MassFoundFromTheAccelerationFollowsNewton) {
    paraCadaProblema(2, 4, 3, [](const QList<double>& e, const QList<double>& s) {
        const double m1 = e[0], a = e[1], t = e[2];
        EXPECT_TRUE(esEnteroEntre(m1, 1, 20)) << m1;
        EXPECT_TRUE(esEnteroEntre(2 * a, 4, 14)) << a;
        EXPECT_TRUE(esEnteroEntre(t, 3, 12)) << t;
        const double tension = m1 * (kG + a);
        const double m2 = tension / (kG - a);
        EXPECT_NEAR(m2 * kG - tension, m2 * a, 1e-9);
        EXPECT_NEAR(s[0], m2, test::CotaRedondeo(2));
        EXPECT_NEAR(s[1], tension, test::CotaRedondeo(2));
        EXPECT_NEAR(s[2], a * t * t, test::CotaRedondeo(3));
    });
}

// Statement: m1, m2, 1, mu, 2, h, g. Solution: a, Fr, T, t.
TEST(Tipo040VariasParticulas, BlockOnATablePulledByAHangingBlockFollowsNewton) {
    int conMu02 = 0;
    paraCadaProblema(3, 7, 4, [&](const QList<double>& e, const QList<double>& s) {
        const double m1 = e[0], m2 = e[1], mu = e[3], h = e[5];
        conMu02 += mu == 0.2;
        EXPECT_TRUE(esEnteroEntre(m1, 1, 9)) << m1;
        EXPECT_TRUE(esEnteroEntre(m2 - m1, 3, 9)) << m2;
        EXPECT_TRUE(test::esCoeficiente(mu)) << mu;
        EXPECT_TRUE(esDistancia(h)) << h;
        const double rozamiento = mu * m1 * kG;
        const double a = (m2 * kG - rozamiento) / (m1 + m2);
        EXPECT_GT(a, 1);
        // The hanging block: m2·g - T = m2·a.
        const double tension = m2 * (kG - a);
        EXPECT_NEAR(tension - rozamiento, m1 * a, 1e-9);
        EXPECT_NEAR(s[0], a, test::CotaRedondeo(2));
        EXPECT_NEAR(s[1], rozamiento, test::CotaRedondeo(2));
        EXPECT_NEAR(s[2], tension, test::CotaRedondeo(2));
        EXPECT_NEAR(s[3], std::sqrt(2 * h / a), test::CotaRedondeo(3));
    });
    // Never replaced by 0.2: it comes as often as any other hundredth, about 5 %.
    EXPECT_LT(conMu02, kSemillas / kSubtipos / 10);
}

// Statement: m1, alpha, 1, m2, 1, mu, 2, h, g. Solution: a, Fr, T, t.
TEST(Tipo040VariasParticulas, BlockOnAnInclinePulledByAHangingBlockFollowsNewton) {
    std::map<double, int> angulos;
    paraCadaProblema(4, 9, 4, [&](const QList<double>& e, const QList<double>& s) {
        const double m1 = e[0], alfa = e[1], m2 = e[3], mu = e[5], h = e[7];
        EXPECT_TRUE(esEnteroEntre(m1, 1, 9)) << m1;
        EXPECT_TRUE(esEnteroEntre(alfa, 20, 60)) << alfa;
        EXPECT_TRUE(esEnteroEntre(m2 - m1, 3, 15)) << m2;
        EXPECT_TRUE(test::esCoeficiente(mu)) << mu;
        EXPECT_TRUE(esDistancia(h)) << h;
        ++angulos[alfa];
        const double rad = alfa * PI / 180;
        const double rozamiento = mu * m1 * kG * std::cos(rad);
        const double a = (m2 * kG - m1 * kG * std::sin(rad) - rozamiento) / (m1 + m2);
        EXPECT_GT(a, 1);
        // The block on the plane: T - m1·g·sin(alpha) - Fr = m1·a.
        const double tension = m1 * a + m1 * kG * std::sin(rad) + rozamiento;
        EXPECT_NEAR(tension, m2 * (kG - a), 1e-9);
        EXPECT_NEAR(s[0], a, test::CotaRedondeo(2));
        EXPECT_NEAR(s[1], rozamiento, test::CotaRedondeo(2));
        EXPECT_NEAR(s[2], tension, test::CotaRedondeo(2));
        EXPECT_NEAR(s[3], std::sqrt(2 * h / a), test::CotaRedondeo(3));
    });
    // Each of 60°, 45° and 30° replaces the drawn angle after a draw above 0.7; a plain angle
    // of the grid comes in about 2 % of the problems.
    for (const double fijo : {30.0, 45.0, 60.0})
        EXPECT_GT(angulos[fijo], kSemillas / kSubtipos / 12) << fijo;
}

// Statement: m2, m1, m3, 2, mu, g. Solution: Fr, a, T1, T3.
TEST(Tipo040VariasParticulas, BlockBetweenTwoHangingBlocksFollowsNewton) {
    paraCadaProblema(5, 6, 4, [](const QList<double>& e, const QList<double>& s) {
        const double m2 = e[0], m1 = e[1], m3 = e[2], mu = e[4];
        EXPECT_TRUE(esEnteroEntre(m1, 1, 9)) << m1;
        EXPECT_TRUE(esEnteroEntre(m2, 2, 9)) << m2;
        EXPECT_TRUE(esEnteroEntre(m3 - m1 - m2, 3, 9)) << m3;
        EXPECT_TRUE(test::esCoeficiente(mu)) << mu;
        const double rozamiento = mu * m2 * kG;
        const double a = (m3 * kG - m1 * kG - rozamiento) / (m1 + m2 + m3);
        EXPECT_GT(a, 1);
        const double t1 = m1 * (kG + a);                 // m1 rises
        const double t3 = m3 * (kG - a);                 // m3 falls
        EXPECT_NEAR(t3 - t1 - rozamiento, m2 * a, 1e-9); // the block on the table
        EXPECT_NEAR(s[0], rozamiento, test::CotaRedondeo(2));
        EXPECT_NEAR(s[1], a, test::CotaRedondeo(2));
        EXPECT_NEAR(s[2], t1, test::CotaRedondeo(2));
        EXPECT_NEAR(s[3], t3, test::CotaRedondeo(2));
    });
}

// Grid draws are given as index / steps.
TEST(Tipo040VariasParticulas, DrawsInOrder) {
    // m1 = 3, m2 = 3 + 5, h = 20.
    auto p = test::generaConGuion(&Tipo040_VariasParticulas, 0, {2.0F / 8, 4.0F / 8, 7.0F / 37});
    EXPECT_EQ(p.sorteos, 3);
    test::esperaNumeros(p.enunciado, {3, 8, 20, 9.8});
    test::esperaNumeros(p.solucion, {42.76, 4.45, 2.119});
    // m1 = 4, m2 = 4 + 6, angle 37 overridden to 60 and then 45, mu 0.2, h = 20.
    p = test::generaConGuion(
        &Tipo040_VariasParticulas, 3,
        {3.0F / 8, 3.0F / 12, 17.0F / 40, 0.9F, 0.9F, 0.1F, 5.0F / 20, 7.0F / 37});
    EXPECT_EQ(p.sorteos, 8);
    test::esperaNumeros(p.enunciado, {4, 45, 1, 10, 1, 0.2, 2, 20, 9.8});
    test::esperaNumeros(p.solucion, {4.62, 5.54, 51.76, 2.941});
}

TEST(Tipo040VariasParticulas, NonFiniteNumbersAndEndlessRedrawsEndInAFailure) {
    for (int semilla = 0; semilla < kSubtipos; ++semilla) {
        test::RandomCiclico rng = test::randomRoto();
        EXPECT_NE(test::numeroDeFallo(&Tipo040_VariasParticulas, semilla, rng), -1) << semilla;
    }
}

} // namespace
} // namespace vornith::generation::XIMB_FISI_DIN
