#include "generador_directo.h"
#include "generation/dynamics/rutinas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_DIN::Tipo035_PlanoInclinado;

double rad(double grados) {
    return grados * kPi / 180;
}

// Each sub-type's statement opens in its own way.
int subTipoDe(const QString& enunciado) {
    const char* aperturas[] = {"Un avión",         "Un cuerpo de", "De un muelle",
                               "Una partícula",    "Un bloque de", "Lanzamos un bloque",
                               "Tenemos un plano", "Un coche toma"};
    for (int i = 0; i < 8; ++i)
        if (enunciado.startsWith(QString::fromUtf8(aperturas[i]))) return i + 1;
    return 0;
}

// The graded choice, worked in whole numbers: p = floor(100 k / N) for a place k >= 0.
int subTipoEsperado(int semilla, int num, int orden) {
    const auto resto = [semilla](int n) { return ((semilla % n) + n) % n; };
    if (num > 1 && orden >= 0) {
        const int p = orden * 100 / num;
        if (p <= 37) return resto(3) + 1;
        if (p <= 50) return 4;
        if (p <= 100) return resto(4) + 5;
    }
    return resto(8) + 1;
}

TEST(Tipo035, GradedChoiceFollowsThePlaceInTheCollection) {
    // Every small collection size, every place (and a few impossible ones), many seeds.
    for (int num = 0; num <= 20; ++num)
        for (int orden = -2; orden <= 22; ++orden)
            for (int semilla = -9; semilla <= 24; ++semilla) {
                const Generado p = generaDirecto(Tipo035_PlanoInclinado, semilla, num, orden);
                ASSERT_EQ(subTipoDe(p.enunciado), subTipoEsperado(semilla, num, orden))
                    << "N=" << num << " k=" << orden << " semilla=" << semilla;
            }
}

TEST(Tipo035, GradedBandsAreInclusive) {
    // With 100 problems the place is the percentage itself.
    for (int semilla = 0; semilla < 12; ++semilla) {
        const auto st = [semilla](int orden) {
            return subTipoDe(generaDirecto(Tipo035_PlanoInclinado, semilla, 100, orden).enunciado);
        };
        EXPECT_LE(st(37), 3);
        EXPECT_EQ(st(38), 4);
        EXPECT_EQ(st(50), 4);
        EXPECT_GE(st(51), 5);
        EXPECT_GE(st(100), 5);
        EXPECT_EQ(st(101), semilla % 8 + 1); // beyond the bands: the seed alone
    }
    // Two problems: p = 50, then 100.
    EXPECT_EQ(subTipoDe(generaDirecto(Tipo035_PlanoInclinado, 5, 2, 1).enunciado), 4);
    EXPECT_EQ(subTipoDe(generaDirecto(Tipo035_PlanoInclinado, 5, 2, 2).enunciado), 6);
}

TEST(Tipo035, PicturesByName) {
    struct Caso {
        int subTipo;
        const char* imagen;
    } casos[] = {
        {1, nullptr},
        {2, nullptr},
        {3, "&SP=60:#IMG('F_DIN_HOOKE.GIF'DXmm=23.52:DYmm=-28:#IMG)&LF"},
        {4, "&SP=60:#IMG('F_DIN_PENCON.GIF'DXmm=27.52:DYmm=-28:#IMG)&LF"},
        {5, "&SP=60:#IMG('f_din_pis.GIF'DXmm=49.74:DYmm=-24:#IMG)&LF"},
        {6, "&SP=60:#IMG('f_din_pii.GIF'DXmm=45.6:DYmm=-22:#IMG)&LF"},
        {7, "&SP=60:#IMG('f_din_pii.GIF'DXmm=45.6:DYmm=-22:#IMG)&LF"},
        {8, "&SP=64:#IMG('f_din_peral.GIF'DXmm=45.6:DYmm=-22:#IMG)&LF"},
    };
    for (const Caso& c : casos) {
        const Generado p = generaDirecto(Tipo035_PlanoInclinado, c.subTipo - 1);
        ASSERT_EQ(subTipoDe(p.enunciado), c.subTipo);
        EXPECT_EQ(p.enunciado.count(QLatin1String("#IMG(")), c.imagen ? 1 : 0);
        if (c.imagen) {
            EXPECT_TRUE(p.enunciado.contains(QLatin1String(c.imagen))) << c.subTipo;
        }
        EXPECT_FALSE(p.solucion.contains(QLatin1String("#IMG"))) << c.subTipo;
    }
}

