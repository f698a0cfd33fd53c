#pragma once

// Number <-> text conversions of the collection file and the clipboard text. They never throw
// and never consult the locale: a conversion that cannot give a value says so with an empty
// optional, and the caller decides what that means for its input.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace vornith::document {

// The numeric value at the front of `texto`: leading blanks skipped, then a sign, digits, a
// decimal point and an exponent (E or D) as far as they form a number; reading stops at the
// first character that cannot continue it, and nothing readable gives 0. No value when the
// number does not fit a double, so that a file holding one is refused (the markup's
// NumeroInicial reads such a number as 0 and draws on).
std::optional<double> ValorNumerico(QStringView texto);

// `texto` as a whole number, blanks around it allowed and nothing else: the same number syntax
// as ValorNumerico, but every character must belong to it. Rounded half to even; no value when
// the text is not a number or the result is outside the 16-bit range.
std::optional<std::int16_t> EnteroCorto(QStringView texto);

// x rounded half to even to a 32-bit integer; no value outside that range or for a value that
// is not finite.
std::optional<std::int32_t> EnteroLargo(double x);

// The decimal text of n ("-" for a negative number).
QString Decimal(std::int64_t n);

// The decimal text of n with a leading blank when it is not negative (" 1", "-3").
QString NumeroConBlanco(std::int32_t n);

// The decimal digits of n without sign, filled with "0" on the left to `ancho` characters and
// cut to its last `ancho` digits when longer.
QString CifrasFijas(std::int64_t n, int ancho);

// `texto` without the blanks (spaces only) at both ends.
QStringView SinBlancos(QStringView texto);
QByteArrayView SinBlancos(QByteArrayView texto);

// `texto` filled with blanks to `ancho` characters, or cut to its first `ancho`.
QString AnchoFijo(const QString& texto, int ancho);

} // namespace vornith::document
