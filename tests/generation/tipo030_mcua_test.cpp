#include "generador_directo.h"
#include "generation/kinematics/rutinas.h"

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_CIN::Tipo030_MCUA;

// Angular accelerations keep three decimals, two above 1 and one above 10. Each step rounds
// the previous rounding, so the bounds add up; a printed 1 or 10 may already come from the
// coarser step.
int DecimalesAlfa(double alfa) {
    return alfa > 10 ? 1 : alfa > 1 ? 2 : 3;
}
double MargenAlfa(double alfa) {
    double m = CotaRedondeo(3);
    if (alfa >= 1) m += CotaRedondeo(2);
    if (alfa >= 10) m += CotaRedondeo(1);
    return m;
}

// Rim accelerations: two decimals, one above 100, none above 1000 (normal only).
int DecimalesAceleracion(double a) {
    return a > 1000 ? 0 : a > 100 ? 1 : 2;
}
double MargenAceleracion(double a) {
    double m = CotaRedondeo(2);
    if (a >= 100) m += CotaRedondeo(1);
    if (a >= 1000) m += CotaRedondeo(0);
    return m;
}

double Radio(const QString& enunciado, double dato) {
    return enunciado.contains(QString::fromUtf8("de diámetro")) ? dato / 2 : dato;
}

// The rim speed in m/s of a speed text, with its rounding bound.
double Velocidad(const QString& enunciado, double dato, double& margen) {
    const bool kmh = enunciado.contains(QLatin1String("& km/h"));
    margen = kmh ? CotaRedondeo(2) / 3.6 : CotaRedondeo(2);
    return kmh ? dato / 3.6 : dato;
}

// The printed rim accelerations: at from alfa (rad/s^2, with its bound) and the radius, and
// the final normal one from the final rim speed.
void ComprobarAceleraciones(const QString& at, const QString& an, double alfa, double margenAlfa,
                            double r, double vf) {
    const double a = valorMarkup(at);
    EXPECT_LE(Decimales(at), DecimalesAceleracion(a)) << at.toStdString();
    EXPECT_TRUE(Cerca(a, alfa * r / 100, MargenAceleracion(a) + margenAlfa * r / 100))
        << a << " alfa=" << alfa << " r=" << r;
    const double n = valorMarkup(an);
    EXPECT_LE(Decimales(an), DecimalesAceleracion(n)) << an.toStdString();
    EXPECT_TRUE(Cerca(n, vf * vf / (r / 100), MargenAceleracion(n) + 1e-12 * n)) << n;
}

void ComprobarAlfa(const QString& texto, double exacta, double holgura) {
    const double alfa = valorMarkup(texto);
    EXPECT_LE(Decimales(texto), DecimalesAlfa(alfa)) << texto.toStdString();
    EXPECT_TRUE(Cerca(alfa, exacta, MargenAlfa(alfa) + holgura)) << alfa << " vs " << exacta;
}

TEST(Tipo030_MCUA, SpeedingUpKeepsTheAngularKinematics) {
    for (int i = 0; i < 3000; ++i) {
        // Sub-type 1: radius, rpm0, t, rpm1 -> alfa, at, an, N.
        Generado p = generaDirecto(&Tipo030_MCUA, 4 * i);
        compruebaNormasCinematica(p);
        QList<double> e = numerosEn(p.enunciado);
        QStringList s = textosNumericosEn(p.solucion);
        ASSERT_EQ(e.size(), 4);
        ASSERT_EQ(s.size(), 4);
        double r = Radio(p.enunciado, e[0]);
        const double rpm0 = e[1], t = e[2], rpm1 = e[3];
        EXPECT_EQ(std::fmod(rpm0, 5.0), 0.0);
        EXPECT_GE(rpm1 - rpm0, 20);
        const double alfa = (rpm1 - rpm0) * kPi / 30 / t;
        ComprobarAlfa(s[0], alfa, 0);
        const double vf = std::floor(kPi * rpm1 / 30 * r + 0.5) / 100;
        ComprobarAceleraciones(s[1], s[2], alfa, 0, r, vf);
        EXPECT_TRUE(Cerca(valorMarkup(s[3]), (rpm0 + rpm1) / 2 * t / 60, CotaRedondeo(1)));

        // Sub-type 2: radius, vi, t, vf -> omega1, alfa, N.
        p = generaDirecto(&Tipo030_MCUA, 4 * i + 1);
        compruebaNormasCinematica(p);
        e = numerosEn(p.enunciado);
        s = textosNumericosEn(p.solucion);
        ASSERT_EQ(e.size(), 4);
        ASSERT_EQ(s.size(), 3);
        r = Radio(p.enunciado, e[0]);
        double margen = 0;
        const double w0 = Velocidad(p.enunciado, e[1], margen) / (r / 100);
        const double w1 = Velocidad(p.enunciado, e[3], margen) / (r / 100);
        const double mw = margen / (r / 100);
        EXPECT_LE(Decimales(s[0]), 1);
        EXPECT_TRUE(Cerca(valorMarkup(s[0]), w1, CotaRedondeo(1) + mw));
        ComprobarAlfa(s[1], (w1 - w0) / e[2], 2 * mw / e[2]);
        EXPECT_TRUE(Cerca(valorMarkup(s[2]), (w0 + w1) / 2 * e[2] / (2 * kPi),
                          CotaRedondeo(1) + mw * e[2] / (2 * kPi)));
        if (::testing::Test::HasFailure())
            FAIL() << p.enunciado.toStdString() << "\n" << p.solucion.toStdString();
    }
}

