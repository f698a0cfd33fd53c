// Pictures of the collection option controls: the tab pairs of the properties dialog, the
// solution-placement previews and the page-number previews.

#include "dibujos.h"
#include "pinceles.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vornith::ui_pictures {

namespace {

const QColor kTextoGris(170, 170, 182);
const QColor kSolucion(74, 146, 96);
const QColor kFondoSolucion(226, 244, 230);

QImage pestana(int ancho, bool seleccionada) {
    QImage img = lienzo(ancho, 17);
    QPainter p(&img);
    preparaPintor(p);
    QPainterPath forma;
    forma.moveTo(0.5, 17);
    forma.lineTo(0.5, 4.5);
    forma.quadTo(0.5, 0.5, 4.5, 0.5);
    forma.lineTo(ancho - 4.5, 0.5);
    forma.quadTo(ancho - 0.5, 0.5, ancho - 0.5, 4.5);
    forma.lineTo(ancho - 0.5, 17);
    QLinearGradient degradado(0, 0, 0, 17);
    degradado.setColorAt(0, seleccionada ? QColor(255, 255, 255) : QColor(242, 242, 250));
    degradado.setColorAt(1, seleccionada ? QColor(246, 246, 255) : QColor(214, 214, 234));
    p.setBrush(degradado);
    p.setPen(QPen(seleccionada ? QColor(100, 100, 160) : kLinea, 1));
    p.drawPath(forma);
    if (seleccionada) {
        p.setPen(QPen(kTinta, 2));
        p.drawLine(QPointF(4, 2), QPointF(ancho - 4, 2));
    }
    return img;
}

// A numbered problem: a small ink badge and `lineas` grey lines; returns the y below it.
double problema(QPainter& p, double x, double y, double ancho, int lineas) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTinta);
    p.drawRect(QRectF(x, y - 1, 5, 4));
    lineasTexto(p, QRectF(x + 8, y, ancho - 8, lineas * 5.0), lineas, 5.0, kTextoGris);
    return y + lineas * 5.0 + 4;
}

// A solution: green lines on a light green strip; returns the y below it.
double solucion(QPainter& p, double x, double y, double ancho, int lineas) {
    p.setPen(Qt::NoPen);
    p.setBrush(kFondoSolucion);
    p.drawRect(QRectF(x - 2, y - 3, ancho + 4, lineas * 5.0 + 3));
    lineasTexto(p, QRectF(x + 8, y, ancho - 8, lineas * 5.0), lineas, 5.0, kSolucion);
    return y + lineas * 5.0 + 5;
}

// The four solution-placement previews, 110 × 140.
QImage previewSoluciones(int posicion) {
    QImage img = lienzo(110, 140);
    QPainter p(&img);
    preparaPintor(p);
    if (posicion == 3) {
        // Problems on one page, their solutions on a page of their own behind it.
        const QRectF atras = paginaMiniatura(p, QRectF(34, 4, 70, 98));
        double y = atras.top() + 12;
        for (int i = 0; i < 4; ++i)
            y = solucion(p, atras.left(), y, atras.width(), 2);
        const QRectF frente = paginaMiniatura(p, QRectF(6, 36, 70, 98));
        y = frente.top() + 2;
        for (int i = 0; i < 4; ++i)
            y = problema(p, frente.left(), y, frente.width(), 3);
        return img;
    }
    const QRectF zona = paginaMiniatura(p, QRectF(10, 6, 90, 128));
    double y = zona.top() + 2;
    const double x = zona.left();
    const double w = zona.width();
    switch (posicion) {
    case 0: // no solutions
        for (int i = 0; i < 5; ++i)
            y = problema(p, x, y, w, 3);
        break;
    case 1: // each solution after its problem
        for (int i = 0; i < 3; ++i) {
            y = problema(p, x, y, w, 3);
            y = solucion(p, x, y + 1, w, 2);
        }
        break;
    default: // all solutions together at the end
        for (int i = 0; i < 3; ++i)
            y = problema(p, x, y, w, 3);
        p.setPen(QPen(kLinea, 1, Qt::DashLine));
        p.drawLine(QPointF(x, y + 1), QPointF(x + w, y + 1));
        y += 7;
        for (int i = 0; i < 3; ++i)
            y = solucion(p, x, y, w, 1);
        break;
    }
    return img;
}

// The page-number previews, 50 × 70: the number at the head or foot, left, centre or right.
QImage previewNumero(bool abajo, int alineacion) {
    QImage img = lienzo(50, 70);
    QPainter p(&img);
    preparaPintor(p);
    const QRectF hoja(5, 3, 40, 62);
    const QRectF zona = paginaMiniatura(p, hoja);
    lineasTexto(p, QRectF(zona.left(), hoja.top() + 13, zona.width(), 34), 7, 5.0, kTextoGris);
    const double anchoNumero = 7;
    const double x = alineacion == 0   ? zona.left()
                     : alineacion == 1 ? hoja.center().x() - anchoNumero / 2
                                       : zona.right() - anchoNumero;
    const double y = abajo ? hoja.bottom() - 8 : hoja.top() + 3;
    p.setPen(Qt::NoPen);
    p.setBrush(kTinta);
    p.drawRoundedRect(QRectF(x, y, anchoNumero, 5), 1, 1);
    return img;
}

} // namespace

std::vector<Dibujo> dibujosPropiedades() {
    std::vector<Dibujo> dibujos;
    for (const int ancho : {90, 120, 150}) {
        const QString base = QStringLiteral("pestana%1").arg(ancho);
        dibujos.push_back({base + QStringLiteral(".png"), pestana(ancho, false)});
        dibujos.push_back({base + QStringLiteral("_sel.png"), pestana(ancho, true)});
    }
    const char* soluciones[] = {"soluciones_ninguna", "soluciones_tras_problema",
                                "soluciones_al_final", "soluciones_aparte"};
    for (int i = 0; i < 4; ++i) {
        dibujos.push_back(
            {QString::fromLatin1(soluciones[i]) + QStringLiteral(".png"), previewSoluciones(i)});
    }
    const char* lugares[] = {"izquierda", "centro", "derecha"};
    for (const bool abajo : {false, true}) {
        for (int a = 0; a < 3; ++a) {
            dibujos.push_back({QStringLiteral("numero_%1_%2.png")
                                   .arg(abajo ? QStringLiteral("abajo") : QStringLiteral("arriba"),
                                        QString::fromLatin1(lugares[a])),
                               previewNumero(abajo, a)});
        }
    }
    return dibujos;
}

} // namespace vornith::ui_pictures
