// Pieces shared by every dialog: the decorated-frame pieces (normal and muted), the drag
// handle, the drawn button faces and the window's top corners.

#include "dibujos.h"
#include "pinceles.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vornith::ui_pictures {

namespace {

// The window border of the dialogs; the corners blend into it.
const QColor kBordeVentana(100, 100, 150);

struct TonosMarco {
    QColor linea;
    QColor relleno;
    QColor sombra;
};

// The 66 × 55 piece picture. Its regions are cut out by the frame drawer: the tab (left end,
// stretched middle, right end) in the top 26 rows, the top edge and top-right corner beside it,
// the 6-row edge band, and the 12-row bottom band.
QImage piezasMarco(const TonosMarco& t) {
    QImage img = lienzo(66, 55);
    QPainter p(&img);
    preparaPintor(p);
    const QPen linea(t.linea, 1);
    const QPen sombra(t.sombra, 1);

    // Tab: left end, middle and right end form one folder tab on the frame's top line.
    QPainterPath pestana;
    pestana.moveTo(5.5, 17.5);
    pestana.lineTo(5.5, 7.5);
    pestana.quadTo(5.5, 2.5, 10.5, 2.5);
    pestana.lineTo(26.5, 2.5);
    pestana.cubicTo(31.5, 2.5, 31.0, 17.5, 36.5, 17.5);
    pestana.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(t.relleno);
    p.drawPath(pestana);
    p.setPen(linea);
    p.setBrush(Qt::NoBrush);
    QPainterPath contorno;
    contorno.moveTo(5.5, 26);
    contorno.lineTo(5.5, 7.5);
    contorno.quadTo(5.5, 2.5, 10.5, 2.5);
    contorno.lineTo(26.5, 2.5);
    contorno.cubicTo(31.5, 2.5, 31.0, 17.5, 36.5, 17.5);
    p.drawPath(contorno);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(6, 17, 36, 17);
    p.setPen(sombra);
    p.drawLine(6, 18, 6, 25);

    // Top edge and top-right corner.
    p.setPen(linea);
    p.drawLine(38, 17, 49, 17);
    p.setPen(sombra);
    p.drawLine(38, 18, 49, 18);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(linea);
    QPainterPath esquina;
    esquina.moveTo(54, 17.5);
    esquina.lineTo(56.5, 17.5);
    esquina.quadTo(60.5, 17.5, 60.5, 21.5);
    esquina.lineTo(60.5, 26);
    p.drawPath(esquina);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Edge band: left and right lines, 6 rows that repeat down the frame.
    p.setPen(linea);
    p.drawLine(5, 26, 5, 31);
    p.drawLine(60, 26, 60, 31);
    p.setPen(sombra);
    p.drawLine(6, 26, 6, 31);
    p.drawLine(61, 26, 61, 31);

    // Bottom band: corners and the stretched bottom edge, with a soft shadow below.
    p.setPen(linea);
    p.drawLine(13, 49, 24, 49);
    p.setPen(sombra);
    p.drawLine(13, 50, 24, 50);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(linea);
    QPainterPath abajo;
    abajo.moveTo(5.5, 43);
    abajo.lineTo(5.5, 45.5);
    abajo.quadTo(5.5, 49.5, 9.5, 49.5);
    abajo.lineTo(13, 49.5);
    abajo.moveTo(54, 49.5);
    abajo.lineTo(56.5, 49.5);
    abajo.quadTo(60.5, 49.5, 60.5, 45.5);
    abajo.lineTo(60.5, 43);
    p.drawPath(abajo);
    p.setPen(sombra);
    QPainterPath sombraAbajo;
    sombraAbajo.moveTo(8, 50.5);
    sombraAbajo.lineTo(13, 50.5);
    sombraAbajo.moveTo(54, 50.5);
    sombraAbajo.lineTo(57, 50.5);
    sombraAbajo.quadTo(61.5, 50.5, 61.5, 45.5);
    sombraAbajo.lineTo(61.5, 43);
    p.drawPath(sombraAbajo);
    return img;
}

QImage asa() {
    QImage img = lienzo(66, 30);
    QPainter p(&img);
    QLinearGradient degradado(0, 0, 0, 30);
    degradado.setColorAt(0, QColor(242, 242, 252));
    degradado.setColorAt(1, QColor(206, 206, 232));
    p.fillRect(img.rect(), degradado);
    p.setPen(Qt::white);
    p.drawLine(0, 0, 65, 0);
    p.setPen(QColor(150, 150, 190));
    p.drawLine(0, 29, 65, 29);
    return img;
}

QImage caraBoton(bool habilitado) {
    QImage img = lienzo(141, 34);
    QPainter p(&img);
    preparaPintor(p);
    const QRectF cara(0.5, 0.5, 139, 32);
    QLinearGradient degradado(0, 0, 0, 34);
    degradado.setColorAt(0, habilitado ? QColor(255, 255, 255) : QColor(248, 248, 248));
    degradado.setColorAt(0.55, habilitado ? QColor(236, 236, 248) : QColor(240, 240, 240));
    degradado.setColorAt(1, habilitado ? QColor(210, 210, 234) : QColor(228, 228, 228));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, habilitado ? 36 : 18));
    p.drawRoundedRect(cara.translated(1, 1), 6, 6);
    p.setBrush(degradado);
    p.setPen(QPen(habilitado ? QColor(112, 112, 164) : QColor(192, 192, 196), 1));
    p.drawRoundedRect(cara, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cara.adjusted(1, 1, -1, -1), 5, 5);
    return img;
}

// A top corner: window border outside the rounding, transparent inside.
QImage esquina(bool derecha) {
    QImage img = lienzo(6, 6);
    QPainter p(&img);
    preparaPintor(p);
    p.fillRect(img.rect(), kBordeVentana);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    const QPointF centro(derecha ? 0.0 : 6.0, 6.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(centro, 5.2, 5.2);
    return img;
}

} // namespace

std::vector<Dibujo> dibujosMarcos() {
    const TonosMarco normal{kLinea, kLuz, kSombra};
    const TonosMarco apagado{kGrisLinea, kGrisRelleno, QColor(226, 226, 228)};
    return {
        {QStringLiteral("picanvas.png"), piezasMarco(normal)},
        {QStringLiteral("picanvasg.png"), piezasMarco(apagado)},
        {QStringLiteral("asa.png"), asa()},
        {QStringLiteral("boton.png"), caraBoton(true)},
        {QStringLiteral("boton_deshabilitado.png"), caraBoton(false)},
        {QStringLiteral("esquina_izquierda.png"), esquina(false)},
        {QStringLiteral("esquina_derecha.png"), esquina(true)},
    };
}

} // namespace vornith::ui_pictures
