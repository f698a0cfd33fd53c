#pragma once

#include "platform/symbol_fonts.h"

#include <QFont>
#include <QString>

namespace vornith {

// The state of a surface's font as the engine sets it.
struct FontState {
    QString name = QStringLiteral("Times New Roman");
    double points = 12.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
};

// Turns the font names the markup uses into installed families: the Windows core fonts into
// their metric-compatible Liberation twins, the byte-coded "Symbol" and "MT Extra" into fonts
// that hold their glyphs.
class FontResolver {
  public:
    // The installed family that stands for `name`: the metric twin of a Windows core font, a
    // look-alike of another common Windows face, the family Qt draws an installed family with,
    // or else the one family Qt falls back to for a name it does not know. The installed families are listed once, at the first call.
    static QString familyFor(const QString& name);
    // What draws a text of a coded font: the text to give the font, and its family.
    struct CodedText {
        QString text;
        QString family;
    };
    // The Unicode characters the text stands for, in Standard Symbols PS (whose metrics the
    // layout was made for) when it has them all, else in the first DejaVu face that does.
    static CodedText codedText(CodedFont font, const QString& text);
    // A font of `state` for a device of `deviceDpi` whose painter draws in twips (20 per
    // point): hinting and kerning off, so that widths scale linearly with the size.
    static QFont fontFor(const FontState& state, const QString& family, double deviceDpi);
};

} // namespace vornith
