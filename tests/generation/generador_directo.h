#pragma once

// Running one generator routine directly, as its module's dispatcher does, and the house
// rules every generated problem keeps.

#include "generated_text.h"
#include "generation/module_interface.h"
#include "platform/random.h"

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace vornith::test {

struct Generado {
    QString enunciado;
    QString solucion;
    bool operator==(const Generado&) const = default;
};

// Re-seeds `rng` with the seed, discards four draws and runs the routine in generate mode.
inline Generado generaDirecto(generation::RutinaGeneradora rutina, std::int32_t semilla,
                              RandomSource& rng, double numDelTipo = 1, double ordenDelTipo = 1) {
    generation::InterfazModulo v;
    v.Semilla = semilla;
    v.NumDelTipo = numDelTipo;
    v.OrdenDelTipo = ordenDelTipo;
    rng.reseed(semilla);
    for (int i = 0; i < 4; ++i)
        rng.next();
    generation::Generador g(v, rng);
    rutina(g);
    return {v.TextoEnunciado, v.TextoSolucion};
}

inline Generado generaDirecto(generation::RutinaGeneradora rutina, std::int32_t semilla,
                              double numDelTipo = 1, double ordenDelTipo = 1) {
    Pcg32Random rng;
    return generaDirecto(rutina, semilla, rng, numDelTipo, ordenDelTipo);
}

// The picture constructs, whose offsets carry a plain decimal point.
inline QString sinImagenes(QString texto) {
    static const QRegularExpression imagen(QStringLiteral("#IMG\\(.*?#IMG\\)"));
    return texto.remove(imagen);
}

// Encoding, decimal points, endings, no non-finite number written as text.
inline void compruebaNormas(const Generado& p) {
    static const QRegularExpression noFinito(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const QString& texto : {p.enunciado, p.solucion}) {
        EXPECT_TRUE(esCp1252(texto)) << texto.toStdString();
        EXPECT_TRUE(sinPuntoSuelto(sinImagenes(texto))) << texto.toStdString();
        EXPECT_FALSE(noFinito.match(texto).hasMatch()) << texto.toStdString();
        EXPECT_TRUE(texto.endsWith(QLatin1String("&LF"))) << texto.toStdString();
    }
    EXPECT_TRUE(p.solucion.startsWith(QLatin1String("&SP=10:"))) << p.solucion.toStdString();
}

// |leido - esperado| within an absolute tolerance (the rounding of the printed figure).
inline bool dentroDe(double leido, double esperado, double tolerancia) {
    return std::fabs(leido - esperado) <= tolerancia + 1e-9 * std::fabs(esperado);
}

// Agreement to a relative tolerance, for figures printed with so many significant figures.
inline bool relativoDentroDe(double leido, double esperado, double relativa) {
    return std::fabs(leido - esperado) <= relativa * std::fabs(esperado) + 1e-12;
}

// The draw that lands Aleatorio(min, max, step) on `valor`, for scripted sources.
inline float sorteoHacia(double min, double max, double valor) {
    return static_cast<float>((valor - min) / (max - min));
}

// A broken source whose draws are not numbers.
class RandomRoto final : public RandomSource {
  public:
    void reseed(std::int64_t) override {}
    void reseedFromClock() override {}
    float next() override { return std::numeric_limits<float>::quiet_NaN(); }
};

} // namespace vornith::test
