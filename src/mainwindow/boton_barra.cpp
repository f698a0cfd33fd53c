#include "mainwindow/boton_barra.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vornith::mainwindow {

BotonBarra::BotonBarra(const QString& tag, const QString& archivo, const QString& tooltip,
                       QWidget* padre)
    : QWidget(padre), tag_(tag) {
    static const char* const sufijos[] = {"normal", "hover", "pressed", "disabled"};
    for (int i = 0; i < 4; ++i)
        caras_[i] = QPixmap(
            QStringLiteral(":/ui/tool_%1_%2.png").arg(archivo, QString::fromLatin1(sufijos[i])));
    setToolTip(tooltip);
    setFixedSize(60, 53);
    setAttribute(Qt::WA_Hover);
}

void BotonBarra::MuestraReposo() {
    muestra(isEnabled() ? Normal : Deshabilitado);
}

void BotonBarra::muestra(Cara cara) {
    if (cara_ == cara) return;
    cara_ = cara;
    update();
}

// The edges count as inside.
bool BotonBarra::dentro(QPointF p) const {
    return p.x() >= 0 && p.y() >= 0 && p.x() <= width() && p.y() <= height();
}

void BotonBarra::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, caras_[cara_]);
}

// A disabled button never shows the hover face.
void BotonBarra::enterEvent(QEnterEvent*) {
    if (isEnabled() && estado_ == 0) {
        muestra(Encima);
        estado_ = 1;
    }
}

// The pointer left: the resting face; a pressed button stays pressed until the release.
void BotonBarra::leaveEvent(QEvent*) {
    MuestraReposo();
    if (estado_ != 2) estado_ = 0;
}

void BotonBarra::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    estado_ = 2;
    muestra(Pulsado);
}

void BotonBarra::mouseMoveEvent(QMouseEvent* event) {
    if (estado_ == 0) {
        muestra(Encima);
        estado_ = 1;
    } else if (estado_ == 2) {
        muestra(dentro(event->position()) ? Pulsado : Normal);
    }
}

void BotonBarra::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || estado_ != 2) return;
    const bool clic = dentro(event->position());
    if (clic) {
        muestra(Encima);
        estado_ = 1;
    } else {
        muestra(Normal);
        estado_ = 0;
    }
    if (clic && Click) Click(tag_);
}

void BotonBarra::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) estado_ = 0;
    QWidget::changeEvent(event);
}

} // namespace vornith::mainwindow
