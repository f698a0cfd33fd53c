#pragma once

#include "platform/random.h"

#include <QString>

#include <optional>

namespace vornith::generation {

// pi, the Double nearest to it (4 * arctan(1)).
inline constexpr double PI = 3.14159265358979323846;

// A value on the grid min, min + step, ... max drawn from `rng` (continuous when the step is
// negligible against the range); with `noCero` not 0, zero is drawn again. No value when
// 100000 draws gave nothing usable.
std::optional<double> Aleatorio(RandomSource& rng, double min, double max, double step,
                                double noCero);

// x rounded half up to a multiple of 10^(1 + n): n = -1 whole numbers, -2 tenths, 0 tens.
// 0 when the rounding overflows; a value that is already infinite or not a number is passed
// on unchanged, so that the text it reaches reports the failure.
double Redondea(double x, double n);

// x, or the nearest whole number when x lies within rounding noise of it.
double LimpiaEntero(double x);

// The plain decimal text of x: at most 15 significant digits, no trailing zeros, no digit
// before the point below 1 (".25"), exponent form ("1E-05", "2.5E+20") for extreme magnitudes.
// Locale-proof.
QString TextoPlano(double x);

// TextoPlano and the text services below throw FalloGeneracion for an infinite or
// not-a-number value, so that a failed computation never reaches a statement as "inf" or
// "nan".

// Markup text of x ("&." for the point, "&E" for a power of ten).
QString TextoNumero(double x);
// Markup text of x with n significant figures.
QString TextoCifras(double x, double n);
// Markup text of a4 v^4 + a3 v^3 + a2 v^2 + a1 v + a0; an empty variable is an italic x.
QString TextoPolinomio(double a4, double a3, double a2, double a1, double a0,
                       const QString& variable = QString());
// Markup text of the vector x i + y j + z k; a non-empty component text replaces its number.
QString TextoVector(double x, double y, double z, const QString& tx = QString(),
                    const QString& ty = QString(), const QString& tz = QString());

// Shorthands of the generators: TN(x) is TextoNumero(x), Dn(x) is x rounded to n decimals.
inline QString TN(double x) {
    return TextoNumero(x);
}
inline double D0(double x) {
    return Redondea(x, -1);
}
inline double D1(double x) {
    return Redondea(x, -2);
}
inline double D2(double x) {
    return Redondea(x, -3);
}
inline double D3(double x) {
    return Redondea(x, -4);
}

// Arc cosine in radians; 0 outside [-1, 1]. Rounding noise just outside (such as
// -1.0000000000000002) counts as the end of the interval; not-a-number is passed on.
double ArcoCoseno(double x);

// s without its leading and trailing blanks; tabs and line ends stay (the polynomial text and
// the class of a catalogue entry trim only blanks).
QString RecortaBlancos(const QString& s);

} // namespace vornith::generation
