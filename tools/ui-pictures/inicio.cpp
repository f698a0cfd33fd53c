// The option pictures of the start-options window: an opened collection (the examples and
// Open) and the wizard's new collection.

#include "dibujos.h"
#include "pinceles.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <utility>

namespace vornith::ui_pictures {

namespace {

// A folder behind a worksheet that comes out of it.
QImage opcion() {
    QImage img = lienzo(64, 64);
    QPainter p(&img);
    preparaPintor(p);
    const QColor carpeta(236, 196, 92);
    const QColor bordeCarpeta(176, 132, 40);
    p.setPen(QPen(bordeCarpeta, 1.2));
    p.setBrush(carpeta.darker(108));
    QPainterPath trasera;
    trasera.moveTo(6, 22);
    trasera.lineTo(6, 56);
    trasera.lineTo(58, 56);
    trasera.lineTo(58, 18);
    trasera.lineTo(28, 18);
    trasera.lineTo(24, 13);
    trasera.lineTo(8, 13);
    trasera.closeSubpath();
    p.drawPath(trasera);
    const QRectF zona = paginaMiniatura(p, QRectF(16, 5, 32, 42));
    p.setPen(QPen(kTinta, 1.6));
    p.drawText(zona.adjusted(0, -2, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("1)"));
    lineasTexto(p, zona.adjusted(0, 11, 0, 0), 4, 5, QColor(150, 150, 170));
    QPainterPath frente;
    frente.moveTo(4, 30);
    frente.lineTo(10, 58);
    frente.lineTo(60, 58);
    frente.lineTo(62, 30);
    frente.closeSubpath();
    QLinearGradient degradado(0, 30, 0, 58);
    degradado.setColorAt(0, carpeta.lighter(115));
    degradado.setColorAt(1, carpeta);
    p.setPen(QPen(bordeCarpeta, 1.2));
    p.setBrush(degradado);
    p.drawPath(frente);
    return img;
}

// A blank worksheet with a wand whose star sparkles over it.
QImage asistente() {
    QImage img = lienzo(64, 64);
    QPainter p(&img);
    preparaPintor(p);
    const QRectF zona = paginaMiniatura(p, QRectF(6, 8, 38, 50));
    lineasTexto(p, zona.adjusted(0, 4, 0, 0), 6, 6, QColor(190, 190, 205));
    p.setPen(QPen(QColor(60, 60, 70), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 54), QPointF(48, 24));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(45.6, 27.2), QPointF(48, 24));
    QPainterPath estrella;
    const QPointF c(51, 18);
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 12 : 5;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF q = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            estrella.moveTo(q);
        else
            estrella.lineTo(q);
    }
    estrella.closeSubpath();
    p.setPen(QPen(QColor(196, 140, 0), 1.2));
    p.setBrush(QColor(255, 208, 48));
    p.drawPath(estrella);
    p.setPen(QPen(kTinta, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [x, y] : {std::pair{38.0, 8.0}, {60.0, 34.0}, {34.0, 20.0}}) {
        p.drawLine(QPointF(x - 2.5, y), QPointF(x + 2.5, y));
        p.drawLine(QPointF(x, y - 2.5), QPointF(x, y + 2.5));
    }
    return img;
}

} // namespace

std::vector<Dibujo> dibujosInicio() {
    return {{QStringLiteral("opcion.png"), opcion()},
            {QStringLiteral("asistente.png"), asistente()}};
}

} // namespace vornith::ui_pictures
