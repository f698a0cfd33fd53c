#include "diagrams.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace vornith::diagrams {
namespace {

constexpr double kPulleyRadius = 2.0;
constexpr double kSlabThickness = 1.4;

QPointF unit(QPointF v) {
    return v / std::hypot(v.x(), v.y());
}

// Angle of the line from `a` up to `b`, in degrees as the eye reads it.
double angleOf(QPointF a, QPointF b) {
    return std::atan2(a.y() - b.y(), b.x() - a.x()) * 180.0 / std::numbers::pi;
}

// Floor along the whole bottom of a picture, the ground below it.
void drawFloor(Sketch& s, double width, double y) {
    s.hatchedSurface({0.3, y}, {width - 0.3, y}, {0, 1});
}

// Ceiling across a picture, the solid above it.
void drawCeiling(Sketch& s, double left, double right, double y) {
    s.hatchedSurface({left, y}, {right, y}, {0, -1});
}

// A table top from `left` to `right` at height `top` on two legs standing on the floor.
void drawTable(Sketch& s, double left, double right, double top, double floor) {
    const double legTop = top + kSlabThickness;
    for (const double x : {left + 1.2, right - 2.4}) {
        s.polygon({{x, legTop}, {x + 1.2, legTop}, {x + 1.2, floor}, {x, floor}}, kSolidFill);
    }
    s.polygon({{left, top}, {right, top}, {right, legTop}, {left, legTop}}, kSolidFill);
}

// A pulley on a short bracket at a table corner; the cord runs over its top at `cordY`.
// Returns the axle. `side` is +1 at the right edge of the table, -1 at the left edge.
QPointF drawEdgePulley(Sketch& s, double edgeX, double tableTop, double cordY, int side) {
    const QPointF axle(edgeX + side * 1.6, cordY + kPulleyRadius);
    s.line({edgeX, tableTop + kSlabThickness / 2}, axle, Weight::Outline);
    s.pulley(axle, kPulleyRadius);
    return axle;
}

// A block hanging from a cord: the cord from `cordTop` down to the block top at `blockTop`.
void drawHangingBlock(Sketch& s, QPointF cordTop, double blockTop, double width, double height,
                      const Label& name) {
    s.line(cordTop, {cordTop.x(), blockTop}, Weight::Cord);
    s.block({cordTop.x(), blockTop + height}, 0, width, height);
    s.label({cordTop.x(), blockTop + height / 2}, name);
}

// Angle mark at a corner of a slope: an arc between `fromDegrees` and `fromDegrees + span`
// with the label on its bisector.
void drawAngle(Sketch& s, QPointF vertex, double fromDegrees, double span, double radius,
               const Label& name) {
    s.arc(vertex, radius, fromDegrees, span);
    s.label(vertex + direction(fromDegrees + span / 2) * (radius + 2.8), name);
}

// Atwood machine: a pulley hung from the ceiling, m1 and m2 hanging level at either side.
void drawAtwood(Sketch& s) {
    const double cx = 19.25 / 2;
    const double radius = 4.2;
    const QPointF axle(cx, 7.2);
    drawCeiling(s, 2.6, 16.65, 2.0);
    s.pulley(axle, radius);
    // The fork that holds the axle, in front of the wheel.
    s.polyline({{cx - 1.2, 2.0}, axle, {cx + 1.2, 2.0}});
    s.circle(axle, 0.45, kInk, Weight::Thin);
    drawHangingBlock(s, {cx - radius, axle.y()}, 18.0, 6.6, 6.2, {"m", "1"});
    drawHangingBlock(s, {cx + radius, axle.y()}, 18.0, 6.6, 6.2, {"m", "2"});
}

// m1 on a table, tied over a pulley at the table's edge to m2 hanging beside it.
void drawTableTwoBlocks(Sketch& s) {
    const double floor = 21.0;
    const double top = 8.0;
    const double edge = 24.0;
    const double cordY = top - 3.0;
    drawFloor(s, 33.46, floor);
    drawTable(s, 0.8, edge, top, floor);
    s.block({10.0, top}, 0, 8.0, 6.0);
    s.label({10.0, cordY}, {"m", "1"});
    const QPointF axle = drawEdgePulley(s, edge, top, cordY, 1);
    s.line({14.0, cordY}, {axle.x(), cordY}, Weight::Cord);
    drawHangingBlock(s, {axle.x() + kPulleyRadius, axle.y()}, 12.0, 7.0, 6.0, {"m", "2"});
}

// m1 on a plane inclined at α, tied over a pulley at its top to m2 hanging down its side.
void drawInclineTwoBlocks(Sketch& s) {
    const double ground = 20.6;
    const QPointF foot(2.2, ground);
    const QPointF top(35.5, 5.0);
    const double slope = angleOf(foot, top);
    const QPointF along = direction(slope);
    const QPointF up = direction(slope + 90);
    const double blockWidth = 8.0;
    const double blockHeight = 5.5;

    drawFloor(s, 45.6, ground);
    s.polygon({foot, {top.x(), ground}, top}, kSolidFill);
    const QPointF base = foot + along * (0.55 * std::hypot(top.x() - foot.x(), top.y() - foot.y()));
    s.block(base, slope, blockWidth, blockHeight);
    s.label(base + up * (blockHeight / 2), {"m", "1"});

    // The cord leaves the block parallel to the slope and runs over the top of the pulley.
    const QPointF axle = top + along * 2.6 + up * (blockHeight / 2 - kPulleyRadius);
    s.line(top, axle, Weight::Outline);
    s.line(base + along * (blockWidth / 2) + up * (blockHeight / 2), axle + up * kPulleyRadius,
           Weight::Cord);
    s.pulley(axle, kPulleyRadius);
    drawHangingBlock(s, {axle.x() + kPulleyRadius, axle.y()}, 10.5, 6.4, 5.5, {"m", "2"});
    drawAngle(s, foot, 0, slope, 7.5, {"α"});
}

// m2 on a table between m1 and m3, which hang over pulleys at the two edges.
void drawTableThreeBlocks(Sketch& s) {
    const double width = 42.93;
    const double floor = 21.0;
    const double top = 8.0;
    const double left = 7.6;
    const double right = width - left;
    const double cordY = top - 3.0;
    const double middle = width / 2;
    drawFloor(s, width, floor);
    drawTable(s, left, right, top, floor);
    s.block({middle, top}, 0, 9.0, 6.0);
    s.label({middle, cordY}, {"m", "2"});
    const QPointF leftAxle = drawEdgePulley(s, left, top, cordY, -1);
    const QPointF rightAxle = drawEdgePulley(s, right, top, cordY, 1);
    s.line({middle - 4.5, cordY}, {leftAxle.x(), cordY}, Weight::Cord);
    s.line({middle + 4.5, cordY}, {rightAxle.x(), cordY}, Weight::Cord);
    drawHangingBlock(s, {leftAxle.x() - kPulleyRadius, leftAxle.y()}, 12.0, 6.4, 5.5, {"m", "1"});
    drawHangingBlock(s, {rightAxle.x() + kPulleyRadius, rightAxle.y()}, 12.0, 6.4, 5.5, {"m", "3"});
}

// A spring k hanging from the ceiling, unloaded on the left; on the right the same spring
// holds the body m and is stretched by y.
void drawHooke(Sketch& s) {
    const double ceiling = 2.2;
    const double freeEnd = 12.5;
    const double loadedEnd = 18.5;
    const double unloadedX = 5.6;
    const double loadedX = 13.2;
    const double bodyWidth = 7.5;
    const double gaugeX = 20.8;
    drawCeiling(s, 0.6, 22.9, ceiling);
    s.spring({unloadedX, ceiling}, {unloadedX, freeEnd}, 1.5, 10);
    s.spring({loadedX, ceiling}, {loadedX, loadedEnd}, 1.5, 10);
    s.block({loadedX, loadedEnd + 6.0}, 0, bodyWidth, 6.0);
    s.label({loadedX, loadedEnd + 3.0}, {"m"});
    s.label({2.4, 7.4}, {"k"});
    s.line({unloadedX + 1.0, freeEnd}, {gaugeX + 1.3, freeEnd}, Weight::Thin, Dash::Dashed);
    s.line({loadedX + bodyWidth / 2 + 0.6, loadedEnd}, {gaugeX + 1.3, loadedEnd}, Weight::Thin,
           Dash::Dashed);
    s.arrow({gaugeX, freeEnd}, {gaugeX, loadedEnd}, Weight::Thin, true);
    s.label({18.1, (freeEnd + loadedEnd) / 2}, {"y"});
}

// Conical pendulum: a cord of length L from a point of the ceiling, at θ to the vertical,
// its particle m turning on a horizontal circle of radius r.
void drawConicalPendulum(Sketch& s) {
    const QPointF pivot(27.52 / 2, 2.2);
    const QPointF centre(pivot.x(), 21.4);
    const double rx = 10.4;
    const double ry = 3.2;
    const QPointF bob(centre.x() + rx, centre.y());
    drawCeiling(s, 6.0, 21.5, pivot.y());
    s.line(pivot, centre, Weight::Thin, Dash::DashDot);
    s.ellipse(centre, rx, ry, Weight::Thin, Dash::Dashed);
    // Sense of turning, on the near side of the path.
    s.arrow({centre.x() - 2.2, centre.y() + ry}, {centre.x() + 0.6, centre.y() + ry}, Weight::Thin);
    s.line(centre, bob, Weight::Thin);
    s.circle(centre, 0.35, kInk, Weight::Thin);
    s.line(pivot, bob, Weight::Cord);
    s.circle(bob, 1.25, kInk, Weight::Thin);

    const double cord = angleOf(bob, pivot) - 180; // pointing from the pivot down to the bob
    drawAngle(s, pivot, -90, cord + 90, 5.2, {"θ"});
    const QPointF along = unit(bob - pivot);
    s.label((pivot + bob) / 2 + QPointF(along.y(), -along.x()) * 2.3, {"L"});
    s.label({centre.x() + rx * 0.4, centre.y() + 1.4}, {"r"});
    s.label({bob.x(), bob.y() + 3.4}, {"m"});
}

// A block m at the top of a plane inclined at α, about to slide down it.
void drawBlockAtTop(Sketch& s) {
    const double ground = 22.4;
    const QPointF top(3.0, 6.4);
    const QPointF foot(46.8, ground);
    const double slope = -angleOf(top, foot); // the rise seen from the foot
    const QPointF down = direction(-slope);   // along the plane, downhill
    const QPointF up = direction(90 - slope); // out of the plane
    const double blockWidth = 9.0;
    const double blockHeight = 6.0;
    drawFloor(s, 49.74, ground);
    s.polygon({{top.x(), ground}, foot, top}, kSolidFill);
    const QPointF base = top + down * (blockWidth / 2 + 1.0);
    s.block(base, -slope, blockWidth, blockHeight);
    s.label(base + up * (blockHeight / 2), {"m"});
    const QPointF start = top + down * (blockWidth + 3.5) + up * 1.6;
    s.arrow(start, start + down * 8.0);
    drawAngle(s, foot, 180 - slope, slope, 8.0, {"α"});
}

// A block m at the foot of a plane inclined at α, moving up it.
void drawBlockAtFoot(Sketch& s) {
    const double ground = 20.6;
    const QPointF foot(1.2, ground);
    const QPointF top(44.4, 3.4);
    const double slope = angleOf(foot, top);
    const QPointF along = direction(slope);
    const QPointF up = direction(slope + 90);
    const double blockWidth = 8.5;
    const double blockHeight = 5.5;
    drawFloor(s, 45.6, ground);
    s.polygon({foot, {top.x(), ground}, top}, kSolidFill);
    const QPointF base = foot + along * (blockWidth / 2 + 3.0);
    s.block(base, slope, blockWidth, blockHeight);
    s.label(base + up * (blockHeight / 2), {"m"});
    const QPointF start = foot + along * (blockWidth + 4.0) + up * 1.6;
    s.arrow(start, start + along * 8.0);
    drawAngle(s, foot, 0, slope, 7.5, {"α"});
}

// A car seen from behind on the banked road of a curve; the bank rises at α.
void drawBankedCurve(Sketch& s) {
    const double ground = 20.6;
    const double bank = 20.0;
    const QPointF inner(2.0, ground);
    const double outerX = 44.4;
    const QPointF outer(outerX,
                        ground - (outerX - inner.x()) * std::tan(bank * std::numbers::pi / 180));
    drawFloor(s, 45.6, ground);
    s.polygon({inner, {outerX, ground}, outer}, kSolidFill);

    // The car in its own frame: x along the road, y downwards from the road surface.
    QPainter& p = s.painter();
    p.save();
    const QPointF base = inner + direction(bank) * 24.0;
    p.translate(base);
    p.rotate(-bank);
    for (const double x : {-5.6, 3.2}) {
        s.polygon({{x, -3.2}, {x + 2.4, -3.2}, {x + 2.4, 0}, {x, 0}}, kInk, Weight::Thin);
    }
    s.polygon({{-5.2, -7.0}, {5.2, -7.0}, {3.9, -10.6}, {-3.9, -10.6}}, kBlockFill);
    s.polygon({{-4.3, -7.6}, {4.3, -7.6}, {3.4, -10.0}, {-3.4, -10.0}}, kPaper, Weight::Thin);
    s.polygon({{-6.6, -7.0}, {6.6, -7.0}, {6.6, -2.4}, {-6.6, -2.4}}, kBlockFill);
    for (const double x : {-6.0, 4.2}) {
        s.polygon({{x, -6.3}, {x + 1.8, -6.3}, {x + 1.8, -5.1}, {x, -5.1}}, kPaper, Weight::Thin);
    }
    s.polygon({{-2.0, -5.4}, {2.0, -5.4}, {2.0, -4.0}, {-2.0, -4.0}}, kPaper, Weight::Thin);
    s.line({-6.6, -3.3}, {6.6, -3.3}, Weight::Thin);
    p.restore();

    drawAngle(s, inner, 0, bank, 8.0, {"α"});
}

constexpr std::array kDiagrams{
    Diagram{"F_DIN_ATWOOD.GIF", 19.25, 28, &drawAtwood},
    Diagram{"F_DIN_ME2M.GIF", 33.46, 22, &drawTableTwoBlocks},
    Diagram{"F_DIN_pis2M.GIF", 45.6, 22, &drawInclineTwoBlocks},
    Diagram{"F_DIN_ME3M.GIF", 42.93, 22, &drawTableThreeBlocks},
    Diagram{"F_DIN_HOOKE.GIF", 23.52, 28, &drawHooke},
    Diagram{"F_DIN_PENCON.GIF", 27.52, 28, &drawConicalPendulum},
    Diagram{"f_din_pis.GIF", 49.74, 24, &drawBlockAtTop},
    Diagram{"f_din_pii.GIF", 45.6, 22, &drawBlockAtFoot},
    Diagram{"f_din_peral.GIF", 45.6, 22, &drawBankedCurve},
};

} // namespace

