#include "generador_directo.h"
#include "generation/kinematics/rutinas.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_CIN::Tipo100_MAS;

constexpr int kSemillas = 10000;

// Four significant figures put a number within 5e-4 of its value, relatively.
constexpr double kCifras4 = 5e-4 * (1 + 1e-9);

// An equation A sen(w t + phase) or A cos(...), read and cut out of its text, so that the
// rest can be read as a plain list of numbers.
struct Ecuacion {
    QString amplitud;  // as written
    QString pulsacion; // empty when the factor of t is left out
    QString fase;      // a number, "&pi/6", "&pi/2" or empty
    double A() const { return valorMarkup(amplitud); }
    double w() const { return pulsacion.isEmpty() ? 1.0 : valorMarkup(pulsacion); }
    double phi() const {
        if (fase == QLatin1String("&pi/6")) return kPi / 6;
        if (fase == QLatin1String("&pi/2")) return kPi / 2;
        return fase.isEmpty() ? 0.0 : valorMarkup(fase);
    }
};

QRegularExpression FormaEcuacion(const QString& cabecera, const QString& funcion) {
    const QString numero = QStringLiteral("-?\\d+(?:&\\.\\d+)?(?:&E[+-]?\\d+)?");
    return QRegularExpression(QRegularExpression::escape(cabecera) + u'(' + numero + u')' +
                              QRegularExpression::escape(QStringLiteral("& ") + funcion + u'(') +
                              QStringLiteral("(?:(") + numero +
                              QStringLiteral(")& )?&\\+It&-I(?:& \\+& (") + numero +
                              QStringLiteral("|&pi/6|&pi/2))?\\)"));
}

std::optional<Ecuacion> CortaEcuacion(QString& texto, const QRegularExpression& forma) {
    const QRegularExpressionMatch m = forma.match(texto);
    if (!m.hasMatch()) return std::nullopt;
    Ecuacion e{m.captured(1), m.captured(2), m.captured(3)};
    texto.remove(m.capturedStart(), m.capturedLength());
    return e;
}

const QString kElongacion = QStringLiteral("&+Ix(t)&-I& =& ");

// A problem taken apart: its equations and the other numbers of statement and solution.
struct Leido {
    std::optional<Ecuacion> xEnunciado, vEnunciado, xSolucion;
    QStringList enunciado, solucion;
};

Leido Lee(const Generado& p) {
    Leido l;
    QString e = p.enunciado;
    QString s = p.solucion;
    static const QRegularExpression seno = FormaEcuacion(kElongacion, QStringLiteral("sen"));
    static const QRegularExpression coseno =
        FormaEcuacion(QStringLiteral("&+Iv(t)&-I& =& "), QStringLiteral("cos"));
    l.xEnunciado = CortaEcuacion(e, seno);
    l.vEnunciado = CortaEcuacion(e, coseno);
    l.xSolucion = CortaEcuacion(s, seno);
    l.enunciado = textosNumericosEn(e);
    l.solucion = textosNumericosEn(s);
    return l;
}

// |leido - esperado| within `relativo` of the expected value.
void Cerca(const QString& leido, double esperado, double relativo, const Generado& p) {
    EXPECT_LE(std::fabs(valorMarkup(leido) - esperado), relativo * std::fabs(esperado))
        << leido.toStdString() << " vs " << esperado << "\n"
        << p.enunciado.toStdString() << "\n"
        << p.solucion.toStdString();
}

// Significant digits of a markup number ("0&.01523" has 4, "57800" and "1&.20&E5" 3).
int Cifras(const QString& numero) {
    QString mantisa = numero.section(QStringLiteral("&E"), 0, 0);
    const bool entero = !mantisa.contains(QLatin1String("&."));
    mantisa.remove(QLatin1String("&.")).remove(u'-');
    while (mantisa.startsWith(u'0'))
        mantisa.remove(0, 1);
    while (entero && mantisa.endsWith(u'0'))
        mantisa.chop(1);
    return static_cast<int>(mantisa.size());
}

void CompruebaDatos(double Am, double w) {
    EXPECT_NE(Am, 1) << "an amplitude of 1 m becomes 2 m";
    EXPECT_TRUE(Am >= 0.15 && Am <= 4.95) << Am;
    // T from 0.05 to 9 s.
    EXPECT_TRUE(w >= 2 * kPi / 9 * (1 - kCifras4) && w <= 2 * kPi / 0.05 * (1 + kCifras4)) << w;
}

