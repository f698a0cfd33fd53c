#include "mainwindow/boton_pagina.h"

#include <QMouseEvent>
#include <QPainter>

namespace vornith::mainwindow {

BotonPagina::BotonPagina(const QString& normal, const QString& pulsado, QPoint posicion,
                         QWidget* padre)
    : QWidget(padre), normal_(normal), abajo_(pulsado), posicion_(posicion) {
    setGeometry(QRect(posicion_, normal_.size()));
}

void BotonPagina::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pulsado_ ? abajo_ : normal_);
}

void BotonPagina::mousePressEvent(QMouseEvent*) {
    pulsado_ = true;
    move(posicion_ + QPoint(1, 1));
    update();
}

void BotonPagina::mouseReleaseEvent(QMouseEvent* event) {
    pulsado_ = false;
    move(posicion_);
    update();
    if (rect().contains(event->position().toPoint()) && Click) Click();
}

} // namespace vornith::mainwindow
