#pragma once

// The clipboard text of one problem: a fixed prefix, the module key, the problem code and the
// two texts, so that a problem can be pasted into this or another running instance.

#include "generation/problema.h"

#include <QString>

#include <optional>

namespace vornith::document {

inline constexpr char16_t kPrefijoPortapapeles[] = u"VORNITH:NPROB=001:";

// The prefix, the key filled with blanks or cut to 80, the 16-digit code, then
// "#ENU(" statement "#ENU)#SOL(" solution "#SOL)".
QString TextoPortapapeles(const generation::Problema& problema);

// The text holds a problem that can be pasted (LeeTextoPortapapeles gives one).
bool EsTextoPortapapeles(const QString& texto);

// The problem held by a clipboard text. Nothing without the prefix, for a text too short for
// the key and the 16-digit code, a code that is not all digits, or texts not framed as
// "#ENU(" statement "#ENU)#SOL(" solution "#SOL)" (blanks and line ends before and after it
// ignored).
std::optional<generation::Problema> LeeTextoPortapapeles(const QString& texto);

} // namespace vornith::document
