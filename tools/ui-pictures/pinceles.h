// Shared colours and small drawing helpers of the dialog pictures.

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace vornith::ui_pictures {

inline const QColor kTinta(64, 64, 128);    // captions and strong lines
inline const QColor kLinea(132, 132, 180);  // frame lines
inline const QColor kLuz(236, 236, 248);    // highlights and tab fill
inline const QColor kSombra(214, 214, 230); // soft shadows
inline const QColor kGrisLinea(172, 172, 176);
inline const QColor kGrisRelleno(238, 238, 240);

// A transparent ARGB picture of the given size.
QImage lienzo(int ancho, int alto);

// A painter with antialiasing on.
void preparaPintor(QPainter& p);

// A white sheet with its border and a shadow `sombra` pixels below and to the right.
void hojaConSombra(QPainter& p, const QRectF& hoja, double sombra, const QColor& borde);

// A miniature page with its sheet, border and shadow; returns the sheet's inner area.
QRectF paginaMiniatura(QPainter& p, const QRectF& hoja);

// Grey text lines filling `zona` from the top, `cuantas` of them, every `paso` pixels; the
// last one shorter.
void lineasTexto(QPainter& p, const QRectF& zona, int cuantas, double paso, const QColor& color);

} // namespace vornith::ui_pictures
