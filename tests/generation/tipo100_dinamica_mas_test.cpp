#include "generador_directo.h"
#include "generation/dynamics/rutinas.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_DIN::Tipo100_DinamicaMAS;

// Four significant figures: half a unit of the fourth, relative.
constexpr double kCifra = 5.0001e-4;

int subTipoDe(const QString& enunciado) {
    const auto empieza = [&](const char* s) { return enunciado.startsWith(QString::fromUtf8(s)); };
    const auto tiene = [&](const char* s) { return enunciado.contains(QString::fromUtf8(s)); };
    if (empieza("Una masa de")) return 1;
    if (empieza("La constante elástica")) return 2;
    if (empieza("Un objeto de") && tiene("está unido a un muelle cuya")) return 3;
    if (empieza("Tenemos un cuerpo")) return 4;
    if (empieza("Un objeto de") && tiene("se encuentra unido")) return 5;
    if (empieza("Un cuerpo de")) return 6;
    if (empieza("Un péndulo simple")) return 7;
    if (empieza("La varilla")) return 8;
    return 0;
}

// x(t) = A sen(w t + phase), read back from its markup.
struct EcuacionLeida {
    bool encontrada = false;
    double A = 0;
    double w = 0;
    QString fase;
    QString texto;
};

EcuacionLeida leeEcuacion(const QString& texto) {
    static const QString numero = QStringLiteral("(-?\\d+(?:&\\.\\d+)?(?:&E[+-]?\\d+)?)");
    static const QRegularExpression re(QStringLiteral("&\\+Ix\\(t\\)&-I& =& ") + numero +
                                       QStringLiteral("& sen\\((?:") + numero +
                                       QStringLiteral("& )?&\\+It&-I((?:& \\+& &pi/[26])?)\\)"));
    EcuacionLeida e;
    const QRegularExpressionMatch m = re.match(texto);
    if (!m.hasMatch()) return e;
    e.encontrada = true;
    e.A = valorMarkup(m.captured(1));
    e.w = m.captured(2).isEmpty() ? 1 : valorMarkup(m.captured(2));
    e.fase = m.captured(3);
    e.texto = m.captured(0);
    return e;
}

TEST(Tipo100Dinamica, SubTypeComesFromTheSeedAlone) {
    for (int semilla = -40; semilla < 40; ++semilla) {
        const int esperado = ((semilla % 8) + 8) % 8 + 1;
        // The place in the collection plays no part: this type is not graded.
        EXPECT_EQ(subTipoDe(generaDirecto(Tipo100_DinamicaMAS, semilla, 9, 2).enunciado), esperado)
            << semilla;
    }
}

// The drawn motion: an amplitude in hundredths, whole grams, a period in hundredths.
void compruebaDatos(double A, double m, double T) {
    EXPECT_GE(A, 0.15);
    EXPECT_LE(A, 4.95);
    EXPECT_NE(A, 1);
    EXPECT_GE(m, 2);
    EXPECT_LE(m, 400);
    EXPECT_EQ(m, std::round(m));
    EXPECT_GE(T, 0.05 * (1 - kCifra));
    EXPECT_LE(T, 9 * (1 + kCifra));
}

// Where the motion starts agrees with the phase of the equation.
void compruebaCondicion(const Generado& p, const EcuacionLeida& e) {
    const char* condicion = e.fase.isEmpty()        ? "su elongación es nula"
                            : e.fase.endsWith(u'6') ? "su elongación es la mitad de la amplitud"
                                                    : "su elongación es máxima";
    EXPECT_TRUE(p.enunciado.contains(QString::fromUtf8(condicion)));
}

