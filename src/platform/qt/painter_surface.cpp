#include "platform/qt/painter_surface.h"

#include "platform/qt/picture_scaling.h"
#include "platform/qt/qt_picture.h"

#include <QColor>
#include <QGlyphRun>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace vornith {

namespace {

QColor toQColor(Rgb c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

PainterSurface::PainterSurface(SurfaceKind kind, double twipsPerPixelX, double twipsPerPixelY)
    : kind_(kind), tppX_(twipsPerPixelX), tppY_(twipsPerPixelY) {}

PainterSurface::~PainterSurface() = default;

void PainterSurface::setFontName(const QString& name) {
    if (name == font_.name) return;
    font_.name = name;
    coded_ = codedFontOf(name) != CodedFont::None;
    metrics_ = nullptr;
    drawFontValid_ = false;
}

void PainterSurface::setFontSize(double points) {
    // Sizes are kept to a hundredth of a point, and a font is never smaller than one point.
    const double size = std::max(1.0, std::round(points * 100.0) / 100.0);
    if (size == font_.points) return;
    font_.points = size;
    metrics_ = nullptr;
    drawFontValid_ = false;
}

void PainterSurface::setFontBold(bool on) {
    if (on == font_.bold) return;
    font_.bold = on;
    metrics_ = nullptr;
    drawFontValid_ = false;
}

void PainterSurface::setFontItalic(bool on) {
    if (on == font_.italic) return;
    font_.italic = on;
    metrics_ = nullptr;
    drawFontValid_ = false;
}

TextMetrics::Entry* PainterSurface::metrics() const {
    if (coded_) return nullptr;
    if (!metrics_) metrics_ = recentMetrics();
    return metrics_;
}

TextMetrics::Entry* PainterSurface::recentMetrics() const {
    for (const RecentFont& r : recent_) {
        if (r.entry && r.points == font_.points && r.bold == font_.bold &&
            r.italic == font_.italic && r.name == font_.name)
            return r.entry.get();
    }
    RecentFont& r = recent_[nextRecent_];
    nextRecent_ = (nextRecent_ + 1) % recent_.size();
    r = {font_.name, font_.points, font_.bold, font_.italic, TextMetrics::entry(font_)};
    return r.entry.get();
}

double PainterSurface::textWidth(const QString& text) const {
    TextMetrics::Entry* m = metrics();
    return m ? m->width(text) : TextMetrics::width(font_, text);
}

double PainterSurface::textHeight(const QString& text) const {
    TextMetrics::Entry* m = metrics();
    return m ? m->height : TextMetrics::height(font_, text);
}

double PainterSurface::fontAscentTwips() const {
    TextMetrics::Entry* m = metrics();
    return m ? m->ascent : TextMetrics::ascent(font_);
}

int PainterSurface::fontAscentPixels() const {
    TextMetrics::Entry* m = metrics();
    const double ascent = m ? m->ascent : TextMetrics::ascent(font_);
    return static_cast<int>(std::lround(ascent / tppY_));
}

QPainter& PainterSurface::painter() {
    drawPendingText();
    return activePainter();
}

QPainter& PainterSurface::activePainter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device());
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setRenderHint(QPainter::TextAntialiasing);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform);
        const QPaintDevice* dev = device();
        // Logical device pixels per twip; the device pixel ratio is applied by the painter.
        const double sx = static_cast<double>(dev->logicalDpiX()) / 1440.0;
        const double sy = static_cast<double>(dev->logicalDpiY()) / 1440.0;
        painter_->scale(sx, sy);
        painter_->translate(originTwips());
    }
    return *painter_;
}

bool PainterSurface::endPainting() {
    drawPendingText();
    if (!painter_) return false;
    const bool ended = painter_->isActive() && painter_->end();
    painter_.reset();
    return ended;
}

