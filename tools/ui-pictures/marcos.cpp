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

    // Tab: left end, middle and right end form one folder tab standing on the frame's top
    // line, flush with the frame's left side.
    QPainterPath pestana;
    pestana.moveTo(0.5, 17.5);
    pestana.lineTo(0.5, 6.5);
    pestana.quadTo(0.5, 2.5, 4.5, 2.5);
    pestana.lineTo(26.5, 2.5);
    pestana.cubicTo(31.5, 2.5, 31.0, 17.5, 36.5, 17.5);
    pestana.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(t.relleno);
    p.drawPath(pestana);
    p.setPen(linea);
    p.setBrush(Qt::NoBrush);
    QPainterPath contorno;
    contorno.moveTo(0.5, 26);
    contorno.lineTo(0.5, 6.5);
    contorno.quadTo(0.5, 2.5, 4.5, 2.5);
    contorno.lineTo(26.5, 2.5);
    contorno.cubicTo(31.5, 2.5, 31.0, 17.5, 36.5, 17.5);
    p.drawPath(contorno);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(1, 17, 36, 17);
    p.setPen(sombra);
    p.drawLine(1, 18, 36, 18);
    p.drawLine(1, 18, 1, 25);

    // Top edge and top-right corner.
    p.setPen(linea);
    p.drawLine(38, 17, 49, 17);
    p.setPen(sombra);
    p.drawLine(38, 18, 49, 18);
    p.drawLine(54, 18, 60, 18);
    p.drawLine(64, 22, 64, 25);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(linea);
    QPainterPath esquina;
    esquina.moveTo(54, 17.5);
    esquina.lineTo(61.5, 17.5);
    esquina.quadTo(65.5, 17.5, 65.5, 21.5);
    esquina.lineTo(65.5, 26);
    p.drawPath(esquina);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Edge band: left and right lines, 6 rows that repeat down the frame.
    p.setPen(linea);
    p.drawLine(0, 26, 0, 31);
    p.drawLine(65, 26, 65, 31);
    p.setPen(sombra);
    p.drawLine(1, 26, 1, 31);
    p.drawLine(64, 26, 64, 31);

    // Bottom band: corners and the stretched bottom edge on the band's last row.
    p.setPen(linea);
    p.drawLine(13, 54, 24, 54);
    p.setPen(sombra);
    p.drawLine(13, 53, 24, 53);
    p.drawLine(1, 43, 1, 49);
    p.drawLine(64, 43, 64, 49);
    p.drawLine(5, 53, 13, 53);
    p.drawLine(54, 53, 60, 53);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(linea);
    QPainterPath abajo;
    abajo.moveTo(0.5, 43);
    abajo.lineTo(0.5, 50.5);
    abajo.quadTo(0.5, 54.5, 4.5, 54.5);
    abajo.lineTo(13, 54.5);
    abajo.moveTo(54, 54.5);
    abajo.lineTo(61.5, 54.5);
    abajo.quadTo(65.5, 54.5, 65.5, 50.5);
    abajo.lineTo(65.5, 43);
    p.drawPath(abajo);
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
