// Pictures of the main window: the twelve toolbar buttons in their four faces, the toolbar
// background, the page-turn arrows, the pointer of the edit zone and the splash picture.

#include "dibujos.h"
#include "pinceles.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace vornith::ui_pictures {
namespace {

constexpr int kFaceWidth = 60;
constexpr int kFaceHeight = 53;

const QColor kOutline{52, 62, 76};

QPen outlinePen(const QColor& colour = kOutline, double width = 1.2) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(double top, double bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void page(QPainter& p, const QRectF& r, double fold) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(vertical(r.top(), r.bottom(), Qt::white, QColor(226, 232, 240)));
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(200, 210, 222));
    p.drawPath(corner);
}

void textLines(QPainter& p, double x1, double x2, double y, int lines, double step) {
    p.setPen(QPen(QColor(120, 140, 170), 1.2));
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(x1, y + i * step), QPointF(x2, y + i * step));
}

// A curved arrow turning from its tail at the right over the top to its head at the left.
void curvedArrow(QPainter& p, const QColor& colour, bool towardsLeft) {
    p.save();
    if (!towardsLeft) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(26, 25);
    arc.cubicTo(28, 10, 14, 6, 8, 14);
    QPen pen(colour.darker(130), 6.5);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    pen.setColor(colour);
    pen.setWidthF(4.2);
    p.setPen(pen);
    p.drawPath(arc);
    QPolygonF head;
    head << QPointF(2, 9) << QPointF(13, 8) << QPointF(6, 20);
    p.setPen(outlinePen(colour.darker(140), 1.0));
    p.setBrush(colour);
    p.drawPolygon(head);
    p.restore();
}

void drawOpen(QPainter& p) {
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(14, 11);
    back.lineTo(27, 11);
    back.lineTo(27, 27);
    back.lineTo(3, 27);
    back.closeSubpath();
    p.setPen(outlinePen(QColor(138, 100, 24)));
    p.setBrush(vertical(8, 27, QColor(236, 186, 74), QColor(206, 150, 40)));
    p.drawPath(back);
    page(p, QRectF(7, 5, 16, 15), 4);
    QPolygonF flap;
    flap << QPointF(3, 27) << QPointF(8, 15) << QPointF(31, 15) << QPointF(27, 27);
    p.setPen(outlinePen(QColor(138, 100, 24)));
    p.setBrush(vertical(15, 27, QColor(252, 222, 136), QColor(238, 190, 82)));
    p.drawPolygon(flap);
}

void drawNew(QPainter& p) {
    page(p, QRectF(6, 3, 19, 26), 6);
    textLines(p, 9, 20, 13, 4, 4);
    // A sparkle on the corner: the page is new.
    QPainterPath star;
    const QPointF c(25, 7);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const double r = i % 2 == 0 ? 6.5 : 2.2;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(outlinePen(QColor(190, 110, 0), 1.0));
    p.setBrush(QColor(255, 196, 40));
    p.drawPath(star);
}

void drawSave(QPainter& p) {
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 4, 24, 24), 2.5, 2.5);
    p.setPen(outlinePen(QColor(24, 52, 100)));
    p.setBrush(vertical(4, 28, QColor(84, 136, 212), QColor(40, 88, 160)));
    p.drawPath(body);
    p.setPen(outlinePen(QColor(90, 100, 110), 1.0));
    p.setBrush(vertical(4, 13, QColor(236, 240, 244), QColor(180, 190, 200)));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(60, 70, 84));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(18, 6, 3, 5));
    p.setPen(outlinePen(QColor(150, 160, 170), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 10));
    textLines(p, 10, 22, 20.5, 2, 3.5);
}

