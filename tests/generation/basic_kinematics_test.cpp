// Types 010 and 020 of the kinematics module: worked examples on scripted draws, and the
// physics of every seed's problem read back from its texts.

#include "generador_directo.h"
#include "generation/kinematics/rutinas.h"
#include "generation/number_services.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>

namespace vornith::generation {
namespace {

using test::generaConGuion;
using test::Generado;
using test::numerosEn;

// The problem of a routine and seed, through the module's entry as a collection would ask it.
Generado generaCodigo(EstadoGeneracion& estado, int routine, int seed) {
    const QString code = QString::number(routine).rightJustified(3, u'0') + "000" +
                         QString::number(seed).rightJustified(4, u'0') + "000101";
    return test::generaPorModulo(estado, QStringLiteral("XIMB_FISI_CIN"), code);
}

// The house rules, and a full stop closing the answers of these two types.
void compruebaForma(const Generado& t, int seed) {
    test::compruebaNormasCinematica(t);
    EXPECT_TRUE(t.solucion.endsWith(".&LF")) << seed << t.solucion;
}

// Type 010

TEST(Tipo010, GivenSpeedInKmPerHour) {
    // Semilla 8: sub-type 1, "Un objeto"; v = 25, u = 2.
    const auto t = generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 8, {0.04F, 0.33F});
    EXPECT_EQ(t.enunciado, "Un objeto se desplaza con una velocidad de 90& km/h.  Calcular esta "
                           "velocidad en m/s,  cm/s  y  m/min.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:25& m/s,      2500& cm/s,      1500& m/min.&LF");
    EXPECT_EQ(t.sorteos, 2);
}

TEST(Tipo010, EachGivenUnitAsksForTheOtherThree) {
    // v = 25 each time; u = 1, 3, 4.
    Generado t = generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 4, {0.04F, 0.0F});
    EXPECT_EQ(t.enunciado, "Un móvil se desplaza con una velocidad de 25& m/s.  Calcular esta "
                           "velocidad en km/h,  cm/s  y  m/min.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:90& km/h,      2500& cm/s,      1500& m/min.&LF");
    t = generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 0, {0.04F, 0.6F});
    EXPECT_TRUE(t.enunciado.startsWith("Una partícula se desplaza con una velocidad de 2500& "
                                       "cm/s.  Calcular esta velocidad en km/h,  m/s  y  m/min"));
    EXPECT_EQ(t.solucion, "&SP=10:90& km/h,      25& m/s,      1500& m/min.&LF");
    t = generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 0, {0.04F, 0.99F});
    EXPECT_TRUE(t.enunciado.contains("de 1500& m/min.  Calcular esta velocidad en km/h,  cm/s  "
                                     "y  m/s.&LF"));
    EXPECT_EQ(t.solucion, "&SP=10:90& km/h,      2500& cm/s,      25& m/s.&LF");
}

TEST(Tipo010, SubTypeTwoWithHalfMinutes) {
    // Semilla 9: sub-type 2, "Una partícula". First round too far (275 m/s, 660 s), then
    // v = 20 and t = 150 s: 3000 m in 2.5 minutes.
    const auto t =
        generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 9, {0.999F, 0.999F, 0.02F, 0.2F});
    EXPECT_EQ(t.enunciado, "Una partícula se mueve a una velocidad de 20& m/s.  Determinar:  "
                           "&+Ba)&-B& La& velocidad en km/h.  &+Bb)&-B& La& distancia recorrida "
                           "al cabo de 2&.5& minutos.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:&+Ba)&-B 72& km/h,      &+Bb)&-B 3000& m.&LF");
    EXPECT_EQ(t.sorteos, 4);
}

