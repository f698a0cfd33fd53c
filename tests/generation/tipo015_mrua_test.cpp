#include "generador_directo.h"
#include "generation/kinematics/rutinas.h"

#include <gtest/gtest.h>

#include <set>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_CIN::Tipo015_MRUA;

// The sub-type a statement belongs to, told by its wording.
int SubTipoDe(const QString& enunciado) {
    const char* const marcas[] = {" se mueve inicialmente a ", " aumenta su velocidad desde ",
                                  " ha variado su velocidad ", "Hemos frenado",
                                  "Para detener totalmente",   "Lanzamos verticalmente",
                                  "Desde una altura de "};
    for (int i = 0; i < 7; ++i)
        if (enunciado.contains(QString::fromUtf8(marcas[i]))) return i + 1;
    return 0;
}

int SubTipoGenerado(std::int32_t semilla, int num, int orden) {
    return SubTipoDe(generaDirecto(&Tipo015_MRUA, semilla, num, orden).enunciado);
}

// The grading worked out in whole numbers: lone problems and odd places by the seed mod 7;
// two problems split 1-3 / 4-7; more problems by the place's percentage.
int SubTipoEsperado(int semilla, int num, int orden) {
    const auto resto = [semilla](int n) { return ((semilla % n) + n) % n; };
    if (num == 2 && orden == 1) return resto(3) + 1;
    if (num == 2 && orden == 2) return resto(4) + 4;
    if (num > 2 && orden >= 0) {
        const int p = 100 * orden / num;
        if (p <= 43) return resto(3) + 1;
        if (p <= 72) return resto(2) + 4;
        if (p <= 100) return resto(2) + 6;
    }
    return resto(7) + 1;
}

TEST(Tipo015_MRUA, SubTypeFollowsThePlaceForEverySmallCollection) {
    for (int num = 0; num <= 20; ++num)
        for (int orden = 0; orden <= 22; ++orden)
            for (int semilla = -84; semilla < 84; ++semilla) // 84 = lcm(7, 3, 4, 2)
                ASSERT_EQ(SubTipoGenerado(semilla, num, orden),
                          SubTipoEsperado(semilla, num, orden))
                    << "N=" << num << " k=" << orden << " Semilla=" << semilla;
}

TEST(Tipo015_MRUA, GradingBandsOfTheExamples) {
    std::set<int> aislados;
    for (int semilla = 0; semilla < 200; ++semilla) {
        // Ten problems: places 1-4 accelerate, 5-7 brake, 8-10 move vertically.
        for (int k = 1; k <= 10; ++k) {
            const int s = SubTipoGenerado(semilla, 10, k);
            const int banda = k <= 4 ? 0 : k <= 7 ? 1 : 2;
            const int desde[] = {1, 4, 6};
            const int hasta[] = {3, 5, 7};
            EXPECT_GE(s, desde[banda]) << k;
            EXPECT_LE(s, hasta[banda]) << k;
        }
        // Three problems: one of each band, in order.
        EXPECT_LE(SubTipoGenerado(semilla, 3, 1), 3);
        EXPECT_TRUE(SubTipoGenerado(semilla, 3, 2) / 2 == 2); // 4 or 5
        EXPECT_GE(SubTipoGenerado(semilla, 3, 3), 6);
        // Two problems: 1-3 then 4-7.
        EXPECT_LE(SubTipoGenerado(semilla, 2, 1), 3);
        EXPECT_GE(SubTipoGenerado(semilla, 2, 2), 4);
        aislados.insert(SubTipoGenerado(semilla, 1, 1));
        EXPECT_EQ(SubTipoGenerado(semilla, 0, 0), SubTipoGenerado(semilla, 1, 1));
    }
    EXPECT_EQ(aislados.size(), 7U);
}

TEST(Tipo015_MRUA, LoneProblemWithSeed10IsBrakingAnObject) {
    const Generado p = generaDirecto(&Tipo015_MRUA, 10, 1, 1);
    EXPECT_TRUE(p.enunciado.startsWith(
        QString::fromUtf8("Hemos frenado, hasta detener por completo, un objeto que se")));
}

TEST(Tipo015_MRUA, NegativeSeedStillGivesAProblem) {
    const Generado p = generaDirecto(&Tipo015_MRUA, -3, 1, 1);
    EXPECT_EQ(SubTipoDe(p.enunciado), 5); // -3 mod 7 = 4
    EXPECT_TRUE(p.enunciado.contains(QString::fromUtf8("un vehículo")));
}

// Reads v0, a, t, v and d of any sub-type back from the texts.
struct Leido {
    double v0 = 0, a = 0, t = 0, v = 0, d = 0;
};

Leido Leer(int subTipo, const Generado& p) {
    const QList<double> e = numerosEn(p.enunciado);
    const QList<double> s = numerosEn(p.solucion);
    Leido m;
    switch (subTipo) {
    case 1:
        m = {e[0], e[1], e[2], s[0], s[1]};
        break;
    case 2:
        m = {e[0], s[0], e[2], e[1], s[1]};
        break;
    case 3:
        m = {e[0], s[0], s[1], e[1], e[2]};
        break;
    case 4:
        m = {e[0], s[0], e[1], 0, s[1]};
        break;
    case 5:
        m = {e[0], s[0], s[1], 0, e[1]};
        break;
    case 6:
        m = {e[0], e[1], s[0], 0, s[1]};
        break;
    default: {
        const bool cae = p.enunciado.contains(QLatin1String("dejamos caer"));
        m = {cae ? 0 : e[1], e.last(), s[0], s[1], e[0]};
        EXPECT_EQ(e.size(), cae ? 2 : 3);
        break;
    }
    }
    EXPECT_EQ(s.size(), 2);
    return m;
}