TEST(Tipo030_MCUA, FromRestTheTurnsGiveTheAcceleration) {
    for (int i = 0; i < 3000; ++i) {
        // Sub-type 3: radius, N, rpm1 -> alfa, at, an, vf; omega1^2 = 2·alfa·2·pi·N.
        const Generado p = generaDirecto(&Tipo030_MCUA, 4 * i + 2);
        compruebaNormasCinematica(p);
        const QList<double> e = numerosEn(p.enunciado);
        const QStringList s = textosNumericosEn(p.solucion);
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(s.size(), 4);
        const double r = Radio(p.enunciado, e[0]);
        const double n = e[1], w1 = kPi * e[2] / 30;
        const double alfa = valorMarkup(s[0]);
        EXPECT_LE(Decimales(s[0]), DecimalesAlfa(alfa));
        EXPECT_GE(alfa, w1 * w1 / (4 * kPi * (n + CotaRedondeo(1))) - MargenAlfa(alfa));
        EXPECT_LE(alfa, w1 * w1 / (4 * kPi * (n - CotaRedondeo(1))) + MargenAlfa(alfa));
        const double vf = valorMarkup(s[3]);
        EXPECT_TRUE(Cerca(vf, w1 * r / 100, CotaRedondeo(2)));
        ComprobarAceleraciones(s[1], s[2], alfa, MargenAlfa(alfa), r, vf);
        if (::testing::Test::HasFailure())
            FAIL() << p.enunciado.toStdString() << "\n" << p.solucion.toStdString();
    }
}

TEST(Tipo030_MCUA, BrakingKeepsThreeDecimalsAndItsDistance) {
    int alfasGrandes = 0, distanciasEnteras = 0;
    for (int i = 0; i < 3000; ++i) {
        // Sub-type 4: radius, vi, t -> omega0, alfa, N, d.
        const Generado p = generaDirecto(&Tipo030_MCUA, 4 * i + 3);
        compruebaNormasCinematica(p);
        const QList<double> e = numerosEn(p.enunciado);
        const QStringList s = textosNumericosEn(p.solucion);
        ASSERT_EQ(e.size(), 3);
        ASSERT_EQ(s.size(), 4);
        const double r = Radio(p.enunciado, e[0]), t = e[2];
        double margen = 0;
        const double vi = Velocidad(p.enunciado, e[1], margen);
        const double w0 = vi / (r / 100), mw = margen / (r / 100);
        EXPECT_TRUE(Cerca(valorMarkup(s[0]), w0, CotaRedondeo(1) + mw));
        const double alfa = valorMarkup(s[1]);
        EXPECT_LT(alfa, 0);
        EXPECT_LE(Decimales(s[1]), 3);
        EXPECT_TRUE(Cerca(alfa, -w0 / t, CotaRedondeo(3) + mw / t)) << alfa;
        if (alfa < -10 && Decimales(s[1]) == 3) ++alfasGrandes;
        EXPECT_TRUE(
            Cerca(valorMarkup(s[2]), w0 * t / 2 / (2 * kPi), CotaRedondeo(1) + mw * t / 4 / kPi));
        const double d = valorMarkup(s[3]);
        EXPECT_LE(Decimales(s[3]), d > 1000 ? 0 : 1);
        if (d > 1000) ++distanciasEnteras;
        EXPECT_TRUE(Cerca(d, vi * t / 2,
                          CotaRedondeo(1) + (d > 1000 ? CotaRedondeo(0) : 0) + margen * t / 2));
        if (::testing::Test::HasFailure())
            FAIL() << p.enunciado.toStdString() << "\n" << p.solucion.toStdString();
    }
    EXPECT_GT(alfasGrandes, 0);
    EXPECT_GT(distanciasEnteras, 0);
}

