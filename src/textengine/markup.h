#pragma once

#include "platform/colour.h"
#include "textengine/estado_motor.h"

#include <QString>
#include <QStringView>

namespace vornith::textengine {

// The red mark that stands in place of a construct that cannot be drawn.
inline constexpr QStringView kTextoError = u"&FC=Rojo:*ERROR*&FC=Negro:";

// Builds the engine's tables once at start-up, after FijaNotacion: ColorLinea, PI, the operator
// shifts and the symbol table.
void IniciaMotor(EstadoMotor& motor);

// The position of the first `etiqueta` (a tag, beginning with "&" or "#") in `texto` at or
// after `desde`, or -1. Markup tags are short and their first character is rare in plain text,
// so this finds them faster than a general substring search.
qsizetype BuscaEtiqueta(QStringView texto, QStringView etiqueta, qsizetype desde = 0);

// `linea` with the six notation escapes replaced, in order: "&.", "&,", "&(", "&)", "&FA",
// "&DT".
QString SustituyeEscapes(const QString& linea, const Notacion& notacion);

// The colour of a value of "&FC", "&BC" or "&LC": three numbers "r;g;b" (each rounded and held
// to 0..255), a number that is the colour value itself, or a colour name in Spanish or English
// (any case); anything else is black.
Rgb InterpretaColor(const QString& color);

// The construct that begins at the first `abre` of `texto`, up to the `cierra` that closes it
// (nesting counted); the error text `abre` + kTextoError + `cierra` when there is none.
QString ExtraeBloque(const QString& texto, const QString& abre, const QString& cierra);

// The length of that construct from its `abre`, or -1 when ExtraeBloque would give the error
// text. `inicio` receives the position of the `abre`.
qsizetype LongitudBloque(QStringView texto, QStringView abre, QStringView cierra,
                         qsizetype* inicio = nullptr);

// Splits the value of "&FF" ("REC,w,h") at its commas: the name before the first one, and the
// leading numbers after the first and after the second. With one comma, `b` is 0; with none,
// both are 0.
void SeparaFigura(const QString& figura, QString& nombre, double& a, double& b);

// The leading decimal number of `texto` (blanks before it skipped, sign, fraction and exponent
// allowed); 0 when there is none or it is out of range. Markup values are drawn, never refused, so
// a number no double holds is the harmless 0 (the file reader's ValorNumerico reports it, and
// generation's reader of code fields makes it an overflow).
double NumeroInicial(QStringView texto);

} // namespace vornith::textengine
