#pragma once

#include "generation/generation_failure.h"
#include "platform/random.h"

#include <QString>

#include <cstdint>

namespace vornith::generation {

// The problem-module interface variables: the frame and every subject module exchange data
// through them (catalogue fields in listing mode, the problem's texts in generate mode).
struct InterfazModulo {
    bool ModoCatalogo = false;
    QString CatRutina;
    QString CatClase;
    QString CatAsignatura;
    QString CatCodTema;
    QString CatTema;
    QString CatCodTipo;
    QString CatTitulo;
    QString CatDescripcion;
    QString CatExtra;
    QString TextoEnunciado;
    QString TextoSolucion;
    std::int32_t Semilla = 0;
    double NumDelTipo = 0;
    double OrdenDelTipo = 0;
};

// Redraw loops give up after this many rounds instead of hanging.
constexpr int kMaxVueltas = 100000;

// What a generator routine works with: the interface variables and the process-wide random
// generator.
class Generador {
public:
    Generador(InterfazModulo& variables, RandomSource& random) : v(variables), rng_(random) {}

    InterfazModulo& v;

    // A bare uniform draw in [0, 1).
    float Rnd() { return rng_.next(); }
    // A draw on the grid min, min + step, ... (see number_services.h); 0 when it gives up.
    double Aleatorio(double min, double max, double step, double noCero);

    // Counts one round of a plausibility loop; throws FalloGeneracion past kMaxVueltas.
    void Vuelta() {
        if (++vueltas_ > kMaxVueltas)
            throw FalloGeneracion(kFalloBucle,
                                  QStringLiteral("Los datos no convergen tras %1 intentos")
                                      .arg(kMaxVueltas));
    }

    RandomSource& random() { return rng_; }

private:
    RandomSource& rng_;
    int vueltas_ = 0;
};

// A generator routine of a subject module.
using RutinaGeneradora = void (*)(Generador&);

// One line of a module's routine table: the routine number of the problem code and the
// generator it runs.
struct EntradaRutina {
    int numero;
    RutinaGeneradora rutina;
};

// A seed modulo n, never negative: a damaged code may carry a negative seed.
inline int RestoSemilla(std::int32_t semilla, int n) {
    if (n <= 0) return 0;
    const int r = static_cast<int>(semilla % n);
    return r < 0 ? r + n : r;
}
inline int RestoSemilla(const Generador& g, int n) {
    return RestoSemilla(g.v.Semilla, n);
}

// The sub-type (Semilla mod n) + 1 of a generator with n sub-types: always 1 to n.
inline int SubTipo(std::int32_t semilla, int n) {
    return RestoSemilla(semilla, n) + 1;
}
inline int SubTipo(const Generador& g, int n) {
    return SubTipo(g.v.Semilla, n);
}

} // namespace vornith::generation