// --- The physics of each sub-type, read back from the printed numbers -----------------------

void fisicaDespegue(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 6);
    ASSERT_EQ(s.size(), 3);
    const double M = e[0], v = e[1], t = e[2], frKN = e[3];
    EXPECT_EQ(std::fmod(M, 1000), 0.0);
    EXPECT_EQ(std::fmod(t, 2), 1.0);
    EXPECT_EQ(s[0], v / t);                    // a, a whole number
    EXPECT_TRUE(dentroDe(s[1], v * t / 2, 0)); // runway from rest
    const double fnKN = M * s[0] / 1000;
    EXPECT_EQ(frKN, std::round(frKN));
    EXPECT_GE(frKN, 0.15 * fnKN - 0.5);
    EXPECT_LE(frKN, 0.35 * fnKN + 0.5);
    EXPECT_TRUE(dentroDe(s[2], fnKN + frKN, 0)); // engine force = m a + friction
    EXPECT_TRUE(p.enunciado.endsWith(QLatin1String("&+IDato&-I:& 1& kN& =& 1000& N.&LF")));
}

void fisicaAscensor(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 6);
    ASSERT_EQ(s.size(), 4);
    const double m = e[0], a1 = e[2], tension = e[4];
    EXPECT_EQ(e[3], a1);
    EXPECT_EQ(std::fmod(a1 * 2, 1), 0.0);
    const double P = m * kG;
    EXPECT_TRUE(dentroDe(s[0], P, 0));
    EXPECT_TRUE(dentroDe(s[1], m * (kG + a1), 0)); // going up faster: T = m (g + a)
    EXPECT_TRUE(dentroDe(s[2], m * (kG - a1), 0));
    EXPECT_TRUE(dentroDe(s[3], std::fabs(tension - P) / m, 0));
    EXPECT_NE(s[3], a1);
    EXPECT_GE(s[3], 2);
    EXPECT_LE(s[3], 8);
    const bool sube = tension > P;
    EXPECT_TRUE(
        p.solucion.endsWith(sube ? QLatin1String("(subida).&LF") : QLatin1String("(bajada).&LF")));
}

void fisicaMuelle(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 4);
    ASSERT_EQ(s.size(), 3);
    const double m = e[0], y = e[1], y2 = e[2];
    const double peso = m / 1000 * kG;
    EXPECT_TRUE(dentroDe(s[0], peso, 0.005));
    EXPECT_TRUE(dentroDe(s[1], peso / (y / 100), 0.005)); // Hooke: k x = m g
    EXPECT_TRUE(dentroDe(s[2], m * y2 / y, 0.05));        // stretch grows with the mass
    EXPECT_GE(y2 - y, 20);
    EXPECT_LE(y2 - y, 100);
}

void fisicaPenduloConico(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 4);
    ASSERT_EQ(s.size(), 4);
    const double m = e[0], L = e[1] / 100, r = e[2] / 100;
    EXPECT_EQ(e[2], std::round(e[2])); // whole centimetres
    EXPECT_LE(r, 0.9 * L + 1e-12);
    EXPECT_GT(r, 0.6 * L - 0.01);
    const double theta = std::asin(r / L);
    const double w = std::sqrt(kG * std::tan(theta) / r); // tan(theta) = w^2 r / g
    EXPECT_TRUE(dentroDe(s[0], m * kG / std::cos(theta), 0.005));
    EXPECT_TRUE(dentroDe(s[1], w, 0.005));
    EXPECT_TRUE(dentroDe(s[2], w * 30 / kPi, 0.005));
    EXPECT_TRUE(dentroDe(s[3], m * w * w * r, 0.005));
}