TEST(Tipo030_MCUA, ScriptedBraking) {
    const auto p = generaConGuion(
        &Tipo030_MCUA, 3,
        {sorteoHacia(60, 920, 600), sorteoHacia(3, 65, 10), sorteoHacia(20, 600, 50), 0.1F, 0.1F});
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8("Un móvil tiene ruedas de 50& cm de radio y se mueve a 31&.42& "
                                "m/s.  Se le aplica un freno que lo detiene en 10 segundos. "
                                "Calcular:  &+Ba)&-B& Velocidad angular inicial de las ruedas en "
                                "rad/s.  &+Bb)&-B& La& aceleración angular de frenado.  "
                                "&+Bc)&-B& Número de vueltas que dan las ruedas durante el "
                                "frenado y la distancia recorrida.&LF"));
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 62&.8& rad/s      &+Bb)&-B& -6&.283& "
                                         "rad/s^2      &+Bc)&-B& 50& vueltas      157&.1& m&LF"));
}

TEST(Tipo030_MCUA, ScriptedStartFromRestStillDrawsTheInitialSpeed) {
    // The first draw would be an initial speed of 120 rpm; from rest it is dropped.
    const auto p = generaConGuion(&Tipo030_MCUA, 10,
                                  {0.99F, sorteoHacia(20, 900, 300), sorteoHacia(3, 65, 10),
                                   sorteoHacia(20, 600, 50), 0.1F, 0.1F}); // sub-type 3, una rueda
    EXPECT_EQ(p.enunciado,
              QString::fromUtf8("Una rueda de 50& cm de radio acelera uniformemente desde el "
                                "reposo.  Cuando ha dado 25 vueltas su velocidad es de 300& rpm."
                                "  Determinar:  &+Ba)&-B& La& aceleración angular.  &+Bb)&-B& "
                                "La& aceleración tangencial en el borde y la aceleración normal "
                                "final en el borde.  &+Bc)&-B& Velocidad lineal final en el "
                                "borde.&LF"));
    // alfa = pi: 3.142, then 3.14; an = 15.71^2/0.5 = 493.6082, above 100: 493.6.
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 3&.14& rad/s^2      &+Bb)&-B& 1&.57& "
                                         "m/s^2      493&.6& m/s^2      &+Bc)&-B& 15&.71& "
                                         "m/s.&LF"));
    EXPECT_EQ(p.sorteos, 6);
}

TEST(Tipo030_MCUA, VehicleSpeedsInKmhAndWheelInDiameter) {
    const auto p =
        generaConGuion(&Tipo030_MCUA, 1,
                       {sorteoHacia(30, 120, 60), sorteoHacia(20, 900, 240), sorteoHacia(3, 65, 20),
                        sorteoHacia(20, 600, 25), 0.8F, 0.6F}); // sub-type 2
    // Rim speeds pi·60/30·0.25 = 1.5708 m/s and pi·300/30·0.25 = 7.854 m/s, in km/h.
    EXPECT_TRUE(p.enunciado.startsWith(
        QString::fromUtf8("Un vehículo con ruedas de 50& cm de diámetro se desplaza a 5&.65& "
                          "km/h.  Si aumenta su velocidad durante 20 segundos hasta alcanzar los "
                          "28&.27& km/h,  hallar:  &+Ba)&-B& La& velocidad angular final")))
        << p.enunciado.toStdString();
    // omega1 = 10·pi: 31.4; alfa = 8·pi/20 = 1.2566: 1.257, then 1.26; 180 rpm on average for
    // 20 s: 60 turns.
    EXPECT_EQ(p.solucion, QStringLiteral("&SP=10:&+Ba)&-B& 31&.4& rad/s      &+Bb)&-B& 1&.26& "
                                         "rad/s^2      &+Bc)&-B& 60& vueltas.&LF"));
}

} // namespace
} // namespace vornith::test
