#pragma once

// Running generator routines in tests the way the module dispatcher does, and the house rules
// every generated problem keeps.

#include "generated_text.h"
#include "generation/estado_generacion.h"
#include "generation/generation_failure.h"
#include "generation/me_norv.h"
#include "generation/module_interface.h"
#include "platform/random.h"
#include "qstring_printer.h"
#include "support/fakes.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace vornith::test {

// pi, g and the line of a dynamics statement that gives g, for working the physics back from
// the texts.
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kG = 9.8;
inline const QString kLineaDato = QStringLiteral("    &+IDato: g &-I= 9&.8 m/s^2.&LF");

struct Generado {
    QString enunciado;
    QString solucion;
    bool operator==(const Generado&) const = default;
};

// Runs the routine in generate mode on `rng` as it stands: no re-seeding, no discarded draws.
inline Generado generaSinDescartes(generation::RutinaGeneradora rutina, std::int32_t semilla,
                                   RandomSource& rng, double numDelTipo = 1,
                                   double ordenDelTipo = 1) {
    generation::InterfazModulo v;
    v.Semilla = semilla;
    v.NumDelTipo = numDelTipo;
    v.OrdenDelTipo = ordenDelTipo;
    generation::Generador g(v, rng);
    rutina(g);
    return {v.TextoEnunciado, v.TextoSolucion};
}

// Re-seeds `rng` with the seed, discards four draws and runs the routine, as the dispatcher
// does.
inline Generado generaDirecto(generation::RutinaGeneradora rutina, std::int32_t semilla,
                              RandomSource& rng, double numDelTipo = 1, double ordenDelTipo = 1) {
    rng.reseed(semilla);
    for (int i = 0; i < 4; ++i)
        rng.next();
    return generaSinDescartes(rutina, semilla, rng, numDelTipo, ordenDelTipo);
}

// The same with the program's own generator.
inline Generado generaDirecto(generation::RutinaGeneradora rutina, std::int32_t semilla,
                              double numDelTipo = 1, double ordenDelTipo = 1) {
    Pcg32Random rng;
    return generaDirecto(rutina, semilla, rng, numDelTipo, ordenDelTipo);
}

// Through the entry that generates by module key and 16-digit code.
inline Generado generaPorModulo(generation::EstadoGeneracion& estado, const QString& modulo,
                                const QString& codigo) {
    Generado p;
    generation::GeneraPorModulo(estado, modulo, codigo, p.enunciado, p.solucion);
    return p;
}

// A run on scripted draws: the texts, the draws the routine made (past the script, each one
// gives `resto`), and the script's draws it left.
struct Guionado : Generado {
    int sorteos = 0;
    int sobrantes = 0;
};

inline Guionado generaConGuion(generation::RutinaGeneradora rutina, std::int32_t semilla,
                               const std::vector<float>& guion, float resto = 0.5F) {
    ScriptedRandom rng;
    rng.script.assign(guion.begin(), guion.end());
    rng.fallback = resto;
    Guionado p;
    static_cast<Generado&>(p) = generaSinDescartes(rutina, semilla, rng);
    p.sorteos = rng.draws;
    p.sobrantes = static_cast<int>(rng.script.size());
    return p;
}

// The failure number a routine ends with on `rng` as it stands, after `vueltasYaDadas` rounds
// of its redraw allowance; -1 when it finishes. A failing routine leaves no statement.
inline int numeroDeFallo(generation::RutinaGeneradora rutina, std::int32_t semilla,
                         RandomSource& rng, int vueltasYaDadas = 0) {
    generation::InterfazModulo v;
    v.Semilla = semilla;
    v.NumDelTipo = 1;
    v.OrdenDelTipo = 1;
    generation::Generador g(v, rng);
    for (int i = 0; i < vueltasYaDadas; ++i)
        g.Vuelta();
    try {
        rutina(g);
    } catch (const generation::FalloGeneracion& fallo) {
        EXPECT_TRUE(v.TextoEnunciado.isEmpty()) << v.TextoEnunciado.toStdString();
        return fallo.numero();
    }
    return -1;
}

// A source that repeats one cycle of draws for ever, whatever the seed; a cycle of one draw is
// a fixed source.
class RandomCiclico final : public RandomSource {
  public:
    explicit RandomCiclico(std::vector<float> ciclo) : ciclo_(std::move(ciclo)) {}
    void reseed(std::int64_t) override {}
    void reseedFromClock() override {}
    float next() override { return ciclo_[i_++ % ciclo_.size()]; }

  private:
    std::vector<float> ciclo_;
    std::size_t i_ = 0;
};

// A broken source whose draws are not numbers.
inline RandomCiclico randomRoto() {
    return RandomCiclico({std::numeric_limits<float>::quiet_NaN()});
}

// The draw that lands Aleatorio(min, max, step) on `valor`, for scripted sources.
inline float sorteoHacia(double min, double max, double valor) {
    return static_cast<float>((valor - min) / (max - min));
}

// The picture constructs, whose offsets carry a plain decimal point.
inline QString sinImagenes(QString texto) {
    static const QRegularExpression imagen(QStringLiteral("#IMG\\(.*?#IMG\\)"));
    return texto.remove(imagen);
}

