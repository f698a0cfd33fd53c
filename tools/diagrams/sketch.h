// Line-art drawing for the diagram pictures, in millimetres of the printed picture with y
// downwards. Angles are in degrees as the eye reads them: 0 points right, 90 points up.

#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <utility>

namespace vornith::diagrams {

// Unit vector of a direction `degrees` counterclockwise from the right (y downwards).
QPointF direction(double degrees);

// Greys of the pictures; every one falls on the 16-level palette the files are stored with.
inline const QColor kInk{0, 0, 0};
inline const QColor kBlockFill{221, 221, 221};
inline const QColor kSolidFill{238, 238, 238};
inline const QColor kPaper{255, 255, 255};

enum class Weight { Outline, Cord, Thin };
enum class Dash { Solid, Dashed, DashDot };

// One label: an italic quantity name and an optional upright subscript set smaller and lower
// after it, as in m₁.
struct Label {
    Label(QString mainText, QString subscript = {})
        : main(std::move(mainText)), sub(std::move(subscript)) {}
    QString main;
    QString sub;
};

class Sketch {
  public:
    // `inkScale` multiplies pen widths and label sizes: a drawing shrunk to make room keeps the
    // weight of its lines and the size of its labels.
    explicit Sketch(QPainter& painter, double inkScale = 1.0)
        : painter_(painter), inkScale_(inkScale) {}

    void line(QPointF a, QPointF b, Weight weight = Weight::Outline, Dash dash = Dash::Solid);
    void polyline(const QPolygonF& points, Weight weight = Weight::Outline);
    void polygon(const QPolygonF& points, const QColor& fill, Weight weight = Weight::Outline);
    void circle(QPointF centre, double radius, const QColor& fill, Weight weight = Weight::Outline);
    void ellipse(QPointF centre, double rx, double ry, Weight weight, Dash dash);
    // An arc from `fromDegrees` turning `spanDegrees` counterclockwise.
    void arc(QPointF centre, double radius, double fromDegrees, double spanDegrees,
             Weight weight = Weight::Thin);
    // A line ending in a filled arrowhead at `to` (and at `from` too when `bothEnds`).
    void arrow(QPointF from, QPointF to, Weight weight = Weight::Cord, bool bothEnds = false);
    // A solid surface along a-b: the line with short slanted strokes on the side of `inward`
    // (a unit vector pointing into the solid).
    void hatchedSurface(QPointF a, QPointF b, QPointF inward);
    // A coil spring between two points on a vertical, drawn as a zigzag of `bends` bends.
    void spring(QPointF top, QPointF bottom, double halfWidth, int bends);
    // A rectangular block standing on a surface of slope `degrees`: `base` is the middle of
    // its bottom side. Returns its corners, bottom left first, counterclockwise.
    QPolygonF block(QPointF base, double degrees, double width, double height,
                    const QColor& fill = kBlockFill);
    // A pulley: a wheel on a visible axle.
    void pulley(QPointF centre, double radius);
    // Draws a label whose ink is centred on `centre`; `size` is the font's em in mm.
    void label(QPointF centre, const Label& text, double size = kLabelSize);

    QPainter& painter() { return painter_; }

    static constexpr double kLabelSize = 3.4;

  private:
    QPen pen(Weight weight, Dash dash = Dash::Solid) const;

    QPainter& painter_;
    double inkScale_;
};

} // namespace vornith::diagrams
