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

// The text begins with the prefix: it holds a problem that can be pasted.
bool EsTextoPortapapeles(const QString& texto);

// The problem held by a clipboard text; nothing without the prefix. A damaged text still gives
// a problem: a number field that is not a 16-bit whole number (or is cut off) gives 0, and
// texts that SeparaTextos cannot split give an empty statement and solution.
std::optional<generation::Problema> LeeTextoPortapapeles(const QString& texto);

} // namespace vornith::document