void fisica(int subTipo, const Generado& p) {
    const QList<double> s = numerosEn(p.solucion);
    const EcuacionLeida eSol = leeEcuacion(p.solucion);
    const EcuacionLeida eEnun = leeEcuacion(p.enunciado);
    // Numbers outside the equation, which holds a stray "6" or "2" of its phase.
    QString enunciado = p.enunciado;
    enunciado.remove(eEnun.texto);
    QString solucion = p.solucion;
    solucion.remove(eSol.texto);
    const QList<double> e = numerosEn(enunciado);
    const QList<double> r = numerosEn(solucion);
    const auto cerca = [](double leido, double esperado, double relativa = 2.2 * kCifra) {
        EXPECT_TRUE(relativoDentroDe(leido, esperado, relativa)) << leido << " vs " << esperado;
    };
    const auto w = [](double T) { return 2 * kPi / T; };
    switch (subTipo) {
    case 1: { // m, A, T -> k, x(t), Fmax
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(r.size(), 2);
        ASSERT_TRUE(eSol.encontrada);
        compruebaDatos(e[1], e[0], e[2]);
        const double k = w(e[2]) * w(e[2]) * e[0] / 1000; // k = m w^2
        cerca(r[0], k, kCifra);
        cerca(eSol.A, e[1], kCifra);
        cerca(eSol.w, w(e[2]), kCifra);
        cerca(r[1], k * e[1]);
        compruebaCondicion(p, eSol);
        break;
    }
    case 2: { // k, A, f -> m, x(t), Fmax
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(r.size(), 2);
        ASSERT_TRUE(eSol.encontrada);
        const double wf = 2 * kPi * e[2];
        cerca(r[0], e[0] / (wf * wf) * 1000, 3.2 * kCifra); // m = k / w^2, in g
        EXPECT_EQ(r[0], std::round(r[0]));
        cerca(eSol.w, wf);
        cerca(r[1], e[0] * e[1]);
        compruebaCondicion(p, eSol);
        break;
    }
    case 3: { // m, k, A -> f, x(t), vmax
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(r.size(), 2);
        ASSERT_TRUE(eSol.encontrada);
        const double wk = std::sqrt(e[1] * 1000 / e[0]);
        cerca(r[0], wk / (2 * kPi));
        cerca(eSol.w, wk);
        cerca(r[1], wk * e[2]);
        compruebaCondicion(p, eSol);
        break;
    }
    case 4: { // m, A, vmax -> T, k, x(t)
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(r.size(), 2);
        ASSERT_TRUE(eSol.encontrada);
        const double wv = e[2] / e[1];
        cerca(r[0], 2 * kPi / wv);
        cerca(r[1], wv * wv * e[0] / 1000, 3.2 * kCifra);
        cerca(eSol.w, wv);
        compruebaCondicion(p, eSol);
        break;
    }
    case 5: { // m, f, vmax -> A, k, x(t), Fmax
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(r.size(), 3);
        ASSERT_TRUE(eSol.encontrada);
        const double wf = 2 * kPi * e[1];
        const double k = wf * wf * e[0] / 1000;
        cerca(r[0], e[2] / wf, 3.2 * kCifra);
        cerca(r[1], k, 3.2 * kCifra);
        cerca(r[2], k * e[2] / wf, 3.3 * kCifra);
        compruebaCondicion(p, eSol);
        break;
    }
    case 6: { // m, x(t) -> k, vmax, Fmax
        ASSERT_EQ(e.size(), 1);
        ASSERT_EQ(s.size(), 3);
        ASSERT_TRUE(eEnun.encontrada);
        const double k = eEnun.w * eEnun.w * e[0] / 1000;
        cerca(s[0], k, 3.2 * kCifra);
        cerca(s[1], eEnun.w * eEnun.A);
        cerca(s[2], k * eEnun.A, 3.3 * kCifra);
        break;
    }
    case 7: { // x(t), g, xc -> f, L, v(xc)
        ASSERT_EQ(e.size(), 2);
        ASSERT_EQ(s.size(), 3);
        ASSERT_TRUE(eEnun.encontrada);
        EXPECT_EQ(e[0], kG);
        const double A = eEnun.A, wp = eEnun.w, xc = e[1];
        EXPECT_GE(xc, 0.2 * A * (1 - kCifra));
        EXPECT_LE(xc, 0.8 * A * (1 + kCifra));
        cerca(s[0], wp / (2 * kPi));
        cerca(s[1], kG / (wp * wp), 3.3 * kCifra); // simple pendulum: w^2 = g / L
        cerca(s[2], wp * std::sqrt(A * A - xc * xc), 4.6 * kCifra);
        EXPECT_LE(A, 0.2 * s[1] * (1 + 3.3 * kCifra)); // small swings only
        break;
    }
    case 8: { // L, A, g -> T, x(t), vmax
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(r.size(), 2);
        ASSERT_TRUE(eSol.encontrada);
        EXPECT_EQ(e[2], kG);
        const double L = e[0], A = e[1];
        EXPECT_LE(A, 0.2 * L * (1 + kCifra));
        const double T = 2 * kPi * std::sqrt(L / kG);
        cerca(r[0], T);
        cerca(eSol.A, A, kCifra);
        cerca(eSol.w, 2 * kPi / T);
        cerca(r[1], 2 * kPi / T * A);
        compruebaCondicion(p, eSol);
        break;
    }
    default:
        FAIL() << "unknown statement";
    }
}