void fisicaBloqueDesciende(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 5);
    ASSERT_EQ(s.size(), 5);
    const double m = e[0], alfa = e[1], L = e[2], mu = e[3];
    EXPECT_TRUE(esCoeficiente(mu)) << mu;
    const double a = kG * (std::sin(rad(alfa)) - mu * std::cos(rad(alfa)));
    ASSERT_GT(a, 0); // friction never holds the block still
    EXPECT_TRUE(dentroDe(s[0], a, 0.0005));
    EXPECT_TRUE(dentroDe(s[1], m * kG * std::cos(rad(alfa)), 0.005));
    EXPECT_TRUE(dentroDe(s[2], mu * m * kG * std::cos(rad(alfa)), 0.005));
    EXPECT_TRUE(dentroDe(s[3], std::sqrt(2 * L / a), 0.0005));
    EXPECT_TRUE(dentroDe(s[4], std::sqrt(2 * a * L), 0.005));
}

void fisicaBloqueLanzado(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 5);
    ASSERT_EQ(s.size(), 5);
    const double m = e[0], u = e[1], alfa = e[2], mu = e[3];
    EXPECT_TRUE(esCoeficiente(mu)) << mu;
    const double a = -kG * (std::sin(rad(alfa)) + mu * std::cos(rad(alfa)));
    EXPECT_TRUE(dentroDe(s[0], a, 0.0005));
    EXPECT_LT(s[0], 0);
    EXPECT_TRUE(dentroDe(s[1], m * kG * std::cos(rad(alfa)), 0.005));
    EXPECT_TRUE(dentroDe(s[2], mu * m * kG * std::cos(rad(alfa)), 0.005));
    EXPECT_TRUE(dentroDe(s[3], u / -a, 0.0005));
    EXPECT_TRUE(dentroDe(s[4], u * u / (-2 * a), 0.005));
}

void fisicaBloqueEmpujado(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 6);
    ASSERT_EQ(s.size(), 5);
    const double alfa = e[0], m = e[1], F = e[2], mu = e[3], t = e[4];
    EXPECT_TRUE(esCoeficiente(mu)) << mu;
    EXPECT_EQ(F, std::round(F));
    const double a = F / m - kG * (std::sin(rad(alfa)) + mu * std::cos(rad(alfa)));
    // Above a target that is a multiple of 0.5 from 2 to 11, by at most 1/m.
    const double a0 = std::ceil(a * 2 - 2 / m - 1e-9) / 2;
    EXPECT_GT(a, a0);
    EXPECT_LE(a, a0 + 1 / m + 1e-9);
    EXPECT_GE(a0, 2);
    EXPECT_LE(a0, 11);
    EXPECT_TRUE(dentroDe(s[0], a, 0.0005));
    EXPECT_TRUE(dentroDe(s[1], m * kG * std::cos(rad(alfa)), 0.005));
    EXPECT_TRUE(dentroDe(s[2], mu * m * kG * std::cos(rad(alfa)), 0.005));
    EXPECT_TRUE(dentroDe(s[3], a * t, 0.005));
    EXPECT_TRUE(dentroDe(s[4], a * t * t / 2 * std::sin(rad(alfa)), 0.005));
}

void fisicaCurva(const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    ASSERT_EQ(e.size(), 5);
    ASSERT_EQ(s.size(), 3);
    const double R = e[0], alfa = e[1], mu = e[2], vq = e[3];
    EXPECT_TRUE(esCoeficiente(mu)) << mu;
    const double c = std::cos(rad(alfa)), sn = std::sin(rad(alfa));
    const double vs = std::sqrt(kG * R * std::tan(rad(alfa)));
    EXPECT_TRUE(dentroDe(s[0], vs, 0.005));
    EXPECT_TRUE(dentroDe(s[1], std::sqrt(kG * R * (sn + mu * c) / (c - mu * sn)), 0.005));
    EXPECT_GT(s[1], s[0]); // friction helps
    EXPECT_EQ(vq, std::round(vq));
    EXPECT_GE(vq, 0.6 * vs - 0.5);
    EXPECT_LE(vq, 0.9 * vs + 0.5);
    const double beta = std::atan(vq * vq / (kG * R)) * 180 / kPi;
    EXPECT_TRUE(dentroDe(s[2], beta, 0.005));
    EXPECT_LT(beta, alfa);
}

using Fisica = void (*)(const Generado&);