std::span<const Diagram> allDiagrams() {
    return kDiagrams;
}

// The palette index of the transparent paper, after the sixteen greys.
constexpr uchar kTransparente = 16;

QImage toGreyPalette(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage grey(argb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int level = 0; level < 16; ++level)
        table.append(qRgb(17 * level, 17 * level, 17 * level));
    table.append(qRgba(255, 255, 255, 0)); // the paper: transparent
    grey.setColorTable(table);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 128) {
                out[x] = kTransparente;
                continue;
            }
            // Ink on paper: the grey of the pixel laid on white.
            const int gris = (qGray(in[x]) * alpha + 255 * (255 - alpha)) / 255;
            out[x] = uchar((gris + 8) / 17);
        }
    }
    return grey;
}

QImage renderDiagram(const Diagram& diagram, double dotsPerInch) {
    const double pixelsPerMm = dotsPerInch / 25.4;
    const int width = int(std::lround(diagram.widthMm * pixelsPerMm));
    const int height = int(std::lround(diagram.heightMm * pixelsPerMm));
    // The paper stays transparent, so that a picture laid over text hides none of it; shapes
    // filled with paper white stay opaque.
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(width / diagram.widthMm, height / diagram.heightMm);
        // The drawing, shrunk about its top middle, fills the picture below the blank band.
        const double shrink = (diagram.heightMm - kTopBandMm) / diagram.heightMm;
        painter.translate(diagram.widthMm * (1 - shrink) / 2, kTopBandMm);
        painter.scale(shrink, shrink);
        Sketch sketch(painter, 1 / shrink);
        diagram.draw(sketch);
    }
    return toGreyPalette(canvas);
}

} // namespace vornith::diagrams
