#pragma once

#include "platform/qt/font_resolver.h"

#include <QFont>
#include <QString>

namespace vornith {

// Text measurements in twips, the engine's hot path. Measured on a device of 1440 dots per
// inch, so one device unit is one twip whatever surface the text is drawn on: the screen and
// the printer break lines alike. Metrics and widths are cached per font state.
class TextMetrics {
public:
    // The font and family that draw `text` in `state` (coded fonts mapped to Unicode).
    struct Shaped {
        QString text;
        QString family;
    };
    static Shaped shape(const FontState& state, const QString& text);

    static double width(const FontState& state, const QString& text);
    static double height(const FontState& state, const QString& text);
    static double ascent(const FontState& state);
};

} // namespace vornith
