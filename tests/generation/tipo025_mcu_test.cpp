#include "generador_directo.h"
#include "generation/generation_failure.h"
#include "generation/kinematics/rutinas.h"

#include <gtest/gtest.h>

#include <set>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_CIN::Tipo025_MCU;

const double kCent = CotaRedondeo(2);

// The radius in cm, whether the statement gave the radius or the diameter.
double Radio(const QString& enunciado, double dato) {
    return enunciado.contains(QString::fromUtf8("de diámetro")) ? dato / 2 : dato;
}

// The rim speed in m/s that the statement gives, in m/s or in km/h, with its rounding bound.
void VelocidadDada(const QString& enunciado, double dato, double& v, double& margen) {
    const bool kmh = enunciado.contains(QLatin1String("& km/h"));
    v = kmh ? dato / 3.6 : dato;
    margen = kmh ? kCent / 3.6 : kCent;
}

// The checks shared by all sub-types, from the turning speed and the radius in cm.
void ComprobarGiro(double rpm, double r, double omega, double v, double an) {
    const double omegaExacta = kPi * rpm / 30;
    EXPECT_TRUE(Cerca(omega, omegaExacta, kCent)) << omega << " rpm=" << rpm;
    EXPECT_TRUE(Cerca(v, omegaExacta * r / 100, kCent)) << v << " r=" << r;
    // an comes from the rounded v: the rounding of v moves it by up to 2·v·0.005/r.
    EXPECT_TRUE(Cerca(an, v * v / (r / 100), kCent + 1e-12 * an)) << an;
    EXPECT_LT(an, 1000);
    EXPECT_EQ(rpm, std::floor(rpm));
    EXPECT_GE(rpm, 60);
    EXPECT_LE(rpm, 900);
    EXPECT_EQ(std::fmod(r, 5.0), 0.0) << r;
}

TEST(Tipo025_MCU, EverySubTypeKeepsOmegaAndRimSpeed) {
    int diametros = 0, kmh = 0;
    for (int subTipo = 1; subTipo <= 4; ++subTipo) {
        for (int i = 0; i < 3000; ++i) {
            const Generado p = generaDirecto(&Tipo025_MCU, subTipo - 1 + 4 * i);
            compruebaNormasCinematica(p);
            const QList<double> e = numerosEn(p.enunciado);
            const QList<double> s = numerosEn(p.solucion);
            diametros += p.enunciado.contains(QString::fromUtf8("de diámetro"));
            kmh += p.enunciado.contains(QLatin1String("km/h"));
            switch (subTipo) {
            case 1: { // radius, rpm, t -> omega, v, an, N
                ASSERT_EQ(e.size(), 3);
                ASSERT_EQ(s.size(), 4);
                const double r = Radio(p.enunciado, e[0]);
                ComprobarGiro(e[1], r, s[0], s[1], s[2]);
                EXPECT_TRUE(Cerca(s[3], e[1] * e[2] / 60, kCent));
                break;
            }
            case 2: { // radius, speed -> omega, rpm, an
                ASSERT_EQ(e.size(), 2);
                ASSERT_EQ(s.size(), 3);
                const double r = Radio(p.enunciado, e[0]);
                double v = 0, margen = 0;
                VelocidadDada(p.enunciado, e[1], v, margen);
                EXPECT_TRUE(Cerca(v, kPi * s[1] / 30 * r / 100, margen))
                    << p.enunciado.toStdString();
                const double vRedondeada = std::floor(kPi * s[1] / 30 * r + 0.5) / 100;
                ComprobarGiro(s[1], r, s[0], vRedondeada, s[2]);
                break;
            }
            case 3: { // radius, an, t -> omega, rpm, v, N
                ASSERT_EQ(e.size(), 3);
                ASSERT_EQ(s.size(), 4);
                const double r = Radio(p.enunciado, e[0]);
                ComprobarGiro(s[1], r, s[0], s[2], e[1]);
                EXPECT_TRUE(Cerca(s[3], s[1] * e[2] / 60, kCent));
                break;
            }
            default: { // speed, N, t -> omega, rpm, r, an
                ASSERT_EQ(e.size(), 3);
                ASSERT_EQ(s.size(), 4);
                EXPECT_FALSE(p.enunciado.contains(QLatin1String(" de radio")));
                double v = 0, margen = 0;
                VelocidadDada(p.enunciado, e[0], v, margen);
                EXPECT_TRUE(Cerca(v, kPi * s[1] / 30 * s[2] / 100, margen));
                EXPECT_TRUE(Cerca(e[1], s[1] * e[2] / 60, kCent));
                const double vRedondeada = std::floor(kPi * s[1] / 30 * s[2] + 0.5) / 100;
                ComprobarGiro(s[1], s[2], s[0], vRedondeada, s[3]);
                break;
            }
            }
            if (::testing::Test::HasFailure()) FAIL() << p.enunciado.toStdString();
        }
    }
    // Both wordings occur; the diameter about half of the time, km/h less often.
    EXPECT_GT(diametros, 4000);
    EXPECT_LT(diametros, 8000);
    EXPECT_GT(kmh, 1000);
    EXPECT_LT(kmh, 3000);
}

