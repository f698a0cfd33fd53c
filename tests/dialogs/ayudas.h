#pragma once

// Shared helpers of the dialog tests: mouse events with a chosen global position, pressing
// and clicking drawn labels, typing, picture comparison, and keys where the focus is.

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <vector>

namespace vornith::test {

// Sends a mouse event to `w` at `local`, with `global` as its screen position.
inline void raton(QWidget* w, QEvent::Type tipo, QPoint local, QPoint global,
                  Qt::MouseButton boton = Qt::LeftButton) {
    const Qt::MouseButtons botones = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : boton;
    QMouseEvent e(tipo, QPointF(local), QPointF(global), boton, botones, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void pulsa(QWidget* w, QPoint local = QPoint(5, 5)) {
    raton(w, QEvent::MouseButtonPress, local, w->mapToGlobal(local));
}
inline void suelta(QWidget* w, QPoint local = QPoint(5, 5)) {
    raton(w, QEvent::MouseButtonRelease, local, w->mapToGlobal(local));
}
inline void clic(QWidget* w, QPoint local = QPoint(5, 5)) {
    pulsa(w, local);
    suelta(w, local);
}

// Types `texto` into `w` one character at a time, letters outside ASCII included.
inline void teclea(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &tecla);
    }
}

inline bool mismaImagen(const QPixmap& a, const QPixmap& b) {
    return !a.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                              b.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Presses `t` (with `mods`) where the window's focus is.
inline void tecla(QWidget* ventana, Qt::Key t, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent pulsada(QEvent::KeyPress, t, mods);
    QApplication::sendEvent(ventana->focusWidget() ? ventana->focusWidget() : ventana, &pulsada);
}

// The focus after each of `n` presses of `t` (with `mods`).
inline std::vector<QWidget*> recorrido(QWidget* ventana, int n, Qt::Key t = Qt::Key_Tab,
                                       Qt::KeyboardModifiers mods = Qt::NoModifier) {
    std::vector<QWidget*> focos;
    for (int i = 0; i < n; ++i) {
        tecla(ventana, t, mods);
        focos.push_back(ventana->focusWidget());
    }
    return focos;
}

} // namespace vornith::test
