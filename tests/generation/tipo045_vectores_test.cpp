#include "generador_directo.h"
#include "generation/kinematics/rutinas.h"
#include "lectura_polinomios.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vornith::test {
namespace {

using generation::XIMB_FISI_CIN::Tipo045_Vectores;

const QString kPosicion = QStringLiteral("#VED(&+B&+Ir&-I&-B#VED)(&+It&-I)& =& ");
const QString kVelocidad = QStringLiteral("#VED(&+B&+Iv&-I&-B#VED)(&+It&-I)& =& ");
const QString kAceleracion = QStringLiteral("#VED(&+B&+Ia&-I&-B#VED)(&+It&-I)& =& ");
const QString kVelocidadMedia = QStringLiteral("#VED(&+B&+Iv&-I&-B#VED)_m& =& ");
const QString kAceleracionMedia = QStringLiteral("#VED(&+B&+Ia&-I&-B#VED)_m& =& ");

constexpr int kSemillas = 10000;

// The three answers of a solution, checked against its fixed frame.
struct Respuestas {
    QString a, b, c;
};

Respuestas Partes(const QString& solucion) {
    static const QRegularExpression forma(
        QStringLiteral("^&SP=10:&\\+Ba\\)&-B& (.*)&LF&SP=10:&\\+Bb\\)&-B& (.*)        "
                       "&\\+Bc\\)&-B& (.*)&LF$"));
    const QRegularExpressionMatch m = forma.match(solucion);
    EXPECT_TRUE(m.hasMatch()) << solucion.toStdString();
    return {m.captured(1), m.captured(2), m.captured(3)};
}

// The vector written after `cabecera` (and before `cola`, when given).
VectorLeido VectorTras(const QString& texto, const QString& cabecera,
                       const QString& cola = QString()) {
    EXPECT_TRUE(texto.startsWith(cabecera)) << texto.toStdString();
    EXPECT_TRUE(texto.endsWith(cola)) << texto.toStdString();
    const auto v =
        leeVector(texto.mid(cabecera.size(), texto.size() - cabecera.size() - cola.size()));
    EXPECT_TRUE(v.has_value()) << texto.toStdString();
    return v.value_or(VectorLeido{});
}

// Where statements end with their instants.
const QRegularExpression kIntervalo(QStringLiteral("de (\\d+)& s  a  (\\d+)& s\\.&LF$"));
const QRegularExpression kInstanteT(QStringLiteral("&\\+It&-I& =& (\\d+)& s\\.&LF$"));
const QRegularExpression kInstante(QStringLiteral("instante (\\d+)& s\\.&LF$"));

// A whole number captured from the end of a statement.
double Captura(const QString& texto, const QRegularExpression& patron, int grupo = 1) {
    const QRegularExpressionMatch m = patron.match(texto);
    EXPECT_TRUE(m.hasMatch()) << texto.toStdString();
    return m.captured(grupo).toDouble();
}

// The position of the motion: one coordinate cubic, each with exactly two terms in t, both
// with a constant term, all on the drawn grids, and both written in parentheses.
void CompruebaPosicion(const VectorLeido& r) {
    EXPECT_EQ((r.i.valor.c[3] != 0) + (r.j.valor.c[3] != 0), 1);
    for (const ComponenteLeida* x : {&r.i, &r.j}) {
        const auto& c = x->valor.c;
        EXPECT_TRUE(x->parentesis);
        EXPECT_EQ(x->valor.terminosEnT(), 2);
        EXPECT_NE(c[0], 0);
        EXPECT_LE(std::fabs(c[0]), 19);
        EXPECT_TRUE(c[3] >= 0 && c[3] <= 4);
        EXPECT_LE(std::fabs(c[2]), 9);
        EXPECT_LE(std::fabs(c[1]), 9);
    }
}

// An acceleration component has parentheses exactly when it has two terms.
void CompruebaAceleracion(const VectorLeido& a, const VectorLeido& v) {
    EXPECT_EQ(a.i.valor, v.i.valor.derivada());
    EXPECT_EQ(a.j.valor, v.j.valor.derivada());
    EXPECT_EQ(a.i.parentesis, a.i.valor.terminosEnT() == 1 && a.i.valor.c[0] != 0);
    EXPECT_EQ(a.j.parentesis, a.j.valor.terminosEnT() == 1 && a.j.valor.c[0] != 0);
}

void CompruebaIntervalo(double t1, double t2) {
    EXPECT_TRUE(t1 >= 1 && t1 <= 4) << t1;
    EXPECT_TRUE(t2 - t1 >= 1 && t2 - t1 <= 4) << t1 << " " << t2;
}

// |(x, y)| at t, rounded to one decimal as printed.
void CompruebaModulo(const QString& impreso, const VectorLeido& r, double t) {
    const double exacto = std::hypot(r.i.valor.en(t), r.j.valor.en(t));
    const double leido = valorMarkup(impreso);
    EXPECT_LE(std::fabs(leido - exacto), 0.05 + 1e-9) << impreso.toStdString();
    EXPECT_LE(Decimales(impreso), 1) << impreso.toStdString();
}

std::int32_t SemillaDe(int subTipo, int k) {
    return 4 * k + subTipo - 1;
}

TEST(CinTipo045Vectores, EveryTextKeepsTheHouseRules) {
    for (std::int32_t s = 0; s < kSemillas; ++s)
        compruebaNormasCinematica(generaDirecto(&Tipo045_Vectores, s));
    // A damaged code may carry a negative seed: still one of the four sub-types.
    const Generado p = generaDirecto(&Tipo045_Vectores, -3);
    compruebaNormasCinematica(p);
    EXPECT_TRUE(p.enunciado.startsWith(QLatin1String("Un objeto se mueve"))) << "-3 mod 4 = 1";
}

TEST(CinTipo045Vectores, PositionGivenVelocityAndAccelerationAreItsDerivatives) {
    for (int subTipo : {1, 2}) {
        for (int k = 0; k < kSemillas / 4; ++k) {
            const Generado p = generaDirecto(&Tipo045_Vectores, SemillaDe(subTipo, k));
            const QString r =
                entre(p.enunciado, QStringLiteral("  "), QStringLiteral("  en unidades del SI."))
                    .value_or(QString());
            const VectorLeido pos = VectorTras(r, kPosicion);
            CompruebaPosicion(pos);

            const Respuestas resp = Partes(p.solucion);
            const VectorLeido vel = VectorTras(resp.a, kVelocidad);
            EXPECT_EQ(vel.i.valor, pos.i.valor.derivada());
            EXPECT_EQ(vel.j.valor, pos.j.valor.derivada());
            EXPECT_TRUE(vel.i.parentesis && vel.j.parentesis);
            CompruebaAceleracion(VectorTras(resp.b, kAceleracion), vel);

            if (subTipo == 1) {
                const double t1 = Captura(p.enunciado, kIntervalo);
                const double t2 = Captura(p.enunciado, kIntervalo, 2);
                CompruebaIntervalo(t1, t2);
                const VectorLeido media =
                    VectorTras(resp.c, kVelocidadMedia, QStringLiteral("& & m/s"));
                const PolinomioT* xy[] = {&pos.i.valor, &pos.j.valor};
                const ComponenteLeida* m[] = {&media.i, &media.j};
                for (int e = 0; e < 2; ++e) {
                    EXPECT_EQ(m[e]->valor.terminosEnT(), 0);
                    EXPECT_EQ(m[e]->valor.c[0], (xy[e]->en(t2) - xy[e]->en(t1)) / (t2 - t1))
                        << p.solucion.toStdString();
                }
            } else {
                const double t1 = Captura(p.enunciado, kInstanteT);
                EXPECT_TRUE(t1 >= 1 && t1 <= 4);
                ASSERT_TRUE(resp.c.endsWith(QLatin1String("& m/s")));
                CompruebaModulo(resp.c.chopped(5), vel, t1);
            }
        }
    }
}

TEST(CinTipo045Vectores, VelocityGivenPositionIntegratesFromTheInitialOne) {
    for (int k = 0; k < kSemillas / 4; ++k) {
        const Generado p = generaDirecto(&Tipo045_Vectores, SemillaDe(3, k));
        const QString v = entre(p.enunciado, QStringLiteral("dada por  "),
                                QStringLiteral("  en unidades del SI."))
                              .value_or(QString());
        const VectorLeido vel = VectorTras(v, kVelocidad);
        const VectorLeido r0 = VectorTras(
            entre(p.enunciado, QStringLiteral("posición es "), QStringLiteral(".  ")).value_or(""),
            QString(), QStringLiteral("& & m"));

        const Respuestas resp = Partes(p.solucion);
        const VectorLeido pos = VectorTras(resp.a, kPosicion);
        CompruebaPosicion(pos);
        EXPECT_EQ(pos.i.valor.derivada(), vel.i.valor);
        EXPECT_EQ(pos.j.valor.derivada(), vel.j.valor);
        EXPECT_EQ(pos.i.valor.en(0), r0.i.valor.en(0));
        EXPECT_EQ(pos.j.valor.en(0), r0.j.valor.en(0));
        CompruebaAceleracion(VectorTras(resp.b, kAceleracion), vel);

        const double t1 = Captura(p.enunciado, kIntervalo);
        const double t2 = Captura(p.enunciado, kIntervalo, 2);
        CompruebaIntervalo(t1, t2);
        const VectorLeido media =
            VectorTras(resp.c, kAceleracionMedia, QStringLiteral("& & m/s^2"));
        EXPECT_EQ(media.i.valor.c[0], (vel.i.valor.en(t2) - vel.i.valor.en(t1)) / (t2 - t1));
        EXPECT_EQ(media.j.valor.c[0], (vel.j.valor.en(t2) - vel.j.valor.en(t1)) / (t2 - t1));
    }
}

TEST(CinTipo045Vectores, AccelerationGivenVelocityAndPositionIntegrateTwice) {
    for (int k = 0; k < kSemillas / 4; ++k) {
        const Generado p = generaDirecto(&Tipo045_Vectores, SemillaDe(4, k));
        const QString a = entre(p.enunciado, QStringLiteral("cuerpo es "),
                                QStringLiteral("  en unidades del SI."))
                              .value_or(QString());
        const VectorLeido acel = VectorTras(a, kAceleracion);
        const VectorLeido v0 = VectorTras(
            entre(p.enunciado, QStringLiteral("velocidad vale "), QStringLiteral("  y su"))
                .value_or(""),
            QString(), QStringLiteral("& & m/s"));
        const VectorLeido r0 = VectorTras(
            entre(p.enunciado, QStringLiteral("posición es "), QStringLiteral(",  calcular"))
                .value_or(""),
            QString(), QStringLiteral("& & m"));

        const Respuestas resp = Partes(p.solucion);
        const VectorLeido vel = VectorTras(resp.a, kVelocidad);
        CompruebaAceleracion(acel, vel);
        EXPECT_EQ(vel.i.valor.en(0), v0.i.valor.en(0));
        EXPECT_EQ(vel.j.valor.en(0), v0.j.valor.en(0));
        const VectorLeido pos = VectorTras(resp.b, kPosicion);
        CompruebaPosicion(pos);
        EXPECT_EQ(pos.i.valor.derivada(), vel.i.valor);
        EXPECT_EQ(pos.j.valor.derivada(), vel.j.valor);
        EXPECT_EQ(pos.i.valor.en(0), r0.i.valor.en(0));
        EXPECT_EQ(pos.j.valor.en(0), r0.j.valor.en(0));

        const double t1 = Captura(p.enunciado, kInstante);
        EXPECT_TRUE(t1 >= 1 && t1 <= 4);
        ASSERT_TRUE(resp.c.endsWith(QLatin1String("& m")));
        CompruebaModulo(resp.c.chopped(3), pos, t1);
    }
}

TEST(CinTipo045Vectores, BothCoordinatesTakeTheCubicTermAndEveryPairOfTerms) {
    // Over many seeds the draws reach every shape: t^3 with t^2 or with t, and t^2 with t,
    // in either coordinate.
    std::set<std::pair<int, int>> formas;
    for (int k = 0; k < kSemillas / 4; ++k) {
        const Generado p = generaDirecto(&Tipo045_Vectores, SemillaDe(1, k));
        const VectorLeido pos = VectorTras(
            entre(p.enunciado, QStringLiteral("  "), QStringLiteral("  en unidades del SI."))
                .value_or(""),
            kPosicion);
        for (int e = 0; e < 2; ++e) {
            const auto& c = (e == 0 ? pos.i : pos.j).valor.c;
            formas.insert({e, (c[3] != 0) * 4 + (c[2] != 0) * 2 + (c[1] != 0)});
        }
    }
    EXPECT_EQ(formas.size(), 6u);
}

} // namespace
} // namespace vornith::test
