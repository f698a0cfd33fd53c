#pragma once

#include "platform/qt/font_resolver.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <array>
#include <memory>

namespace vornith {

// Text measurements in twips, the engine's hot path. Measured on a device of 1440 dots per
// inch, so one device unit is one twip whatever surface the text is drawn on: the screen and
// the printer break lines alike. Every size is measured at one reference size and scaled, so
// that measurements are exactly proportional to the size: a page at twice the zoom breaks its
// lines and pages where it does at zoom 1. Metrics and widths are cached per font state.
class TextMetrics {
  public:
    // The metrics of one font state and family, with the widths measured so far.
    struct Entry : std::enable_shared_from_this<Entry> {
        // The entry of the reference size.
        Entry(const QFont& f, const QString& fam);
        // An entry `scale` times the reference entry `base`.
        Entry(std::shared_ptr<Entry> base, double scale);
        std::shared_ptr<Entry> base; // null for the reference size
        double scale = 1;
        QFont font;
        QString family;
        QFontMetricsF metrics;
        // The font's ascent and height, read often; QFontMetricsF looks its engine up for each.
        double ascent;
        double height;
        QHash<QString, double> widths;
        // Widths of single Latin-1 characters, most of what the engine measures; negative
        // until measured.
        std::array<double, 256> charWidths;
        double width(const QString& text);
    };

    // The family that draws `text` in `state`, and the text to give it (for the coded fonts,
    // see FontResolver::codedText).
    using Shaped = FontResolver::CodedText;
    static Shaped shape(const FontState& state, const QString& text);

    // The entry of `state` in `family`. The most recently used kMaxEntries entries are kept;
    // an entry lives on while someone holds it.
    static std::shared_ptr<Entry> entry(const FontState& state, const QString& family);
    // The entry of `state` for ordinary (not byte-coded) fonts.
    static std::shared_ptr<Entry> entry(const FontState& state);
    static constexpr std::size_t kMaxEntries = 256;

    static double width(const FontState& state, const QString& text);
    static double height(const FontState& state, const QString& text);
    static double ascent(const FontState& state);
};

} // namespace vornith