// The words of the initial state and the phase they mean: x(0) = A sen(phi).
void CompruebaInicio(const Generado& p, const Ecuacion& x, std::map<double, int>& cuentas) {
    const double x0 = std::sin(x.phi());
    if (p.enunciado.contains(QStringLiteral("su elongación es nula")))
        EXPECT_TRUE(x.fase.isEmpty()) << x.fase.toStdString();
    else if (p.enunciado.contains(QStringLiteral("su elongación es la mitad de la amplitud")))
        EXPECT_NEAR(x0, 0.5, 1e-12) << x.fase.toStdString();
    else if (p.enunciado.contains(QStringLiteral("su elongación es máxima")))
        EXPECT_NEAR(x0, 1, 1e-12) << x.fase.toStdString();
    else
        ADD_FAILURE() << "no initial state: " << p.enunciado.toStdString();
    ++cuentas[x0];
}

std::vector<Generado> DelSubTipo(int subTipo) {
    std::vector<Generado> ps;
    for (std::int32_t s = subTipo - 1; s < kSemillas; s += 5)
        ps.push_back(generaDirecto(&Tipo100_MAS, s));
    return ps;
}

TEST(CinTipo100MAS, EveryTextKeepsTheHouseRulesAndFourFigures) {
    for (std::int32_t s = 0; s < kSemillas; ++s) {
        const Generado p = generaDirecto(&Tipo100_MAS, s);
        compruebaNormasCinematica(p);
        EXPECT_TRUE(p.solucion.startsWith(QLatin1String("&SP=10: &+Ba)&-B ")));
        const Leido l = Lee(p);
        for (const QStringList* ns : {&l.enunciado, &l.solucion})
            for (const QString& n : *ns)
                EXPECT_LE(Cifras(n), 4) << n.toStdString();
        for (const auto* e : {&l.xEnunciado, &l.vEnunciado, &l.xSolucion}) {
            if (!e->has_value()) continue;
            EXPECT_LE(Cifras((*e)->amplitud), e == &l.vEnunciado ? 3 : 4);
            EXPECT_LE(Cifras((*e)->pulsacion), 4);
            if (!(*e)->fase.startsWith(u'&')) {
                EXPECT_LE(Cifras((*e)->fase), 4);
            }
        }
    }
    const Generado p = generaDirecto(&Tipo100_MAS, -1);
    compruebaNormasCinematica(p);
    EXPECT_TRUE(p.enunciado.startsWith(QStringLiteral("La velocidad de oscilación"))) << "-1 mod 5";
}

TEST(CinTipo100MAS, AmplitudeAndPeriodGiveEquationFrequencyAndMaximumSpeed) {
    for (const Generado& p : DelSubTipo(1)) {
        const Leido l = Lee(p);
        ASSERT_TRUE(l.xSolucion.has_value()) << p.solucion.toStdString();
        ASSERT_EQ(l.enunciado.size(), 2);
        ASSERT_EQ(l.solucion.size(), 2);
        const double Am = valorMarkup(l.enunciado[0]);
        const double T = valorMarkup(l.enunciado[1]);
        EXPECT_TRUE(T >= 0.05 && T <= 9) << T;
        const double w = 2 * kPi / T;
        CompruebaDatos(Am, w);
        EXPECT_EQ(l.xSolucion->amplitud, l.enunciado[0]);
        EXPECT_TRUE(l.xSolucion->fase.isEmpty()) << "zero initial elongation";
        Cerca(l.xSolucion->pulsacion, w, kCifras4, p);
        Cerca(l.solucion[0], 1 / T, kCifras4, p);
        Cerca(l.solucion[1], w * Am, kCifras4, p);
    }
}

TEST(CinTipo100MAS, ElongationEquationGivesFrequencyPeriodMaximaAndSpeedAtAPoint) {
    for (const Generado& p : DelSubTipo(2)) {
        const Leido l = Lee(p);
        ASSERT_TRUE(l.xEnunciado.has_value()) << p.enunciado.toStdString();
        ASSERT_EQ(l.enunciado.size(), 1);
        ASSERT_EQ(l.solucion.size(), 5);
        const Ecuacion& x = *l.xEnunciado;
        const double Am = x.A();
        const double w = x.w();
        const double x1 = valorMarkup(l.enunciado[0]);
        CompruebaDatos(Am, w);
        EXPECT_TRUE(x.phi() >= 1 && x.phi() <= 5 && Decimales(x.fase) <= 1) << x.fase.toStdString();
        EXPECT_TRUE(x1 >= 0.2 * Am * (1 - kCifras4) && x1 <= 0.8 * Am * (1 + kCifras4));

        const double f = w / (2 * kPi);
        Cerca(l.solucion[0], f, 2 * kCifras4, p);
        Cerca(l.solucion[1], 1 / f, 2 * kCifras4, p);
        EXPECT_NEAR(valorMarkup(l.solucion[0]) * valorMarkup(l.solucion[1]), 1, 2 * kCifras4);
        Cerca(l.solucion[2], w * Am, 2 * kCifras4, p);
        Cerca(l.solucion[3], w * w * Am, 3 * kCifras4, p);
        // x1 is itself rounded: at 80 % of A its error weighs 0.64 / 0.36 times more.
        Cerca(l.solucion[4], w * std::sqrt(Am * Am - x1 * x1), 4 * kCifras4, p);
    }
}

