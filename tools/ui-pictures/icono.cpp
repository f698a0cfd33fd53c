// The program's icon: a worksheet whose problem is a block on an inclined plane below the
// flight of a thrown ball. Drawn on a 256-unit grid and scaled, so every size is sharp.

#include "dibujos.h"
#include "pinceles.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace vornith::ui_pictures {

namespace {

QImage icono(int lado) {
    QImage img = lienzo(lado, lado);
    QPainter p(&img);
    preparaPintor(p);
    p.scale(lado / 256.0, lado / 256.0);

    // The sheet, its folded corner and its shadow.
    const QRectF hoja(36, 12, 184, 232);
    const double doblez = 44;
    QPainterPath contorno;
    contorno.moveTo(hoja.topLeft());
    contorno.lineTo(hoja.right() - doblez, hoja.top());
    contorno.lineTo(hoja.right(), hoja.top() + doblez);
    contorno.lineTo(hoja.bottomRight());
    contorno.lineTo(hoja.bottomLeft());
    contorno.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 56));
    p.drawPath(contorno.translated(6, 6));
    QLinearGradient papel(0, hoja.top(), 0, hoja.bottom());
    papel.setColorAt(0, Qt::white);
    papel.setColorAt(1, QColor(228, 234, 244));
    p.setPen(QPen(QColor(52, 62, 96), 5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(papel);
    p.drawPath(contorno);
    QPainterPath esquina;
    esquina.moveTo(hoja.right() - doblez, hoja.top());
    esquina.lineTo(hoja.right() - doblez, hoja.top() + doblez);
    esquina.lineTo(hoja.right(), hoja.top() + doblez);
    esquina.closeSubpath();
    p.setBrush(QColor(196, 206, 226));
    p.drawPath(esquina);

    // The statement: a bold number and lines of text.
    p.setPen(QPen(QColor(52, 62, 96), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 48), QPointF(84, 48));
    p.setPen(QPen(QColor(142, 154, 184), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 48), QPointF(160, 48));
    p.drawLine(QPointF(60, 74), QPointF(196, 74));

    // The inclined plane.
    const QPolygonF plano{{QPointF(52, 226), QPointF(204, 226), QPointF(204, 150)}};
    QLinearGradient suelo(0, 150, 0, 226);
    suelo.setColorAt(0, QColor(96, 150, 214));
    suelo.setColorAt(1, QColor(36, 82, 150));
    p.setPen(QPen(QColor(24, 48, 96), 5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(suelo);
    p.drawPolygon(plano);

    // The block on the plane and its weight.
    p.save();
    p.translate(148, 178);
    p.rotate(-std::atan2(76.0, 152.0) * 180 / std::numbers::pi);
    QLinearGradient bloque(0, -38, 0, 0);
    bloque.setColorAt(0, QColor(250, 150, 80));
    bloque.setColorAt(1, QColor(206, 78, 36));
    p.setPen(QPen(QColor(120, 40, 16), 5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(bloque);
    p.drawRect(QRectF(-24, -40, 48, 40));
    p.restore();
    const QColor flecha(200, 30, 60);
    p.setPen(QPen(flecha, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(140, 150), QPointF(140, 204));
    p.setPen(Qt::NoPen);
    p.setBrush(flecha);
    p.drawPolygon(QPolygonF{{QPointF(140, 222), QPointF(128, 200), QPointF(152, 200)}});

    // The ball's flight, dashed, and the ball near its top.
    QPainterPath vuelo;
    vuelo.moveTo(56, 190);
    vuelo.quadTo(100, 62, 144, 128);
    QPen trazo(QColor(52, 62, 96), 5, Qt::CustomDashLine, Qt::RoundCap);
    trazo.setDashPattern({2, 2.4});
    p.setPen(trazo);
    p.setBrush(Qt::NoBrush);
    p.drawPath(vuelo);
    QRadialGradient bola(QPointF(92, 98), 20);
    bola.setColorAt(0, QColor(255, 240, 160));
    bola.setColorAt(1, QColor(236, 160, 20));
    p.setPen(QPen(QColor(150, 90, 0), 4));
    p.setBrush(bola);
    p.drawEllipse(QPointF(98, 104), 16, 16);
    return img;
}

} // namespace

std::vector<Dibujo> dibujosIcono() {
    std::vector<Dibujo> tamanos;
    for (const int lado : {48, 64, 128, 256})
        tamanos.push_back({QStringLiteral("../icon/%1.png").arg(lado), icono(lado)});
    return tamanos;
}

} // namespace vornith::ui_pictures