QPen PainterSurface::penFor(Rgb colour) const {
    QPen pen(toQColor(colour));
    pen.setWidthF(drawWidth_ * tppX_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

quint32 PainterSurface::GlyphFont::glyphOf(QChar c) {
    if (c.unicode() >= glyphs.size()) return 0;
    int& glyph = glyphs[c.unicode()];
    if (glyph < 0) {
        glyph = 0;
        if (raw.supportsCharacter(c)) {
            const QList<quint32> found = raw.glyphIndexesForString(QString(c));
            if (found.size() == 1) glyph = static_cast<int>(found.front());
        }
    }
    return static_cast<quint32>(glyph);
}

PainterSurface::GlyphFont& PainterSurface::glyphFontFor(const TextMetrics::Entry& metrics) {
    if (glyphEntry_ != &metrics) {
        auto found = glyphFonts_.find(&metrics);
        if (found == glyphFonts_.end()) {
            if (glyphFonts_.size() >= kMaxGlyphFonts) {
                drawPendingText(); // it may wait in one of them
                glyphFonts_.clear();
            }
            // The font print() would draw with, resolved for this device as the painter does.
            const QFont drawn =
                FontResolver::fontFor(font_, metrics.family, device()->logicalDpiY());
            auto font = std::make_unique<GlyphFont>();
            font->raw = QRawFont::fromFont(QFont(drawn, device()));
            font->glyphs.fill(-1);
            found = glyphFonts_
                        .emplace(&metrics, EntryGlyphs{metrics.shared_from_this(), std::move(font)})
                        .first;
        }
        glyphEntry_ = &metrics;
        glyphFont_ = found->second.font.get();
    }
    return *glyphFont_;
}

void PainterSurface::drawPendingText() {
    if (pending_.empty()) return;
    QPainter& p = activePainter();
    for (const PendingText& text : pending_) {
        QGlyphRun run;
        run.setRawFont(text.font->raw);
        run.setGlyphIndexes(text.glyphs);
        run.setPositions(text.positions);
        p.setPen(toQColor(text.colour));
        p.drawGlyphRun(QPointF(), run);
    }
    pending_.clear();
}

PainterSurface::PendingText& PainterSurface::pendingRunFor(const GlyphFont& font) {
    for (auto run = pending_.rbegin(); run != pending_.rend(); ++run) {
        if (run->font == &font && run->colour == fore_) return *run;
        // On the page box glyphs overlap in print order: only the last run takes more.
        if (kind_ == SurfaceKind::PageBox) break;
    }
    if (kind_ == SurfaceKind::PageBox) drawPendingText();
    pending_.push_back({&font, fore_, {}, {}});
    return pending_.back();
}

void PainterSurface::print(const QString& text) {
    TextMetrics::Entry* m = metrics();
    // Single characters wait to be drawn with their neighbours as one glyph run, each at the
    // position measured for it: on the page box at the very pixels drawText would give them,
    // in a PDF as one text object instead of one per character. Underlined or struck-out text
    // is drawn as it comes: its lines are drawn per print.
    if (m && text.size() == 1 && !font_.underline && !font_.strikethru) {
        GlyphFont& font = glyphFontFor(*m);
        if (const quint32 glyph = font.glyphOf(text[0])) {
            PendingText& run = pendingRunFor(font);
            run.glyphs.append(glyph);
            run.positions.append(QPointF(x_, y_ + m->ascent));
            x_ += m->width(text);
            return;
        }
    }
    QPainter& p = painter();
    const double dpi = device()->logicalDpiY();
    p.setPen(toQColor(fore_));
    if (m) {
        if (!drawFontValid_) {
            drawFont_ = FontResolver::fontFor(font_, m->family, dpi);
            drawFontValid_ = true;
        }
        p.setFont(drawFont_);
        p.drawText(QPointF(x_, y_ + m->ascent), text);
        x_ += m->width(text);
        return;
    }
    // Byte-coded fonts: the family that has the glyphs depends on the text.
    const TextMetrics::Shaped shaped = TextMetrics::shape(font_, text);
    p.setFont(FontResolver::fontFor(font_, shaped.family, dpi));
    p.drawText(QPointF(x_, y_ + TextMetrics::ascent(font_)), shaped.text);
    x_ += TextMetrics::entry(font_, shaped.family)->width(shaped.text);
}

double PainterSurface::snapped(double twips, bool vertical) {
    if (kind_ != SurfaceKind::PageBox) return twips;
    // Device pixels per twip, and the pen's width in device pixels.
    const double perTwip = device()->devicePixelRatioF() / (vertical ? tppY_ : tppX_);
    const double width = std::max(1.0, std::round(drawWidth_ * tppX_ * perTwip));
    const double origin = vertical ? originTwips().y() : originTwips().x();
    const double pos = (twips + origin) * perTwip;
    // An odd width is centred on a pixel's centre, an even one on the edge between two pixels.
    const double centre = std::fmod(width, 2.0) == 1.0 ? std::floor(pos) + 0.5 : std::round(pos);
    return centre / perTwip - origin;
}

void PainterSurface::line(double x1, double y1, double x2, double y2, Rgb colour, LineShape shape) {
    QPainter& p = painter();
    x_ = x2;
    y_ = y2;
    // On the page box, rules and box edges lie on whole device pixels, so a one-pixel line is
    // one row of solid colour rather than two rows of grey.
    if (shape != LineShape::FilledBox) {
        if (y1 == y2 || shape == LineShape::Box) {
            y1 = snapped(y1, true);
            y2 = snapped(y2, true);
        }
        if (x1 == x2 || shape == LineShape::Box) {
            x1 = snapped(x1, false);
            x2 = snapped(x2, false);
        }
    }
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    switch (shape) {
    case LineShape::Line:
        p.setPen(penFor(colour));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        break;
    case LineShape::Box:
        p.setPen(penFor(colour));
        p.setBrush(fill_ == FillStyle::Solid ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        p.drawRect(box);
        break;
    case LineShape::FilledBox:
        p.setPen(penFor(colour));
        p.setBrush(toQColor(colour));
        p.drawRect(box);
        break;
    }
}

void PainterSurface::circle(double cx, double cy, double radius, Rgb colour) {
    QPainter& p = painter();
    p.setPen(penFor(colour));
    p.setBrush(fill_ == FillStyle::Solid ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(cx, cy), radius, radius);
    x_ = cx;
    y_ = cy;
}

void PainterSurface::invertBox(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), Qt::white);
    p.restore();
}

void PainterSurface::paintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    if (!qtPicture) return;
    const QImage& image = qtPicture->image();
    const QRectF target = QRectF(x, y, width, height).normalized();
    QPainter& p = painter();
    if (kind_ == SurfaceKind::PageBox) {
        // Shrunk beforehand to the device pixels it covers, from a corner on a whole pixel, so
        // that the painter copies it as it is.
        const double ratio = device()->devicePixelRatioF();
        const double perTwipX = ratio / tppX_;
        const double perTwipY = ratio / tppY_;
        const QSize size(static_cast<int>(std::lround(target.width() * perTwipX)),
                         static_cast<int>(std::lround(target.height() * perTwipY)));
        if (!size.isEmpty() && size.width() <= image.width() && size.height() <= image.height()) {
            const QPointF origin = originTwips();
            const QPointF corner(
                std::round((target.x() + origin.x()) * perTwipX) / perTwipX - origin.x(),
                std::round((target.y() + origin.y()) * perTwipY) / perTwipY - origin.y());
            p.drawImage(QRectF(corner, QSizeF(size.width() / perTwipX, size.height() / perTwipY)),
                        shrunkPicture(image, size));
            return;
        }
    }
    p.drawImage(target, image);
}

void PainterSurface::clear() {
    QPainter& p = painter();
    p.save();
    p.resetTransform();
    p.fillRect(QRect(0, 0, device()->width(), device()->height()), Qt::white);
    p.restore();
    x_ = 0;
    y_ = 0;
}

} // namespace vornith
