#pragma once

#include <QString>

namespace vornith {

// "Symbol" and "MT Extra" are byte-coded fonts: a text in them is a run of code-page bytes that
// select the fonts' own glyphs. These map such a text to the Unicode characters the glyphs
// stand for, to be drawn in an ordinary font that has them.
enum class CodedFont { None, Symbol, MtExtra };

// Which coded font the name stands for (exact name, as the markup writes it).
CodedFont codedFontOf(const QString& fontName);

// The Unicode text that `text` shows in `font`; characters without a mapping stay as they are.
QString mapCodedText(CodedFont font, const QString& text);

} // namespace vornith