TEST(Tipo010, SubTypesThreeAndFour) {
    Generado t = generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 2, {0.02F, 0.2F});
    EXPECT_EQ(t.enunciado, "Un objeto ha recorrido 3000& metros en 150& segundos.  Hallar su "
                           "velocidad en  cm/s  y en  m/min.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:2000& cm/s,      1200& m/min.&LF");
    t = generaConGuion(&XIMB_FISI_CIN::Tipo010_CalculosBasicos, 3, {0.02F, 0.2F});
    EXPECT_EQ(t.enunciado, "Tenemos una partícula cuya velocidad es de 72& km/h.  Calcular:  "
                           "&+Ba)&-B& Su& velocidad en m/s.  &+Bb)&-B& El& tiempo necesario para "
                           "que recorra 3000& metros.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:&+Ba)&-B 20& m/s,      &+Bb)&-B 150& s.&LF");
}

TEST(Tipo010, EverySeedsAnswersFollowFromItsData) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    const QRegularExpression dada(
        QStringLiteral("velocidad de [-0-9&.E+]+& (m/s|km/h|cm/s|m/min)\\."));
    const double factor[] = {1, 3.6, 100, 60}; // m/s, km/h, cm/s, m/min
    const QStringList unidades = {"m/s", "km/h", "cm/s", "m/min"};
    const double eps = 1e-9;
    for (int seed = 0; seed < 10000; ++seed) {
        const Generado t = generaCodigo(estado, 8, seed);
        compruebaForma(t, seed);
        const QList<double> e = numerosEn(t.enunciado);
        const QList<double> s = numerosEn(t.solucion);
        switch (seed % 4 + 1) {
        case 1: {
            const auto m = dada.match(t.enunciado);
            ASSERT_TRUE(m.hasMatch()) << t.enunciado.toStdString();
            const auto u = unidades.indexOf(m.captured(1));
            ASSERT_EQ(e.size(), 1);
            ASSERT_EQ(s.size(), 3);
            const double v = e[0] / factor[u];
            EXPECT_EQ(std::fmod(v, 5.0), 0.0) << seed;
            EXPECT_TRUE(v >= 15 && v <= 275) << seed;
            // The three other units, in the order km/h, cm/s, m/min with the given one
            // replaced by m/s.
            const int orden[4][3] = {{1, 2, 3}, {0, 2, 3}, {1, 0, 3}, {1, 2, 0}};
            for (int k = 0; k < 3; ++k)
                EXPECT_TRUE(test::Cerca(s[k], v * factor[orden[u][k]], eps)) << seed;
            break;
        }
        case 2: {
            ASSERT_EQ(e.size(), 2);
            ASSERT_EQ(s.size(), 2);
            EXPECT_TRUE(test::Cerca(s[0], 3.6 * e[0], eps)) << seed;
            EXPECT_EQ(std::fmod(e[1], 0.5), 0.0) << seed;
            EXPECT_TRUE(test::Cerca(s[1], e[0] * e[1] * 60, eps)) << seed;
            EXPECT_LT(s[1], 10000) << seed;
            break;
        }
        case 3: {
            ASSERT_EQ(e.size(), 2);
            ASSERT_EQ(s.size(), 2);
            EXPECT_LT(e[0], 10000) << seed;
            const double v = e[0] / e[1];
            EXPECT_TRUE(test::Cerca(s[0], 100 * v, 1e-9 * s[0])) << seed;
            EXPECT_TRUE(test::Cerca(s[1], 60 * v, 1e-9 * s[1])) << seed;
            break;
        }
        default: {
            ASSERT_EQ(e.size(), 2);
            ASSERT_EQ(s.size(), 2);
            EXPECT_TRUE(test::Cerca(e[0], 3.6 * s[0], eps)) << seed;
            EXPECT_TRUE(test::Cerca(e[1], s[0] * s[1], eps)) << seed;
            EXPECT_LT(e[1], 10000) << seed;
            EXPECT_TRUE(t.enunciado.startsWith("Tenemos un")) << seed;
            break;
        }
        }
        static const char* cuerpos[] = {"Una partícula", "Un móvil", "Un objeto"};
        if (seed % 4 != 3) {
            EXPECT_TRUE(t.enunciado.startsWith(QString::fromUtf8(cuerpos[seed % 3]))) << seed;
        } else {
            EXPECT_TRUE(t.enunciado.contains(QString::fromUtf8(cuerpos[seed % 3]).toLower()));
        }
    }
}

