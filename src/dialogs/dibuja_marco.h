#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;

namespace vornith::dialogs {

// The two 66 × 55 piece pictures of the decorated frames: Picanvas the normal look, Picanvasg
// the muted look of the caption tab.
struct PiezasMarco {
    QImage Picanvas;
    QImage Picanvasg;
    // The dialogs' own pieces.
    static const PiezasMarco& DeLosDialogos();
};

// Caption colours of the two looks.
inline constexpr QRgb kColorTituloMarco = qRgb(64, 64, 128);
inline constexpr QRgb kColorTituloMarcoApagado = qRgb(104, 104, 108);

// Arial 10 bold through the font resolver: the frames' caption font.
QFont FuenteMarco();
// TW: the caption's width in pixels of `dispositivo`.
int AnchoTituloMarco(const QString& titulo, QPaintDevice* dispositivo);

// Draws a decorated frame with a caption tab on `obj` from (x, y), `ancho` × `alto` pixels
// (y and alto rounded down to even), the tab in the normal look when `conTitulo`, else the
// muted one. Leaves the painter's font and pen as the caption's.
void DibujaMarco(QPainter& obj, double x, double y, double ancho, double alto,
                 const QString& titulo, bool conTitulo,
                 const PiezasMarco& piezas = PiezasMarco::DeLosDialogos());

// A frame with its caption tab around the marker rectangle `marcador`, as the pages of the
// dialogs draw them: 20 pixels to its left, 30 above, 22 to its right and below.
void DibujaMarcoAlrededor(QPainter& obj, const QRect& marcador, const QString& titulo);

} // namespace vornith::dialogs
