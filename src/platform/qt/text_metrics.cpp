#include "platform/qt/text_metrics.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <memory>

namespace vornith {

namespace {

constexpr double kMeasureDpi = 1440.0;
constexpr qsizetype kMaxCachedWidths = 50000;

struct FontEntry {
    explicit FontEntry(const QFont& font, const QPaintDevice* device) : metrics(font, device) {}
    QFontMetricsF metrics;
    QHash<QString, double> widths;
};

const QPaintDevice* measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

FontEntry& entryFor(const FontState& state, const QString& family) {
    static QHash<QString, std::shared_ptr<FontEntry>> entries;
    const QString key = family + QLatin1Char('|') + QString::number(state.points, 'g', 17) +
                        (state.bold ? QLatin1Char('B') : QLatin1Char('-')) +
                        (state.italic ? QLatin1Char('I') : QLatin1Char('-'));
    auto found = entries.find(key);
    if (found == entries.end()) {
        const QFont font = FontResolver::fontFor(state, family, kMeasureDpi);
        found = entries.insert(key, std::make_shared<FontEntry>(font, measuringDevice()));
    }
    return **found;
}

} // namespace

TextMetrics::Shaped TextMetrics::shape(const FontState& state, const QString& text) {
    const CodedFont coded = codedFontOf(state.name);
    if (coded == CodedFont::None) return {text, FontResolver::familyFor(state.name)};
    QString mapped = mapCodedText(coded, text);
    QString family = FontResolver::codedFamilyFor(coded, mapped);
    return {std::move(mapped), std::move(family)};
}

double TextMetrics::width(const FontState& state, const QString& text) {
    const Shaped shaped = shape(state, text);
    FontEntry& entry = entryFor(state, shaped.family);
    const auto found = entry.widths.constFind(shaped.text);
    if (found != entry.widths.constEnd()) return *found;
    if (entry.widths.size() > kMaxCachedWidths) entry.widths.clear();
    const double w = entry.metrics.horizontalAdvance(shaped.text);
    entry.widths.insert(shaped.text, w);
    return w;
}

double TextMetrics::height(const FontState& state, const QString& text) {
    const Shaped shaped = shape(state, text);
    return entryFor(state, shaped.family).metrics.height();
}

double TextMetrics::ascent(const FontState& state) {
    return entryFor(state, shape(state, QString()).family).metrics.ascent();
}

} // namespace vornith