TEST(CinTipo100MAS, AmplitudeAndMaximumSpeedGiveFrequencyEquationAndMaximumAcceleration) {
    std::map<double, int> inicios;
    for (const Generado& p : DelSubTipo(3)) {
        const Leido l = Lee(p);
        ASSERT_TRUE(l.xSolucion.has_value()) << p.solucion.toStdString();
        ASSERT_EQ(l.enunciado.size(), 2);
        ASSERT_EQ(l.solucion.size(), 2);
        const double Am = valorMarkup(l.enunciado[0]);
        const double vmax = valorMarkup(l.enunciado[1]);
        const Ecuacion& x = *l.xSolucion;
        CompruebaDatos(Am, x.w());
        EXPECT_EQ(x.amplitud, l.enunciado[0]);
        CompruebaInicio(p, x, inicios);
        Cerca(x.pulsacion, vmax / Am, 2 * kCifras4, p);
        Cerca(l.solucion[0], vmax / Am / (2 * kPi), 2 * kCifras4, p);
        Cerca(l.solucion[1], vmax * vmax / Am, 3 * kCifras4, p);
    }
    // Two draws: the second (max) wins half the time, the first (half) a quarter.
    ASSERT_EQ(inicios.size(), 3u);
    const int n = kSemillas / 5;
    EXPECT_NEAR(inicios[0.0], n / 4.0, n / 10.0);
    EXPECT_NEAR(inicios[1.0], n / 2.0, n / 10.0);
}

TEST(CinTipo100MAS, MaximumSpeedAndAccelerationGiveTheWholeMotion) {
    std::map<double, int> inicios;
    for (const Generado& p : DelSubTipo(4)) {
        const Leido l = Lee(p);
        ASSERT_TRUE(l.xSolucion.has_value()) << p.solucion.toStdString();
        ASSERT_EQ(l.enunciado.size(), 3);
        ASSERT_EQ(l.solucion.size(), 4);
        const double vmax = valorMarkup(l.enunciado[0]);
        const double amax = valorMarkup(l.enunciado[1]);
        const double x1 = valorMarkup(l.enunciado[2]);
        const double w = amax / vmax;
        const double Am = vmax * vmax / amax;
        Cerca(l.solucion[1], w, 3 * kCifras4, p);
        Cerca(l.solucion[0], w / (2 * kPi), 3 * kCifras4, p);
        Cerca(l.solucion[2], Am, 3 * kCifras4, p);

        const Ecuacion& x = *l.xSolucion;
        EXPECT_EQ(x.amplitud, l.solucion[2]);
        EXPECT_EQ(x.pulsacion, l.solucion[1]);
        CompruebaDatos(x.A(), x.w());
        CompruebaInicio(p, x, inicios);
        EXPECT_TRUE(x1 >= 0.2 * x.A() * (1 - kCifras4) && x1 <= 0.8 * x.A() * (1 + kCifras4));
        Cerca(l.solucion[3], x.w() * std::sqrt(x.A() * x.A() - x1 * x1), 4 * kCifras4, p);
    }
    ASSERT_EQ(inicios.size(), 3u);
}

TEST(CinTipo100MAS, VelocityEquationGivesFrequencyAmplitudeEquationAndAcceleration) {
    for (const Generado& p : DelSubTipo(5)) {
        const Leido l = Lee(p);
        ASSERT_TRUE(l.vEnunciado.has_value()) << p.enunciado.toStdString();
        ASSERT_TRUE(l.xSolucion.has_value()) << p.solucion.toStdString();
        ASSERT_EQ(l.enunciado.size(), 0);
        ASSERT_EQ(l.solucion.size(), 3);
        const Ecuacion& v = *l.vEnunciado;
        const Ecuacion& x = *l.xSolucion;
        // v(t) = A w cos(w t + phi) is the derivative of x(t) = A sen(w t + phi).
        EXPECT_EQ(x.pulsacion, v.pulsacion);
        EXPECT_EQ(x.fase, v.fase);
        EXPECT_TRUE(v.phi() >= 1 && v.phi() <= 5);
        EXPECT_EQ(x.amplitud, l.solucion[1]);
        CompruebaDatos(x.A(), x.w());
        // The speed is written with three figures only.
        const double c3 = 5e-3 * (1 + 1e-9);
        Cerca(l.solucion[0], v.w() / (2 * kPi), 2 * kCifras4, p);
        Cerca(l.solucion[1], v.A() / v.w(), c3 + 2 * kCifras4, p);
        Cerca(l.solucion[2], v.A() * v.w(), c3 + 2 * kCifras4, p);
    }
}

} // namespace
} // namespace vornith::test