// Encoding, decimal points, endings, no non-finite number written as text, no error
// statement.
inline void compruebaNormas(const Generado& p) {
    static const QRegularExpression noFinito(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const QString& texto : {p.enunciado, p.solucion}) {
        EXPECT_TRUE(esCp1252(texto)) << texto.toStdString();
        EXPECT_TRUE(sinPuntoSuelto(sinImagenes(texto))) << texto.toStdString();
        EXPECT_FALSE(noFinito.match(texto).hasMatch()) << texto.toStdString();
        EXPECT_TRUE(texto.endsWith(QLatin1String("&LF"))) << texto.toStdString();
        EXPECT_FALSE(texto.startsWith(QLatin1String("<ERROR"))) << texto.toStdString();
    }
    EXPECT_TRUE(p.solucion.startsWith(QLatin1String("&SP=10:"))) << p.solucion.toStdString();
}

// The house rules, and what kinematics never writes: pictures, the letters "inf" or "nan"
// anywhere, the degree sign U+00B0 (it writes U+00BA).
inline void compruebaNormasCinematica(const Generado& p) {
    compruebaNormas(p);
    for (const QString& texto : {p.enunciado, p.solucion}) {
        EXPECT_FALSE(texto.contains(QLatin1String("#IMG"))) << texto.toStdString();
        EXPECT_FALSE(texto.contains(QLatin1String("inf"), Qt::CaseInsensitive))
            << texto.toStdString();
        EXPECT_FALSE(texto.contains(QLatin1String("nan"), Qt::CaseInsensitive))
            << texto.toStdString();
        EXPECT_FALSE(texto.contains(QChar(0x00B0))) << texto.toStdString();
    }
}

// One "#IMG(" construct with the tab set just before it.
struct Dibujo {
    QString espacio; // "&SP=60:"
    QString fichero;
    QString dx;
    QString dy;
    bool operator==(const Dibujo&) const = default;
};

inline QList<Dibujo> dibujosEn(const QString& texto) {
    static const QRegularExpression re(
        QStringLiteral("(&SP=\\d+:)?#IMG\\('([^']*)'DXmm=([^:]*):DYmm=([^:]*):#IMG\\)"));
    QList<Dibujo> dibujos;
    auto it = re.globalMatch(texto);
    while (it.hasNext()) {
        const auto m = it.next();
        dibujos.append({m.captured(1), m.captured(2), m.captured(3), m.captured(4)});
    }
    return dibujos;
}

// The nine diagram pictures that exist beside the program.
inline bool esDibujoConocido(const QString& fichero) {
    static const QStringList nombres = {
        QStringLiteral("F_DIN_ATWOOD.GIF"), QStringLiteral("F_DIN_ME2M.GIF"),
        QStringLiteral("F_DIN_pis2M.GIF"),  QStringLiteral("F_DIN_ME3M.GIF"),
        QStringLiteral("F_DIN_HOOKE.GIF"),  QStringLiteral("F_DIN_PENCON.GIF"),
        QStringLiteral("f_din_pis.GIF"),    QStringLiteral("f_din_pii.GIF"),
        QStringLiteral("f_din_peral.GIF")};
    return nombres.contains(fichero);
}

// The house rules, and every picture well formed and one of the nine.
inline void compruebaNormasDinamica(const Generado& p) {
    compruebaNormas(p);
    const qsizetype construcciones = p.enunciado.count(QLatin1String("#IMG("));
    const QList<Dibujo> dibujos = dibujosEn(p.enunciado);
    EXPECT_EQ(dibujos.size(), construcciones) << p.enunciado.toStdString();
    for (const Dibujo& d : dibujos)
        EXPECT_TRUE(esDibujoConocido(d.fichero)) << d.fichero.toStdString();
    EXPECT_FALSE(p.solucion.contains(QLatin1String("#IMG"))) << p.solucion.toStdString();
}

// The numbers of `texto`, each within 1e-9 of the expected one.
inline void esperaNumeros(const QString& texto, const std::vector<double>& esperados) {
    const QList<double> leidos = numerosEn(texto);
    ASSERT_EQ(leidos.size(), static_cast<qsizetype>(esperados.size())) << texto.toStdString();
    for (std::size_t i = 0; i < esperados.size(); ++i)
        EXPECT_NEAR(leidos[static_cast<qsizetype>(i)], esperados[i], 1e-9)
            << "number " << i << " of " << texto.toStdString();
}

// Decimal places written in a markup number such as "12&.345".
inline int Decimales(const QString& numero) {
    const qsizetype punto = numero.indexOf(QLatin1String("&."));
    return punto < 0 ? 0 : static_cast<int>(numero.size() - punto - 2);
}

// How far a figure rounded to `decimales` decimals may lie from its exact value: half a unit
// of its last decimal, and a little computing noise.
inline double CotaRedondeo(int decimales) {
    return 0.5 * std::pow(10.0, -decimales) + 1e-9;
}

inline bool esEntero(double x) {
    return x == std::floor(x);
}

// A friction coefficient as the dynamics generators draw it: a hundredth from 0.15 to 0.35.
inline bool esCoeficiente(double mu) {
    return std::fabs(mu * 100 - std::round(mu * 100)) < 1e-9 && mu >= 0.15 && mu <= 0.35;
}

// |a - b| within an absolute tolerance.
inline bool Cerca(double a, double b, double tolerancia) {
    return std::fabs(a - b) <= tolerancia;
}

// |leido - esperado| within an absolute tolerance (the rounding of the printed figure) and
// the noise of the computation.
inline bool dentroDe(double leido, double esperado, double tolerancia) {
    return std::fabs(leido - esperado) <= tolerancia + 1e-9 * std::fabs(esperado);
}

// Agreement to a relative tolerance, for figures printed with so many significant figures.
inline bool relativoDentroDe(double leido, double esperado, double relativa) {
    return std::fabs(leido - esperado) <= relativa * std::fabs(esperado) + 1e-12;
}

// Equal up to the 15 significant digits a number is written with.
inline bool Igual15(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

} // namespace vornith::test
