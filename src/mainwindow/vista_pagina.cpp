#include "mainwindow/vista_pagina.h"

#include "platform/qt/page_box_surface.h"
#include "platform/units.h"

#include <QMouseEvent>
#include <QPainter>

namespace vornith::mainwindow {

float pixelesATwips(double pixeles) {
    return static_cast<float>(pixeles * kScreenTwipsPerPixel);
}

VistaPagina::VistaPagina(PageBoxSurface& pagina, QWidget* padre) : QWidget(padre), pagina_(pagina) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VistaPagina::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(QRect(0, 0, pagina_.widthPixels(), pagina_.heightPixels()), pagina_.image());
}

namespace {

int numeroBoton(Qt::MouseButton boton) {
    switch (boton) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

void VistaPagina::mousePressEvent(QMouseEvent* event) {
    if (MouseDown)
        MouseDown(numeroBoton(event->button()), pixelesATwips(event->position().x()),
                  pixelesATwips(event->position().y()), event->globalPosition().toPoint());
}

void VistaPagina::mouseMoveEvent(QMouseEvent* event) {
    if (MouseMove)
        MouseMove(pixelesATwips(event->position().x()), pixelesATwips(event->position().y()));
}

} // namespace vornith::mainwindow