// Type 020

TEST(Tipo020, HorizontalLaunchWorkedExample) {
    // Semilla 3: sub-type 1. vx = 10, h = 20; the object draws say "una bola", which the
    // horizontal launch ignores.
    const auto t = generaConGuion(&XIMB_FISI_CIN::Tipo020_Lanzamiento, 3,
                                  {0.0F, 0.0F, 0.8F, 0.8F, 0.1F, 0.1F});
    EXPECT_EQ(t.enunciado,
              "Desde lo alto de un acantilado de 20& m de altura sobre el mar se lanza una "
              "piedra horizontalmente con una velocidad de 10& m/s.  Hallar:  &+Ba)&-B& "
              "Tiempo para llegar al mar.  &+Bb)&-B& Alcance máximo horizontal.  &+Bc)&-B& "
              "Módulo de la velocidad en el punto de impacto.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:&+Ba)&-B& 2&.02& s      &+Bb)&-B& 20&.2& m      "
                          "&+Bc)&-B& 22&.18& m/s.&LF");
    EXPECT_EQ(t.sorteos, 6);
}

TEST(Tipo020, PlaceDraws) {
    Generado t = generaConGuion(&XIMB_FISI_CIN::Tipo020_Lanzamiento, 0,
                                {0.0F, 0.0F, 0.1F, 0.1F, 0.8F, 0.1F});
    EXPECT_TRUE(t.enunciado.startsWith("Desde lo alto de un edificio de 20& m de altura sobre el "
                                       "suelo se lanza una piedra"));
    EXPECT_TRUE(t.enunciado.contains("llegar al suelo.  "));
    t = generaConGuion(&XIMB_FISI_CIN::Tipo020_Lanzamiento, 0,
                       {0.0F, 0.0F, 0.1F, 0.1F, 0.1F, 0.71F});
    EXPECT_TRUE(t.enunciado.startsWith("Desde lo alto de una torre de 20& m de altura sobre el "
                                       "suelo"));
    t = generaConGuion(&XIMB_FISI_CIN::Tipo020_Lanzamiento, 0,
                       {0.0F, 0.0F, 0.1F, 0.1F, 0.7F, 0.1F});
    EXPECT_TRUE(t.enunciado.startsWith("Desde lo alto de un acantilado")); // not above 0.7
}

TEST(Tipo020, ObliqueLaunchFromTheGroundWorkedExample) {
    // Semilla 4: sub-type 2. v0 = 20, alpha = 30; "un objeto".
    const Generado t = generaConGuion(&XIMB_FISI_CIN::Tipo020_Lanzamiento, 4,
                                      {0.03F, 0.2F, 0.8F, 0.1F, 0.1F, 0.1F});
    EXPECT_EQ(t.enunciado,
              "Se lanza un objeto desde el suelo a 20& m/s formando un ángulo de 30º con la "
              "horizontal. Calcular:  &+Ba)&-B& Tiempo para que alcance la altura máxima.  "
              "&+Bb)&-B& Altura máxima.  &+Bc)&-B& Tiempo para el alcance máximo horizontal.  "
              "&+Bd)&-B& Alcance máximo horizontal.&LF");
    EXPECT_EQ(t.solucion, "&SP=10:&+Ba)&-B& 1&.02& s      &+Bb)&-B& 5&.1& m      &+Bc)&-B& "
                          "2&.04& s      &+Bd)&-B& 35&.3& m.&LF");
}

