#pragma once

// Running one kinematics generator the way the module dispatcher does, and the house rules
// every generated problem keeps.

#include "generated_text.h"
#include "generation/module_interface.h"
#include "platform/random.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornith::test {

struct ProblemaGenerado {
    QString enunciado;
    QString solucion;
};

// Generates with a re-seeded PCG32 and four discarded draws, as the dispatcher does.
inline ProblemaGenerado Generar(generation::RutinaGeneradora rutina, std::int32_t semilla,
                                double numDelTipo = 1, double ordenDelTipo = 1) {
    generation::InterfazModulo v;
    v.Semilla = semilla;
    v.NumDelTipo = numDelTipo;
    v.OrdenDelTipo = ordenDelTipo;
    Pcg32Random rng;
    rng.reseed(semilla);
    for (int i = 0; i < 4; ++i)
        rng.next();
    generation::Generador g(v, rng);
    rutina(g);
    return {v.TextoEnunciado, v.TextoSolucion};
}

// Generates from scripted draws (no discarded draws: the script starts at the generator).
inline ProblemaGenerado GenerarGuion(generation::RutinaGeneradora rutina, std::int32_t semilla,
                                     RandomSource& rng) {
    generation::InterfazModulo v;
    v.Semilla = semilla;
    v.NumDelTipo = 1;
    v.OrdenDelTipo = 1;
    generation::Generador g(v, rng);
    rutina(g);
    return {v.TextoEnunciado, v.TextoSolucion};
}

// The draw that makes Aleatorio(min, max, step) give `valor`.
inline float Sorteo(double min, double max, double step, double valor) {
    return static_cast<float>((valor - min) / (max - min));
}

// The rules of every statement and solution: encodable, "&." for every decimal point, no
// failed number as text, the closing and opening marks.
inline void ComprobarNormas(const ProblemaGenerado& p) {
    for (const QString* t : {&p.enunciado, &p.solucion}) {
        EXPECT_TRUE(esCp1252(*t)) << t->toStdString();
        EXPECT_TRUE(sinPuntoSuelto(*t)) << t->toStdString();
        EXPECT_FALSE(t->contains(QLatin1String("inf"), Qt::CaseInsensitive)) << t->toStdString();
        EXPECT_FALSE(t->contains(QLatin1String("nan"), Qt::CaseInsensitive)) << t->toStdString();
        EXPECT_TRUE(t->endsWith(QLatin1String("&LF"))) << t->toStdString();
        EXPECT_FALSE(t->contains(QChar(0x00B0))) << "kinematics writes the degree as U+00BA";
    }
    EXPECT_TRUE(p.solucion.startsWith(QLatin1String("&SP=10:"))) << p.solucion.toStdString();
}

// Decimal places written in a markup number such as "12&.345".
inline int Decimales(const QString& numero) {
    const qsizetype punto = numero.indexOf(QLatin1String("&."));
    return punto < 0 ? 0 : static_cast<int>(numero.size() - punto - 2);
}

inline bool Cerca(double a, double b, double tolerancia) {
    return std::fabs(a - b) <= tolerancia;
}

// Equal up to the 15 significant digits a number is written with.
inline bool Igual15(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

} // namespace vornith::test
