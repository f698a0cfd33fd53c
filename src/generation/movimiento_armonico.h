#pragma once

// What the simple harmonic motion generators of both modules share: the drawn amplitude,
// period, initial phase and elongation, and the equation of the elongation, its figures
// written with four significant figures.

#include "generation/module_interface.h"
#include "generation/number_services.h"

#include <QString>

namespace vornith::generation {

// x with four significant figures.
inline QString C4(double x) {
    return TextoCifras(x, 4);
}

// An amplitude in m: a hundredth from 0.15 to 4.95, 1 m made 2 m.
double SorteaAmplitud(Generador& g);

// A period in s, from 0.05 to 9 by hundredths; from 0.05 to 0.9 after a draw above 0.5.
double SorteaPeriodo(Generador& g);

// Where the motion starts: the phase written after the t of the equation (empty, "+ pi/6" or
// "+ pi/2") and the words that say it.
struct FaseInicial {
    QString fase;
    QString condicion;
};

// Two draws, each above 0.5 choosing half the amplitude, then the maximum; the second wins.
// Both are always made.
FaseInicial SorteaFaseInicial(Generador& g);

// An elongation from 20 % to 80 % of the amplitude a, by whole per cents.
double SorteaElongacion(Generador& g, double a);

// The speed at the elongation x of a motion of amplitude a and pulsation w.
double VelocidadEnElongacion(double a, double w, double x);

// The factor of t in an equation of the motion: w and a hard blank, nothing when w reads "1".
QString TextoPulsacion(double w);

// "x(t) = a sen(w t + phase)".
QString TextoElongacion(double a, double w, const QString& fase);

} // namespace vornith::generation
