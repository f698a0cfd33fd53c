#include "platform/qt/text_metrics.h"

#include <QImage>

#include <list>
#include <map>
#include <memory>
#include <tuple>

namespace vornith {

namespace {

constexpr double kMeasureDpi = 1440.0;
constexpr qsizetype kMaxCachedWidths = 50000;

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

} // namespace

TextMetrics::Entry::Entry(const QFont& f, const QString& fam)
    : font(f), family(fam), metrics(f, measuringDevice()), ascent(metrics.ascent()),
      height(metrics.height()) {
    charWidths.fill(-1.0);
}

double TextMetrics::Entry::width(const QString& text) {
    if (text.size() == 1 && text[0].unicode() < charWidths.size()) {
        double& w = charWidths[text[0].unicode()];
        if (w < 0) w = metrics.horizontalAdvance(text);
        return w;
    }
    const auto found = widths.constFind(text);
    if (found != widths.constEnd()) return *found;
    if (widths.size() > kMaxCachedWidths) widths.clear();
    const double w = metrics.horizontalAdvance(text);
    widths.insert(text, w);
    return w;
}

TextMetrics::Shaped TextMetrics::shape(const FontState& state, const QString& text) {
    const CodedFont coded = codedFontOf(state.name);
    if (coded == CodedFont::None) return {text, FontResolver::familyFor(state.name)};
    return FontResolver::codedText(coded, text);
}

std::shared_ptr<TextMetrics::Entry> TextMetrics::entry(const FontState& state,
                                                       const QString& family) {
    // Least recently used first out: markup may name any number of fonts and sizes, and every
    // entry holds a font engine of Qt's.
    using Key = std::tuple<QString, double, bool, bool>;
    using Used = std::list<std::pair<Key, std::shared_ptr<Entry>>>;
    static Used used;
    static std::map<Key, Used::iterator> index;
    const Key key{family, state.points, state.bold, state.italic};
    if (const auto found = index.find(key); found != index.end()) {
        used.splice(used.begin(), used, found->second);
        return found->second->second;
    }
    const QFont font = FontResolver::fontFor(state, family, kMeasureDpi);
    used.emplace_front(key, std::make_shared<Entry>(font, family));
    index.emplace(key, used.begin());
    if (used.size() > kMaxEntries) {
        index.erase(used.back().first);
        used.pop_back();
    }
    return used.front().second;
}

std::shared_ptr<TextMetrics::Entry> TextMetrics::entry(const FontState& state) {
    return entry(state, FontResolver::familyFor(state.name));
}

double TextMetrics::width(const FontState& state, const QString& text) {
    const Shaped shaped = shape(state, text);
    return entry(state, shaped.family)->width(shaped.text);
}

double TextMetrics::height(const FontState& state, const QString& text) {
    const Shaped shaped = shape(state, text);
    return entry(state, shaped.family)->height;
}

double TextMetrics::ascent(const FontState& state) {
    return entry(state, shape(state, QString()).family)->ascent;
}

} // namespace vornith
