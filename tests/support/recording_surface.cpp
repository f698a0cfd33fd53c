#include "support/recording_surface.h"

#include <cmath>

namespace vornith::test {

RecordingSurface::RecordingSurface(SurfaceKind kind, int widthPixels, int heightPixels,
                                   double twipsPerPixel)
    : kind_(kind), widthPx_(widthPixels), heightPx_(heightPixels), tpp_(twipsPerPixel) {}

DrawState RecordingSurface::state() const {
    return {fontName_, fontSize_, bold_, italic_, underline_, strikethru_, fore_, drawWidth_, fill_};
}

int RecordingSurface::fontAscentPixels() const {
    return static_cast<int>(std::lround(18.0 * fontSize_ / tpp_));
}

void RecordingSurface::record(DrawOp::Kind kind, double x1, double y1, double x2, double y2,
                              Rgb colour, const QString& text) {
    ops_.push_back({kind, x1, y1, x2, y2, text, colour, state()});
}

void RecordingSurface::print(const QString& text) {
    const double w = textWidth(text);
    record(DrawOp::Kind::Text, x_, y_, x_ + w, y_ + textHeight(text), fore_, text);
    x_ += w;
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Rgb colour,
                            LineShape shape) {
    const DrawOp::Kind kind = shape == LineShape::Line  ? DrawOp::Kind::Line
                              : shape == LineShape::Box ? DrawOp::Kind::Box
                                                        : DrawOp::Kind::FilledBox;
    record(kind, x1, y1, x2, y2, colour);
    x_ = x2;
    y_ = y2;
}

void RecordingSurface::circle(double cx, double cy, double radius, Rgb colour) {
    record(DrawOp::Kind::Circle, cx, cy, radius, 0, colour);
    x_ = cx;
    y_ = cy;
}

void RecordingSurface::invertBox(double x1, double y1, double x2, double y2) {
    record(DrawOp::Kind::Invert, x1, y1, x2, y2, 0);
}

void RecordingSurface::paintPicture(const Picture&, double x, double y, double width,
                                    double height) {
    record(DrawOp::Kind::Picture, x, y, width, height, 0);
}

void RecordingSurface::clear() {
    record(DrawOp::Kind::Clear, 0, 0, 0, 0, 0);
    x_ = 0;
    y_ = 0;
}

} // namespace vornith::test