TEST(Tipo020, ObliqueLaunchFromAHeightDrawsSpeedHeightAngle) {
    // Semilla 5: sub-type 3. v0 = 20, h = 20, alpha = 30; "una bola".
    const auto t = generaConGuion(&XIMB_FISI_CIN::Tipo020_Lanzamiento, 5,
                                  {0.03F, 0.0F, 0.2F, 0.1F, 0.9F, 0.1F, 0.1F});
    EXPECT_TRUE(t.enunciado.startsWith("Desde una altura de 20& m se lanza una bola a 20& m/s "
                                       "formando un ángulo de 30º con la horizontal. "
                                       "Determinar:  "));
    // hmax = 5.1 + 20; T = (sqrt(100 + 392) + 10) / 9.8; impact = sqrt(400 + 392).
    EXPECT_EQ(t.solucion, "&SP=10:&+Ba)&-B& 1&.02& s      &+Bb)&-B& 25&.1& m      &+Bc)&-B& "
                          "56&.9& m      &+Bd)&-B& 28&.14& m/s.&LF");
    EXPECT_EQ(t.sorteos, 7);
}

TEST(Tipo020, EverySeedsAnswersFollowFromItsData) {
    Pcg32Random rng;
    EstadoGeneracion estado(rng);
    const double g = 9.8;
    const double t2 = test::CotaRedondeo(2);
    const double t1 = test::CotaRedondeo(1);
    for (int seed = 0; seed < 10000; ++seed) {
        const Generado t = generaCodigo(estado, 1, seed);
        compruebaForma(t, seed);
        const QList<double> e = numerosEn(t.enunciado);
        const QList<double> s = numerosEn(t.solucion);
        switch (seed % 3 + 1) {
        case 1: {
            ASSERT_EQ(e.size(), 2) << seed;
            ASSERT_EQ(s.size(), 3) << seed;
            const double h = e[0];
            const double vx = e[1];
            const double vuelo = std::sqrt(2 * h / g);
            EXPECT_TRUE(test::Cerca(s[0], vuelo, t2)) << seed;
            EXPECT_TRUE(test::Cerca(s[1], vuelo * vx, t1)) << seed;
            // The impact speed comes from the rounded flight time.
            EXPECT_TRUE(test::Cerca(s[2], std::hypot(vx, g * s[0]), t2)) << seed;
            EXPECT_TRUE(t.enunciado.contains("una piedra")) << seed;
            break;
        }
        case 2: {
            ASSERT_EQ(e.size(), 2) << seed;
            ASSERT_EQ(s.size(), 4) << seed;
            const double v0 = e[0];
            const double a = e[1] * PI / 180;
            EXPECT_TRUE(e[1] >= 20 && e[1] <= 70) << seed;
            const double subida = v0 * std::sin(a) / g;
            EXPECT_TRUE(test::Cerca(s[0], subida, t2)) << seed;
            EXPECT_TRUE(test::Cerca(s[1], std::pow(v0 * std::sin(a), 2) / (2 * g), t1)) << seed;
            EXPECT_TRUE(test::Cerca(s[2], 2 * subida, t2)) << seed;
            EXPECT_TRUE(test::Cerca(s[3], v0 * v0 * std::sin(2 * a) / g, t1)) << seed;
            break;
        }
        default: {
            ASSERT_EQ(e.size(), 3) << seed;
            ASSERT_EQ(s.size(), 4) << seed;
            const double h = e[0];
            const double v0 = e[1];
            const double a = e[2] * PI / 180;
            const double vy = v0 * std::sin(a);
            EXPECT_TRUE(test::Cerca(s[0], vy / g, t2)) << seed;
            EXPECT_TRUE(test::Cerca(s[1], h + vy * vy / (2 * g), t1)) << seed;
            const double vuelo = (vy + std::sqrt(vy * vy + 2 * g * h)) / g;
            EXPECT_TRUE(test::Cerca(s[2], v0 * std::cos(a) * vuelo, t1)) << seed;
            // Energy: the speed at the ground depends only on v0 and h.
            EXPECT_TRUE(test::Cerca(s[3], std::sqrt(v0 * v0 + 2 * g * h), t2 + 1e-6)) << seed;
            break;
        }
        }
    }
}

} // namespace
} // namespace vornith::generation