void drawRegenerate(QPainter& p) {
    const QColor green(46, 139, 87);
    QPen pen(green, 3.6);
    pen.setCapStyle(Qt::FlatCap);
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.translate(16, 16);
        p.rotate(half * 180);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-10.5, -10.5, 21, 21), 200 * 16, 130 * 16);
        QPolygonF head;
        head << QPointF(-2, -15.5) << QPointF(6, -10.5) << QPointF(-2, -5.5);
        p.setPen(outlinePen(green.darker(140), 1.0));
        p.setBrush(green.lighter(115));
        p.drawPolygon(head);
        p.restore();
    }
    // The collection being made again: a small page in the middle.
    page(p, QRectF(12, 11, 9, 11), 3);
}

void drawUndo(QPainter& p) {
    curvedArrow(p, QColor(52, 104, 184), true);
}

void drawRedo(QPainter& p) {
    curvedArrow(p, QColor(52, 104, 184), false);
}

void drawCut(QPainter& p) {
    QPen blade(QColor(110, 118, 128), 3.2);
    blade.setCapStyle(Qt::RoundCap);
    p.setPen(blade);
    p.drawLine(QPointF(11, 20), QPointF(23, 2));
    p.drawLine(QPointF(21, 20), QPointF(9, 2));
    p.setPen(QPen(QColor(220, 226, 232), 1.2));
    p.drawLine(QPointF(12, 18), QPointF(22, 3));
    p.drawLine(QPointF(20, 18), QPointF(10, 3));
    p.setBrush(QColor(70, 76, 84));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16, 12.5), 1.6, 1.6);
    QPen handle(QColor(200, 40, 40), 3.2);
    p.setPen(handle);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9, 24.5), 5, 4.5);
    p.drawEllipse(QPointF(23, 24.5), 5, 4.5);
}

void drawCopy(QPainter& p) {
    page(p, QRectF(4, 3, 16, 20), 5);
    textLines(p, 7, 15, 11, 3, 3.5);
    page(p, QRectF(12, 10, 16, 20), 5);
    textLines(p, 15, 24, 18, 3, 3.5);
}

void drawPaste(QPainter& p) {
    QPainterPath board;
    board.addRoundedRect(QRectF(5, 5, 22, 25), 2.5, 2.5);
    p.setPen(outlinePen(QColor(110, 70, 24)));
    p.setBrush(vertical(5, 30, QColor(204, 146, 80), QColor(164, 108, 48)));
    p.drawPath(board);
    page(p, QRectF(9, 9, 15, 18), 4);
    textLines(p, 11, 20, 16, 3, 3.5);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(11, 2, 10, 6), 1.5, 1.5);
    p.setPen(outlinePen(QColor(80, 86, 96), 1.0));
    p.setBrush(vertical(2, 8, QColor(236, 240, 244), QColor(150, 160, 172)));
    p.drawPath(clip);
}

void drawPrint(QPainter& p) {
    page(p, QRectF(9, 2, 14, 11), 3);
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
    p.setPen(outlinePen(QColor(60, 66, 74)));
    p.setBrush(vertical(11, 23, QColor(200, 206, 214), QColor(130, 138, 150)));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QPointF(24.5, 15), 1.4, 1.4);
    p.setPen(outlinePen());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 11));
    textLines(p, 10, 21, 23, 2, 3.5);
}

void drawZoom(QPainter& p) {
    QPen handle(QColor(60, 50, 40), 5.5);
    handle.setCapStyle(Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    QRadialGradient lens(QPointF(11, 10), 12);
    lens.setColorAt(0, QColor(240, 250, 255));
    lens.setColorAt(1, QColor(150, 200, 236));
    p.setPen(QPen(QColor(70, 80, 96), 2.6));
    p.setBrush(lens);
    p.drawEllipse(QPointF(13, 13), 9.5, 9.5);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(7, 7, 12, 12), 100 * 16, 70 * 16);
}

