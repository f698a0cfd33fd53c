#include "sketch.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace vornith::diagrams {
namespace {

constexpr double kArrowLength = 1.6;
constexpr double kArrowHalfWidth = 0.55;
constexpr double kHatchSpacing = 1.1;
constexpr double kHatchDepth = 0.9;
// Text is laid out at this pixel size and scaled down, so glyph outlines come out exact
// whatever the resolution (no hinting at small sizes).
constexpr int kLayoutPixels = 1000;

double penWidth(Weight weight) {
    switch (weight) {
    case Weight::Outline:
        return 0.30;
    case Weight::Cord:
        return 0.24;
    case Weight::Thin:
        return 0.17;
    }
    return 0.30;
}

QFont labelFont(double scale, bool italic) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(int(std::lround(kLayoutPixels * scale)));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

} // namespace

QPointF direction(double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {std::cos(radians), -std::sin(radians)};
}

QPen Sketch::pen(Weight weight, Dash dash) const {
    QPen result(kInk, penWidth(weight) * inkScale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Dash lengths are in pen widths.
    if (dash == Dash::Dashed) {
        result.setCapStyle(Qt::FlatCap);
        result.setDashPattern({6, 4});
    } else if (dash == Dash::DashDot) {
        result.setCapStyle(Qt::FlatCap);
        result.setDashPattern({10, 3.5, 2, 3.5});
    }
    return result;
}

void Sketch::line(QPointF a, QPointF b, Weight weight, Dash dash) {
    painter_.setPen(pen(weight, dash));
    painter_.drawLine(a, b);
}

void Sketch::polyline(const QPolygonF& points, Weight weight) {
    painter_.setPen(pen(weight));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(points);
}

void Sketch::polygon(const QPolygonF& points, const QColor& fill, Weight weight) {
    painter_.setPen(pen(weight));
    painter_.setBrush(fill);
    painter_.drawPolygon(points);
}

void Sketch::circle(QPointF centre, double radius, const QColor& fill, Weight weight) {
    painter_.setPen(pen(weight));
    painter_.setBrush(fill);
    painter_.drawEllipse(centre, radius, radius);
}

void Sketch::ellipse(QPointF centre, double rx, double ry, Weight weight, Dash dash) {
    painter_.setPen(pen(weight, dash));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(centre, rx, ry);
}

void Sketch::arc(QPointF centre, double radius, double fromDegrees, double spanDegrees,
                 Weight weight) {
    painter_.setPen(pen(weight));
    painter_.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter_.drawArc(box, int(std::lround(fromDegrees * 16)), int(std::lround(spanDegrees * 16)));
}

void Sketch::arrow(QPointF from, QPointF to, Weight weight, bool bothEnds) {
    const QPointF along = (to - from) / length(to - from);
    const QPointF across(-along.y(), along.x());
    auto head = [&](QPointF tip, QPointF forward) {
        const QPointF back = tip - forward * kArrowLength;
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(kInk);
        painter_.drawPolygon(
            QPolygonF{tip, back + across * kArrowHalfWidth, back - across * kArrowHalfWidth});
    };
    // The shaft stops inside the head so its round cap cannot poke out of the tip.
    const QPointF end = to - along * (kArrowLength * 0.6);
    const QPointF start = bothEnds ? from + along * (kArrowLength * 0.6) : from;
    line(start, end, weight);
    head(to, along);
    if (bothEnds) head(from, -along);
}

void Sketch::hatchedSurface(QPointF a, QPointF b, QPointF inward) {
    const double span = length(b - a);
    const QPointF along = (b - a) / span;
    const QPointF stroke = (inward + along) * kHatchDepth;
    for (double t = kHatchSpacing * 0.5; t + kHatchDepth <= span; t += kHatchSpacing) {
        line(a + along * t, a + along * t + stroke, Weight::Thin);
    }
    line(a, b, Weight::Outline);
}

void Sketch::spring(QPointF top, QPointF bottom, double halfWidth, int bends) {
    const double lead = 1.2;
    const double coil = bottom.y() - top.y() - 2 * lead;
    QPolygonF points{top, top + QPointF(0, lead)};
    for (int i = 0; i < bends; ++i) {
        const double side = i % 2 == 0 ? 1.0 : -1.0;
        points << QPointF(top.x() + side * halfWidth, top.y() + lead + (i + 0.5) * coil / bends);
    }
    points << bottom - QPointF(0, lead) << bottom;
    polyline(points, Weight::Cord);
}

QPolygonF Sketch::block(QPointF base, double degrees, double width, double height,
                        const QColor& fill) {
    const QPointF along = direction(degrees);
    const QPointF up = direction(degrees + 90);
    const QPointF left = base - along * (width / 2);
    const QPointF right = base + along * (width / 2);
    const QPolygonF corners{left, right, right + up * height, left + up * height};
    polygon(corners, fill);
    return corners;
}

void Sketch::pulley(QPointF centre, double radius) {
    circle(centre, radius, kPaper);
    circle(centre, radius * 0.62, Qt::transparent, Weight::Thin);
    circle(centre, 0.45, kInk, Weight::Thin);
}

void Sketch::label(QPointF centre, const Label& text, double size) {
    QPainterPath path;
    const QFont mainFont = labelFont(1.0, true);
    path.addText(0, 0, mainFont, text.main);
    if (!text.sub.isEmpty()) {
        // The subscript is upright, two thirds of the size, and hangs below the baseline.
        const double advance = QFontMetricsF(mainFont).horizontalAdvance(text.main);
        const double gap = 0.03 * kLayoutPixels; // clears the italic overhang
        path.addText(advance + gap, 0.22 * kLayoutPixels, labelFont(0.66, false), text.sub);
    }
    const QRectF ink = path.boundingRect();
    const double scale = size * inkScale_ / kLayoutPixels;
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(scale, scale);
    place.translate(-ink.center().x(), -ink.center().y());
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kInk);
    painter_.drawPath(place.map(path));
}

} // namespace vornith::diagrams