TEST(Tipo035, EverySubTypeObeysItsPhysics) {
    const Fisica fisicas[] = {
        fisicaDespegue,        fisicaAscensor,      fisicaMuelle,         fisicaPenduloConico,
        fisicaBloqueDesciende, fisicaBloqueLanzado, fisicaBloqueEmpujado, fisicaCurva};
    for (int subTipo = 1; subTipo <= 8; ++subTipo) {
        for (int i = 0; i < 3000; ++i) {
            const int semilla = subTipo - 1 + 8 * i;
            const Generado p = generaDirecto(Tipo035_PlanoInclinado, semilla);
            SCOPED_TRACE(p.enunciado.toStdString() + "\n" + p.solucion.toStdString());
            ASSERT_EQ(subTipoDe(p.enunciado), subTipo);
            compruebaNormas(p);
            if (subTipo >= 2) {
                EXPECT_TRUE(p.enunciado.endsWith(kLineaDato));
            }
            fisicas[subTipo - 1](p);
            if (testing::Test::HasFailure()) return;
        }
    }
}

// --- Exact texts for scripted draws: they pin the order of the draws ------------------------

TEST(Tipo035, LiftDrawsItsSpeedAfterTheFirstSentence) {
    const auto p =
        generaConGuion(Tipo035_PlanoInclinado, 1,
                       {sorteoHacia(3, 35, 10), sorteoHacia(4, 10, 6), sorteoHacia(4, 10, 6),
                        sorteoHacia(2, 6, 3), // equal accelerations: the second goes 1.5 higher
                        0.9F, 0.2F, 0.8F,     // downwards, "sube", km/h
                        sorteoHacia(2, 25, 13), 0.99F});
    EXPECT_EQ(p.sobrantes, 1);
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Un cuerpo de 10& kg está colgado del techo de una ascensor mediante una "
                  "cuerda. Determinar:&LF&+Ba)&-B& Tensión de la cuerda si el ascensor sube con "
                  "una velocidad constante de 13& km/h.&LF&+Bb)&-B& Tensión de la cuerda si el "
                  "ascensor sube con una aceleración de 3& m/s^2.&LF&+Bc)&-B& Tensión de la "
                  "cuerda si el ascensor baja con aceleración de 3& m/s^2.&LF&+Bd)&-B& "
                  "Aceleración y sentido del movimiento si la tensión de la cuerda es de 53& "
                  "N.&LF    &+IDato: g &-I= 9&.8 m/s^2.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba) &-B98 N;      &+Bb)&-B 128 N;      "
                                         "&+Bc)&-B 68& N;      &+Bd)&-B 4&.5 m/s^2 "
                                         "(bajada).&LF"));
}

TEST(Tipo035, SlidingBlockTexts) {
    const auto p =
        generaConGuion(Tipo035_PlanoInclinado, 4,
                       {sorteoHacia(3, 50, 10), sorteoHacia(6, 90, 48), sorteoHacia(15, 35, 20),
                        sorteoHacia(25, 70, 30), 0.1F, 0.1F, 0.1F, 0.99F});
    EXPECT_EQ(p.sobrantes, 1);
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Un bloque de 10& kg de masa se coloca en lo alto de un plano inclinado 30° "
                  "respecto al suelo. El plano tiene una longitud de 48& m y el coeficiente de "
                  "rozamiento (dinámico) entre el plano y el bloque es de 0&.2. Calcular:&LF"
                  "&+Ba)&-B& Aceleración con la que desciende.&SP=60:#IMG('f_din_pis.GIF'"
                  "DXmm=49.74:DYmm=-24:#IMG)&LF&+Bb)&-B& Fuerza normal y de rozamiento.&LF"
                  "&+Bc)&-B& Tiempo y velocidad para llegar al final del plano.&LF    "
                  "&+IDato: g &-I= 9&.8 m/s^2.&LF"));
    // a = 9.8 (sin 30 - 0.2 cos 30) = 3.20259...
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba) &-B3&.203 m/s^2;      &+Bb)&-B 84&.87 N"
                                         "      16&.97 N;      &+Bc)&-B 5&.475 s      17&.53 "
                                         "m/s.&LF"));
}

