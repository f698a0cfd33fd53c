#include "pinceles.h"

namespace vornith::ui_pictures {

QImage lienzo(int ancho, int alto) {
    QImage imagen(ancho, alto, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    return imagen;
}

void preparaPintor(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
}

void hojaConSombra(QPainter& p, const QRectF& hoja, double sombra, const QColor& borde) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(hoja.translated(sombra, sombra));
    p.setBrush(Qt::white);
    p.setPen(QPen(borde, 1));
    p.drawRect(hoja.adjusted(0.5, 0.5, -0.5, -0.5));
}

QRectF paginaMiniatura(QPainter& p, const QRectF& hoja) {
    hojaConSombra(p, hoja, 2, QColor(150, 150, 160));
    const double margen = hoja.width() * 0.12;
    return hoja.adjusted(margen, margen, -margen, -margen);
}

void lineasTexto(QPainter& p, const QRectF& zona, int cuantas, double paso, const QColor& color) {
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < cuantas; ++i) {
        const double y = zona.top() + i * paso + 0.8;
        const double fin = i == cuantas - 1 ? zona.left() + zona.width() * 0.6 : zona.right();
        p.drawLine(QPointF(zona.left(), y), QPointF(fin, y));
    }
}

} // namespace vornith::ui_pictures
