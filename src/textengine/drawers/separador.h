#pragma once

// Reading the inner structure of a construct ("#N)(" of a fraction, "#T)(" of a script pair...)
// without being misled by the same separator inside a nested construct of another kind.

#include <QStringView>

#include <optional>

namespace vornith::textengine {

// The body of `texto`: what stands between its opening tag `abre` (five characters) and its
// closing tag (the first four characters of `abre` and ")"). Empty when `texto` is not framed
// so (too short, or either tag missing); a framed construct with nothing inside gives an empty
// view inside the optional.
std::optional<QStringView> CuerpoConstruccion(QStringView texto, QStringView abre);

// The position in `cuerpo` of the first `separador` that stands outside every nested construct,
// or -1. Nested constructs are skipped whole (an unclosed one by its opening tag, as the line
// processor reads it), and so are the two-character literals "##", "&&" and "&#", so that a
// separator is found exactly where the line processor would see one. -1 too when more than
// kMaxElemento nested constructs precede the separator.
qsizetype BuscaSeparador(QStringView cuerpo, QStringView separador);

} // namespace vornith::textengine