TEST(Tipo100Dinamica, EverySubTypeObeysItsPhysics) {
    for (int subTipo = 1; subTipo <= 8; ++subTipo) {
        for (int i = 0; i < 3000; ++i) {
            const Generado p = generaDirecto(Tipo100_DinamicaMAS, subTipo - 1 + 8 * i);
            SCOPED_TRACE(p.enunciado.toStdString() + "\n" + p.solucion.toStdString());
            ASSERT_EQ(subTipoDe(p.enunciado), subTipo);
            compruebaNormas(p);
            // g is stated inside the pendulum sentences, never as a data line.
            EXPECT_FALSE(p.enunciado.contains(QLatin1String("Dato")));
            EXPECT_FALSE(p.enunciado.contains(QLatin1String("#IMG")));
            fisica(subTipo, p);
            if (testing::Test::HasFailure()) return;
        }
    }
}

// --- Scripted draws ---------------------------------------------------------------------

// Past the script every draw is 0.999.
Guionado generaGuionado(int semilla, const std::vector<float>& sorteos) {
    return generaConGuion(Tipo100_DinamicaMAS, semilla, sorteos, 0.999F);
}

std::vector<float> datos(double A, double m, double T) {
    return {sorteoHacia(15, 495, A * 100), sorteoHacia(20, 4000, m * 10),
            sorteoHacia(50, 9000, T * 1000), 0.3F};
}

std::vector<float> operator+(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Tipo100Dinamica, SpringTexts) {
    const auto p = generaGuionado(3, datos(0.5, 100, 2) + std::vector<float>{0.3F, 0.3F, 0.5F});
    EXPECT_EQ(p.sobrantes, 1);
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Tenemos un cuerpo de 100& g de masa unido a un muelle. Se hace oscilar el "
                  "sistema con un movimiento armónico simple que tiene una amplitud de 0&.5& m y "
                  "una velocidad de 1&.571& m/s en el punto de equilibrio. Cuando el tiempo es "
                  "nulo, su elongación es nula, calcular:&LF    &+Ba)&-B Periodo del movimiento."
                  "&LF    &+Bb)&-B Constante elástica del muelle.&LF    &+Bc)&-B Ecuación de la "
                  "elongación en función del tiempo.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10: &+Ba)&-B 2 s;    &+Bb)&-B 0&.987 N/m;    "
                                         "&+Bc)&-B &+Ix(t)&-I& =& 0&.5& sen(3&.142& &+It&-I)."
                                         "&LF"));
}

TEST(Tipo100Dinamica, PendulumDrawsItsElongationAfterThePhase) {
    const auto p = generaGuionado(
        6, datos(0.15, 100, 2) + std::vector<float>{0.6F, 0.6F, sorteoHacia(20, 80, 40), 0.5F});
    EXPECT_EQ(p.sobrantes, 1);
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8(
                  "Un péndulo simple oscila con un movimiento armónico simple según la expresión "
                  "&+Ix(t)&-I& =& 0&.15& sen(3&.142& &+It&-I& +& &pi/2) en unidades del S.I. "
                  "Siendo &+Ig&-I& =& 9&.8& m/s^2, calcular:&LF    &+Ba)&-B Frecuencia.&LF    "
                  "&+Bb)&-B Longitud de la varilla del péndulo.&LF    &+Bc)&-B Velocidad de la "
                  "&+Ilenteja&-I cuando la elongación es de 0&.06 m.&LF"));
    // L = g T^2 / 4 pi^2 = 0.99295, v = pi sqrt(0.15^2 - 0.06^2) = 0.43190.
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10: &+Ba)&-B 0&.5 Hz;    &+Bb)&-B 0&.9929 m;    "
                                         "&+Bc)&-B 0&.4319 m/s.&LF"));
}