TEST(Tipo025_MCU, SubTypeAndObjectComeFromTwoModuli) {
    const char* const marcas[] = {" gira uniformemente a ", "Tenemos ", "En el borde de ",
                                  " rodando sobre su borde"};
    const char* const objetos[] = {"olea", "ueda", "olante"};
    std::set<std::pair<int, int>> pares;
    for (int semilla = -12; semilla < 24; ++semilla) {
        const QString e = generaDirecto(&Tipo025_MCU, semilla).enunciado;
        const int sub = ((semilla % 4) + 4) % 4;
        const int obj = ((semilla % 3) + 3) % 3;
        EXPECT_TRUE(e.contains(QString::fromUtf8(marcas[sub]))) << e.toStdString();
        EXPECT_TRUE(e.contains(QString::fromUtf8(objetos[obj]))) << e.toStdString();
        pares.insert({sub, obj});
    }
    EXPECT_EQ(pares.size(), 12U);
}

TEST(Tipo025_MCU, ScriptedWheelInDiameterAndKmh) {
    // 300 rpm, r = 50 cm, t = 10 s; diameter; km/h.
    const auto p = generaConGuion(&Tipo025_MCU, 1,
                                  {sorteoHacia(60, 900, 300), sorteoHacia(20, 600, 50),
                                   sorteoHacia(3, 65, 10), 0.6F, 0.8F}); // sub-type 2, una rueda
    // v = 15.707963 m/s, 56.548667 km/h; an from v = 15.71: 493.6082.
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8("Tenemos una rueda de 100& cm de diámetro que rueda sobre su "
                                "borde a una velocidad de 56&.55& km/h.  Hallar:  &+Ba)&-B& "
                                "Su& velocidad angular en rad/s y rpm.  &+Bb)&-B& Aceleración "
                                "normal en el borde.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 31&.42& rad/s = 300& rpm      "
                                         "&+Bb)&-B& 493&.61& m/s^2.&LF"));
}

TEST(Tipo025_MCU, ScriptedTurnsInATimeOmitsTheRadius) {
    const auto p = generaConGuion(&Tipo025_MCU, 3,
                                  {sorteoHacia(60, 900, 61), sorteoHacia(20, 600, 20),
                                   sorteoHacia(3, 65, 7), 0.9F, 0.1F}); // sub-type 4, una polea
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8("Una polea se desplaza a 1&.28& m/s rodando sobre su borde. Si "
                                "da 7&.12& vueltas cada 7 segundos,  calcular:  &+Ba)&-B& Su& "
                                "velocidad angular en rad/s y rpm.  &+Bb)&-B& Su& radio.  "
                                "&+Bc)&-B& Aceleración normal en el borde.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 6&.39& rad/s = 61& rpm      &+Bb)&-B& "
                                         "20& cm      &+Bc)&-B& 8&.19& m/s^2.&LF"));
}

TEST(Tipo025_MCU, TooFastARimIsDrawnAgain) {
    // 900 rpm on 600 cm first (an far above 1000), then 60 rpm on 20 cm.
    const auto p =
        generaConGuion(&Tipo025_MCU, 0, {0.99F, 0.99F, 0.5F, 0.0F, 0.0F, 0.0F, 0.0F, 0.0F});
    EXPECT_TRUE(p.enunciado.contains(QLatin1String(" gira uniformemente a 60& rpm")))
        << p.enunciado.toStdString();
    EXPECT_EQ(p.sorteos, 8);
}

TEST(Tipo025_MCU, ARunawayRedrawEndsInAFailure) {
    RandomCiclico rng({0.99F}); // every round draws 900 rpm on 600 cm
    EXPECT_EQ(numeroDeFallo(&Tipo025_MCU, 0, rng), generation::kFalloBucle);
}

} // namespace
} // namespace vornith::test
