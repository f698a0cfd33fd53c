#include "dialogs/dibuja_marco.h"

#include "dialogs/controles_sueltos.h"
#include "dialogs/imagenes_ui.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace vornith::dialogs {

const PiezasMarco& PiezasMarco::DeLosDialogos() {
    static const PiezasMarco piezas{ImagenUiComoImagen(QStringLiteral("picanvas")),
                                    ImagenUiComoImagen(QStringLiteral("picanvasg"))};
    return piezas;
}

QFont FuenteMarco() {
    return FuenteArial(10, true);
}

int AnchoTituloMarco(const QString& titulo, QPaintDevice* dispositivo) {
    return QFontMetrics(FuenteMarco(), dispositivo).horizontalAdvance(titulo);
}

namespace {

// Copies the source rectangle (sx, sy, sw, sh) of `piezas` to (x, y), stretched to w × h; a
// piece with no room left is skipped.
void pieza(QPainter& p, const QImage& piezas, int sx, int sy, int sw, int sh, double x, double y,
           double w, double h) {
    if (w <= 0 || h <= 0) return;
    p.drawImage(QRectF(x, y, w, h), piezas, QRectF(sx, sy, sw, sh));
}

} // namespace

void DibujaMarco(QPainter& obj, double x, double y, double ancho, double alto,
                 const QString& titulo, bool conTitulo, const PiezasMarco& piezas) {
    const double X0 = x;
    const double Y0 = 2 * std::floor(y / 2);
    const double W = ancho;
    const double H = 2 * std::floor(alto / 2);

    obj.setFont(FuenteMarco());
    const QFontMetrics medidas(obj.font(), obj.device());
    const int TW = medidas.horizontalAdvance(titulo);
    const QImage& pestana = conTitulo ? piezas.Picanvas : piezas.Picanvasg;
    obj.setPen(QColor(conTitulo ? kColorTituloMarco : kColorTituloMarcoApagado));

    pieza(obj, pestana, 0, 0, 13, 26, X0, Y0, 13, 26);
    pieza(obj, pestana, 13, 0, 8, 26, X0 + 13, Y0, TW + 10, 26);
    pieza(obj, pestana, 23, 0, 14, 26, X0 + TW + 20, Y0, 14, 26);

    const QImage& marco = piezas.Picanvas;
    pieza(obj, marco, 38, 0, 12, 26, X0 + TW + 34, Y0, W - TW - 46, 26);
    pieza(obj, marco, 54, 0, 12, 26, X0 + W - 12, Y0, 12, 26);
    for (double t = 26; t <= H - 12; t += 6)
        pieza(obj, marco, 0, 26, 13, 6, X0, Y0 + t, 13, 6);
    for (double t = 26; t <= H - 12; t += 6)
        pieza(obj, marco, 54, 26, 12, 6, X0 + W - 12, Y0 + t, 12, 6);
    pieza(obj, marco, 0, 43, 13, 12, X0, Y0 + H - 13, 13, 12);
    pieza(obj, marco, 13, 43, 12, 12, X0 + 13, Y0 + H - 13, W - 25, 12);
    pieza(obj, marco, 54, 43, 12, 12, X0 + W - 12, Y0 + H - 13, 12, 12);

    // The caption's top stands at Y0.
    obj.drawText(QPointF(X0 + 12, Y0 + medidas.ascent()), titulo);
}

void DibujaMarcoAlrededor(QPainter& obj, const QRect& marcador, const QString& titulo) {
    DibujaMarco(obj, marcador.left() - 20, marcador.top() - 30, marcador.width() + 42,
                marcador.height() + 52, titulo, true);
}

} // namespace vornith::dialogs