void drawHelp(QPainter& p) {
    QRadialGradient ball(QPointF(12, 10), 18);
    ball.setColorAt(0, QColor(110, 170, 240));
    ball.setColorAt(1, QColor(30, 84, 168));
    p.setPen(outlinePen(QColor(20, 50, 110)));
    p.setBrush(ball);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

struct Button {
    const char* file;
    const char* word;
    void (*draw)(QPainter&);
};

// In toolbar order; the word is the button's Tag.
const std::array<Button, 12> kButtons{{
    {"abrir", "Abrir", drawOpen},
    {"nueva", "Nueva", drawNew},
    {"guardar", "Guardar", drawSave},
    {"regenerar", "Regenerar", drawRegenerate},
    {"deshacer", "Deshacer", drawUndo},
    {"rehacer", "Rehacer", drawRedo},
    {"cortar", "Cortar", drawCut},
    {"copiar", "Copiar", drawCopy},
    {"pegar", "Pegar", drawPaste},
    {"imprimir", "Imprimir", drawPrint},
    {"zoom", "Zoom", drawZoom},
    {"ayuda", "Ayuda", drawHelp},
}};

enum class Face { Normal, Hover, Pressed, Disabled };

QImage icon(const Button& button) {
    QImage image = lienzo(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    button.draw(p);
    return image;
}

// Grey and faint, as a disabled icon looks.
QImage greyed(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = 150 + qGray(line[x]) * 90 / 255;
            line[x] = qRgba(g, g, g, qAlpha(line[x]) * 3 / 4);
        }
    }
    return out;
}

QImage face(const Button& button, Face kind) {
    QImage image = lienzo(kFaceWidth, kFaceHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF frame(1.5, 1.5, kFaceWidth - 3, kFaceHeight - 3);
    if (kind == Face::Hover) {
        p.setPen(QPen(QColor(122, 166, 194), 1));
        p.setBrush(vertical(frame.top(), frame.bottom(), QColor(255, 255, 255, 235),
                            QColor(214, 232, 244, 235)));
        p.drawRoundedRect(frame, 4, 4);
    } else if (kind == Face::Pressed) {
        p.setPen(QPen(QColor(74, 126, 160), 1));
        p.setBrush(
            vertical(frame.top(), frame.bottom(), QColor(176, 204, 224), QColor(210, 226, 238)));
        p.drawRoundedRect(frame, 4, 4);
    }
    const int shift = kind == Face::Pressed ? 1 : 0;
    const QImage picture = kind == Face::Disabled ? greyed(icon(button)) : icon(button);
    p.drawImage(14 + shift, 3 + shift, picture);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(kind == Face::Disabled ? QColor(160, 164, 168) : QColor(40, 44, 52));
    p.drawText(QRectF(shift, 36 + shift, kFaceWidth, 14), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromLatin1(button.word));
    return image;
}

QImage toolbarBackground() {
    QImage image(16, 55, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 55);
    g.setColorAt(0, QColor(252, 252, 248));
    g.setColorAt(0.55, QColor(244, 244, 236));
    g.setColorAt(1, QColor(226, 232, 228));
    p.fillRect(image.rect(), g);
    return image;
}

QImage pageArrow(bool left, bool pressed) {
    QImage image = lienzo(22, 21);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 21, 20);
    p.setPen(QPen(QColor(120, 130, 140), 1));
    p.setBrush(pressed ? vertical(0, 21, QColor(188, 204, 218), QColor(222, 232, 240))
                       : vertical(0, 21, QColor(255, 255, 255), QColor(214, 222, 230)));
    p.drawRoundedRect(r, 3, 3);
    QPolygonF tri;
    if (left)
        tri << QPointF(6, 10.5) << QPointF(14.5, 5) << QPointF(14.5, 16);
    else
        tri << QPointF(16, 10.5) << QPointF(7.5, 5) << QPointF(7.5, 16);
    p.setPen(outlinePen(QColor(30, 60, 110), 1));
    p.setBrush(pressed ? QColor(30, 70, 140) : QColor(52, 104, 184));
    p.drawPolygon(tri);
    return image;
}

