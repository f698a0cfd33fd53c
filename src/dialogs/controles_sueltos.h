#pragma once

// Small builders of the dialogs' plain controls, placed by hand like the rest of a drawn
// window.

#include "platform/qt/font_resolver.h"

#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <QString>

namespace vornith::dialogs {

// Arial through the font resolver at `puntos` points, bold when `negrita`.
inline QFont FuenteArial(int puntos, bool negrita) {
    QFont f(FontResolver::familyFor(QStringLiteral("Arial")));
    f.setPointSize(puntos);
    f.setBold(negrita);
    return f;
}

// A label at (x, y), as wide as its text.
inline QLabel* Etiqueta(QWidget* padre, const QString& texto, int x, int y) {
    auto* e = new QLabel(texto, padre);
    e->move(x, y);
    e->adjustSize();
    return e;
}

// An option button at (x, y), as wide as its caption.
inline QRadioButton* Opcion(QWidget* padre, const QString& texto, int x, int y) {
    auto* o = new QRadioButton(texto, padre);
    o->move(x, y);
    o->adjustSize();
    return o;
}

// A label's text colour, over a transparent background.
inline void PonColorTexto(QLabel* etiqueta, QRgb color) {
    etiqueta->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(QColor(color).name()));
}

} // namespace vornith::dialogs
