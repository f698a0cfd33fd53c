#include "mainwindow/barra_desplazamiento.h"

#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

namespace vornith::mainwindow {

BarraDesplazamiento::BarraDesplazamiento(Qt::Orientation orientacion, QWidget* padre,
                                         int SmallChange, int LargeChange)
    : QObject(padre), barra_(new QScrollBar(orientacion, padre)), small_(SmallChange) {
    barra_->setRange(0, 0);
    barra_->setSingleStep(SmallChange);
    barra_->setPageStep(LargeChange);
    barra_->setFocusPolicy(Qt::NoFocus);
    connect(barra_, &QScrollBar::valueChanged, this, [this] {
        if (Change) Change();
    });
    connect(barra_, &QScrollBar::sliderMoved, this, [this] {
        if (Scroll) Scroll();
    });
}

int BarraDesplazamiento::Value() const {
    return min_ + paso() * barra_->value();
}

void BarraDesplazamiento::PonMin(int v) {
    const int anterior = Value();
    min_ = v;
    ajustaRango(anterior);
}

void BarraDesplazamiento::PonMax(int v) {
    const int anterior = Value();
    max_ = v;
    ajustaRango(anterior);
}

// The Qt range follows Min and Max; the value stays where it was when it still lies between
// them, else it goes to the nearer end. Change runs only when the value moved.
void BarraDesplazamiento::ajustaRango(int valorAnterior) {
    const int lo = std::min(min_, max_);
    const int hi = std::max(min_, max_);
    const int valor = std::clamp(valorAnterior, lo, hi);
    {
        const QSignalBlocker bloqueo(barra_);
        barra_->setRange(0, hi - lo);
        barra_->setValue(std::abs(valor - min_));
    }
    if (Value() != valorAnterior && Change) Change();
}

void BarraDesplazamiento::PonValue(int v) {
    const int lo = std::min(min_, max_);
    const int hi = std::max(min_, max_);
    barra_->setValue(std::abs(std::clamp(v, lo, hi) - min_));
}

bool BarraDesplazamiento::Visible() const {
    return !barra_->isHidden();
}

void BarraDesplazamiento::PonVisible(bool visible) {
    barra_->setVisible(visible);
}

} // namespace vornith::mainwindow
