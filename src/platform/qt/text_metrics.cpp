#include "platform/qt/text_metrics.h"

#include <QImage>

#include <list>
#include <map>
#include <memory>
#include <tuple>

namespace vornith {

namespace {

constexpr double kMeasureDpi = 1440.0;
// Large enough that the font engine's rounding of advances and heights is far below a twip at
// the sizes pages use.
constexpr double kReferencePoints = 100.0;
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

TextMetrics::Entry::Entry(std::shared_ptr<Entry> reference, double s)
    : base(std::move(reference)), scale(s), font(base->font), family(base->family),
      metrics(base->metrics), ascent(base->ascent * s), height(base->height * s) {
    charWidths.fill(-1.0);
}

double TextMetrics::Entry::width(const QString& text) {
    const auto mide = [this, &text] {
        return base ? base->width(text) * scale : metrics.horizontalAdvance(text);
    };
    if (text.size() == 1 && text[0].unicode() < charWidths.size()) {
        double& w = charWidths[text[0].unicode()];
        if (w < 0) w = mide();
        return w;
    }
    const auto found = widths.constFind(text);
    if (found != widths.constEnd()) return *found;
    if (widths.size() > kMaxCachedWidths) widths.clear();
    const double w = mide();
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
    const auto cached = [](const Key& key, const auto& make) {
        if (const auto found = index.find(key); found != index.end()) {
            used.splice(used.begin(), used, found->second);
            return found->second->second;
        }
        std::shared_ptr<Entry> made = make();
        used.emplace_front(key, made);
        index.emplace(key, used.begin());
        if (used.size() > kMaxEntries) {
            index.erase(used.back().first);
            used.pop_back();
        }
        return made;
    };
    // Each size scales the entry of the reference size (points -1 in the key), which it holds.
    return cached(Key{family, state.points, state.bold, state.italic}, [&] {
        const auto base = cached(Key{family, -1.0, state.bold, state.italic}, [&] {
            FontState reference = state;
            reference.points = kReferencePoints;
            reference.underline = false;
            reference.strikethru = false;
            return std::make_shared<Entry>(FontResolver::fontFor(reference, family, kMeasureDpi),
                                           family);
        });
        return std::make_shared<Entry>(base, state.points / kReferencePoints);
    });
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