TEST(Tipo035, PushedBlockOverridesTheAngleAfterDrawingTheTime) {
    const auto p =
        generaConGuion(Tipo035_PlanoInclinado, 6,
                       {sorteoHacia(3, 50, 20), sorteoHacia(15, 35, 25), sorteoHacia(25, 70, 40),
                        sorteoHacia(4, 22, 6), sorteoHacia(3, 15, 4), 0.1F, 0.8F, 0.1F, 0.99F});
    EXPECT_EQ(p.sobrantes, 1);
    // F = floor(3 * 20 + 0.25 * 98 + 196 sin 60 + 1) = floor(255.24) = 255.
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Tenemos un plano inclinado 60° respecto al suelo. En la parte inferior se "
                  "coloca un cuerpo de 20& kg que hacemos subir por el plano aplicando una fuerza "
                  "de 255& N paralela al plano. El coeficiente de rozamiento dinámico entre el "
                  "bloque y el plano vale 0&.25. Determinar:&LF&+Ba)&-B& Aceleración con la que "
                  "sube.&LF&+Bb)&-B& Fuerza normal y de rozamiento.&SP=60:#IMG('f_din_pii.GIF'"
                  "DXmm=45.6:DYmm=-22:#IMG)&LF&+Bc)&-B& Velocidad y altura alcanzada al cabo de "
                  "4& s.&LF    &+IDato: g &-I= 9&.8 m/s^2.&LF"));
}

TEST(Tipo035, BankedCurveTexts) {
    // mu 0.3, bank 45 (no overrides), radius 250, k 80: vs = sqrt(2450) = 49.497..., vq = 40.
    const auto p = generaConGuion(Tipo035_PlanoInclinado, 7,
                                  {sorteoHacia(15, 35, 30), sorteoHacia(5, 45, 45),
                                   sorteoHacia(200, 500, 250), sorteoHacia(60, 90, 80), 0.99F});
    EXPECT_EQ(p.sobrantes, 1);
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Un coche toma una curva de 250& m de radio que tiene un ángulo de peralte de "
                  "45°. Calcular: &+Ba)&-B& La& velocidad máxima para que no derrape si:&LF   "
                  "&+Ba_1)&-B& Se desprecia el rozamiento.&LF   &+Ba_2)&-B& El coeficiente de "
                  "rozamiento vale 0&.3.&SP=64:#IMG('f_din_peral.GIF'DXmm=45.6:DYmm=-22:#IMG)"
                  "&LF&+Bb)&-B& Ángulo de peralte para tomarla a 40 m/s sin rozamiento.&LF    "
                  "&+IDato: g &-I= 9&.8 m/s^2.&LF"));
    EXPECT_TRUE(p.solucion.startsWith(QStringLiteral("&SP=10:&+Ba_1) &-B49&.5 m/s;      "
                                                     "&+Ba_2)&-B ")));
    EXPECT_TRUE(p.solucion.endsWith(QString::fromUtf8("°.&LF")));
}

// --- Failures -----------------------------------------------------------------------------

TEST(Tipo035, NonFiniteDataEndInAFailureNotInText) {
    for (int subTipo = 1; subTipo <= 8; ++subTipo) {
        RandomCiclico rng = randomRoto();
        EXPECT_NE(numeroDeFallo(Tipo035_PlanoInclinado, subTipo - 1, rng), -1) << subTipo;
    }
}

TEST(Tipo035, ExtremeDrawsStillGiveSoundProblems) {
    // Every draw at the bottom, then every draw at the top of its range.
    for (const float extremo : {0.0F, 0.99999994F}) {
        for (int subTipo = 1; subTipo <= 8; ++subTipo) {
            ScriptedRandom rng;
            rng.fallback = extremo;
            const Generado p = generaDirecto(Tipo035_PlanoInclinado, subTipo - 1, rng);
            SCOPED_TRACE(p.enunciado.toStdString() + "\n" + p.solucion.toStdString());
            compruebaNormas(p);
            const Fisica fisicas[] = {fisicaDespegue,        fisicaAscensor,
                                      fisicaMuelle,          fisicaPenduloConico,
                                      fisicaBloqueDesciende, fisicaBloqueLanzado,
                                      fisicaBloqueEmpujado,  fisicaCurva};
            fisicas[subTipo - 1](p);
        }
    }
}

} // namespace
} // namespace vornith::test