// An arrow pointer with a highlighted block beside it: clicking here selects a problem. The
// hot spot is the arrow's tip at (1, 1).
QImage editPointer() {
    QImage image = lienzo(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(30, 70, 150));
    p.drawRect(QRectF(15.5, 17.5, 14, 11));
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(18, 21), QPointF(27, 21));
    p.drawLine(QPointF(18, 25), QPointF(25, 25));
    QPolygonF arrow;
    arrow << QPointF(1, 1) << QPointF(1, 17) << QPointF(5, 13) << QPointF(8, 20)
          << QPointF(10.5, 19) << QPointF(7.5, 12) << QPointF(13, 12);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    return image;
}

// The picture of the splash window: a block on an inclined plane below the flight of a
// thrown ball.
QImage splashPicture() {
    QImage image(180, 230, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), vertical(0, 230, QColor(22, 58, 112), QColor(70, 130, 196)));
    // The thrown ball's path, dashed, and the ball near its top.
    QPainterPath flight;
    flight.moveTo(14, 150);
    flight.quadTo(92, -10, 168, 150);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.6, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flight);
    QRadialGradient ball(QPointF(118, 62), 9);
    ball.setColorAt(0, QColor(255, 236, 170));
    ball.setColorAt(1, QColor(232, 150, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(120, 64), 7, 7);
    // Velocity of the ball.
    p.setPen(QPen(QColor(255, 214, 90), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 64), QPointF(146, 72));
    p.setBrush(QColor(255, 214, 90));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{{QPointF(152, 74), QPointF(143, 76), QPointF(145, 68)}});
    // The inclined plane and its block.
    QPolygonF ramp{{QPointF(0, 230), QPointF(180, 230), QPointF(180, 150)}};
    p.setBrush(vertical(150, 230, QColor(236, 240, 244), QColor(176, 188, 204)));
    p.setPen(QPen(QColor(30, 40, 60), 1.4));
    p.drawPolygon(ramp);
    p.save();
    p.translate(116, 186);
    p.rotate(-std::atan2(80.0, 180.0) * 180 / M_PI);
    p.setBrush(vertical(-22, 0, QColor(236, 120, 70), QColor(190, 70, 40)));
    p.drawRect(QRectF(-14, -22, 28, 22));
    // Weight and normal force of the block.
    p.setPen(QPen(QColor(255, 255, 255), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -11), QPointF(0, -44));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{{QPointF(0, -50), QPointF(-4, -42), QPointF(4, -42)}});
    p.restore();
    // The ground.
    p.setPen(QPen(QColor(20, 30, 50), 2));
    p.drawLine(QPointF(0, 229), QPointF(180, 229));
    return image;
}

} // namespace

std::vector<Dibujo> dibujosVentanaPrincipal() {
    std::vector<Dibujo> pictures;
    const std::array<std::pair<Face, const char*>, 4> faces{{{Face::Normal, "normal"},
                                                             {Face::Hover, "hover"},
                                                             {Face::Pressed, "pressed"},
                                                             {Face::Disabled, "disabled"}}};
    for (const Button& button : kButtons)
        for (const auto& [kind, suffix] : faces)
            pictures.push_back(
                {QStringLiteral("tool_%1_%2.png")
                     .arg(QString::fromLatin1(button.file), QString::fromLatin1(suffix)),
                 face(button, kind)});
    pictures.push_back({QStringLiteral("toolbar_back.png"), toolbarBackground()});
    pictures.push_back({QStringLiteral("page_left_normal.png"), pageArrow(true, false)});
    pictures.push_back({QStringLiteral("page_left_down.png"), pageArrow(true, true)});
    pictures.push_back({QStringLiteral("page_right_normal.png"), pageArrow(false, false)});
    pictures.push_back({QStringLiteral("page_right_down.png"), pageArrow(false, true)});
    pictures.push_back({QStringLiteral("edit_pointer.png"), editPointer()});
    pictures.push_back({QStringLiteral("splash.png"), splashPicture()});
    return pictures;
}

} // namespace vornith::ui_pictures