TEST(Tipo100Dinamica, PhaseDrawsDecideTheStartAndAreMadeInEverySubType) {
    struct Caso {
        float primera, segunda;
        const char* fase;
        const char* condicion;
    } casos[] = {{0.3F, 0.3F, "", "nula"},
                 {0.6F, 0.3F, "& +& &pi/6", "la mitad de la amplitud"},
                 {0.3F, 0.6F, "& +& &pi/2", "máxima"},
                 {0.6F, 0.6F, "& +& &pi/2", "máxima"}};
    for (const Caso& c : casos) {
        const QString ecuacion =
            QStringLiteral("sen(3&.142& &+It&-I") + QLatin1String(c.fase) + QStringLiteral(")");
        for (int semilla : {0, 5}) { // a sub-type that states the start, one that does not
            const auto p = generaGuionado(
                semilla, datos(0.5, 100, 2) + std::vector<float>{c.primera, c.segunda, 0.5F});
            EXPECT_EQ(p.sobrantes, 1) << semilla;
            const QString& conEcuacion = semilla == 0 ? p.solucion : p.enunciado;
            EXPECT_TRUE(conEcuacion.contains(ecuacion)) << conEcuacion.toStdString();
            EXPECT_EQ(p.enunciado.contains(QString::fromUtf8("su elongación es ") +
                                           QString::fromUtf8(c.condicion)),
                      semilla == 0);
        }
    }
}

TEST(Tipo100Dinamica, AmplitudeOfOneMetreBecomesTwo) {
    const auto p = generaGuionado(0, datos(1, 100, 2) + std::vector<float>{0.3F, 0.3F});
    EXPECT_TRUE(p.enunciado.contains(QLatin1String("una amplitud de 2& m ")))
        << p.enunciado.toStdString();
    EXPECT_TRUE(p.solucion.contains(QLatin1String("=& 2& sen("))) << p.solucion.toStdString();
}

TEST(Tipo100Dinamica, PendulumTooWideForItsLengthIsDrawnAgainWhole) {
    // 0.5 m on a 0.99 m pendulum is too wide; the second motion (0.15 m, 3 s) is kept.
    const auto p = generaGuionado(7, datos(0.5, 100, 2) + datos(0.15, 250, 3) +
                                         std::vector<float>{0.3F, 0.3F, 0.5F});
    EXPECT_EQ(p.sobrantes, 1);
    const QList<double> e = numerosEn(p.enunciado);
    ASSERT_EQ(e.size(), 3);
    EXPECT_EQ(e[1], 0.15);
    EXPECT_TRUE(p.solucion.startsWith(QLatin1String("&SP=10: &+Ba)&-B 3 s;")))
        << p.solucion.toStdString();
}

TEST(Tipo100Dinamica, PendulumThatNeverFitsEndsInALoopFailure) {
    // Every period is redrawn short: no length ever holds the amplitude.
    RandomCiclico rng({0.9F});
    EXPECT_EQ(numeroDeFallo(Tipo100_DinamicaMAS, 6, rng), generation::kFalloBucle);
}

TEST(Tipo100Dinamica, NonFiniteDataEndInAFailureNotInText) {
    for (int subTipo = 1; subTipo <= 8; ++subTipo) {
        RandomCiclico rng = randomRoto();
        EXPECT_NE(numeroDeFallo(Tipo100_DinamicaMAS, subTipo - 1, rng), -1) << subTipo;
    }
}

} // namespace
} // namespace vornith::test