TEST(Tipo015_MRUA, EverySubTypeKeepsTheEquationsOfMotion) {
    for (int subTipo = 1; subTipo <= 7; ++subTipo) {
        std::set<double> tiempos;
        for (int i = 0; i < 3000; ++i) {
            const int semilla = subTipo - 1 + 7 * i;
            const Generado p = generaDirecto(&Tipo015_MRUA, semilla, 1, 1);
            ASSERT_EQ(SubTipoDe(p.enunciado), subTipo);
            compruebaNormasCinematica(p);
            const Leido m = Leer(subTipo, p);
            ASSERT_TRUE(Igual15(m.v, m.v0 + m.a * m.t)) << p.enunciado.toStdString();
            ASSERT_TRUE(Igual15(m.d, (m.v0 + m.v) * m.t / 2)) << p.enunciado.toStdString();
            ASSERT_GT(m.t, 0);
            ASSERT_EQ(m.t, std::floor(m.t));
            if (subTipo <= 3) {
                ASSERT_GT(m.a, 0);
                ASSERT_EQ(std::fmod(m.a, 2.0), 0.0);
                ASSERT_EQ(std::fmod(m.v0, 5.0), 0.0);
            } else if (subTipo <= 5) {
                ASSERT_LT(m.a, 0);
            } else {
                ASSERT_EQ(m.a, subTipo == 6 ? -9.8 : 9.8);
            }
            tiempos.insert(m.t);
        }
        const int maxT[] = {15, 15, 15, 25, 25, 45, 45};
        EXPECT_EQ(*tiempos.rbegin(), maxT[subTipo - 1]) << subTipo;
    }
}

TEST(Tipo015_MRUA, BodyFollowsTheSeedAndIsLowerCaseMidSentence) {
    const char* const cuerpos[] = {"n vehículo", "n objeto", "n móvil"};
    for (int semilla = 0; semilla < 42; ++semilla) {
        const Generado p = generaDirecto(&Tipo015_MRUA, semilla, 1, 1);
        const QString cuerpo = QString::fromUtf8(cuerpos[semilla % 3]);
        const bool alInicio = SubTipoDe(p.enunciado) <= 3;
        EXPECT_TRUE(
            p.enunciado.contains((alInicio ? QStringLiteral("U") : QStringLiteral("u")) + cuerpo))
            << p.enunciado.toStdString();
    }
}

TEST(Tipo015_MRUA, LaunchUpwardsWithFiveSeconds) {
    const auto p = generaConGuion(&Tipo015_MRUA, 5, {sorteoHacia(2, 45, 5)}); // sub-type 6
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Lanzamos verticalmente hacia arriba un móvil con una velocidad de 49& m/s.  "
                  "Calcular:  &+Ba)&-B& Tiempo para llegar a la altura máxima.  &+Bb)&-B& Altura "
                  "máxima alcanzada.&LF&+IDato&-I: Aceleración gravitatoria  &+Ig&-I = -9&.8 "
                  "m/s^2.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 5 s      &+Bb)&-B& 122&.5 m.&LF"));
}

TEST(Tipo015_MRUA, BrakingPrintsTheAccelerationNegative) {
    const auto p = generaConGuion(&Tipo015_MRUA, 3,
                                  {sorteoHacia(2, 16, 4), sorteoHacia(3, 25, 10)}); // sub-type 4
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8("Hemos frenado, hasta detener por completo, un vehículo que se "
                                "desplazaba a 40& m/s  en un tiempo de 10& s.  Calcular:  "
                                "&+Ba)&-B& La aceleración de frenado.  &+Bb)&-B& El espacio "
                                "recorrido.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& -4 m/s^2      &+Bb)&-B& 200 m.&LF"));
}

TEST(Tipo015_MRUA, DroppedBodyFromRest) {
    const auto p = generaConGuion(
        &Tipo015_MRUA, 13,
        {sorteoHacia(7, 45, 20), 0.9F, sorteoHacia(2, 45, 3)}); // sub-type 7, "un objeto"
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8("Desde una altura de 44&.1& m dejamos caer un objeto.  Hallar:  "
                                "&+Ba)&-B& Tiempo para llegar al suelo.  &+Bb)&-B& Velocidad al "
                                "llegar al suelo.&LF&+IDato&-I: Aceleración gravitatoria  "
                                "&+Ig&-I = 9&.8 m/s^2.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 3 s      &+Bb)&-B& 29&.4 m/s.&LF"));
}

TEST(Tipo015_MRUA, ThrownDownwardsNamesItsSpeed) {
    // not above 0.7
    const auto p =
        generaConGuion(&Tipo015_MRUA, 6, {sorteoHacia(7, 45, 10), 0.69F, sorteoHacia(2, 45, 2)});
    EXPECT_TRUE(p.enunciado.startsWith(QString::fromUtf8(
        "Desde una altura de 39&.6& m lanzamos un vehículo verticalmente hacia abajo a 10& m/s."
        "  Hallar:  ")))
        << p.enunciado.toStdString();
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 2 s      &+Bb)&-B& 29&.6 m/s.&LF"));
}

} // namespace
} // namespace vornith::test
