#include "platform/qt/wheel_hook.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace vornith {

namespace {

constexpr int kNotch = 120;

int teclasRaton(const QWheelEvent& e) {
    int keys = 0;
    if (e.buttons() & Qt::LeftButton) keys |= 1;
    if (e.buttons() & Qt::RightButton) keys |= 2;
    if (e.modifiers() & Qt::ShiftModifier) keys |= 4;
    if (e.modifiers() & Qt::ControlModifier) keys |= 8;
    if (e.buttons() & Qt::MiddleButton) keys |= 16;
    return keys;
}

// The one application event filter; it lives as long as the application.
class FiltroRueda final : public QObject {
  public:
    explicit FiltroRueda(QObject* padre) : QObject(padre) {}

    void engancha(QWidget& ventana) {
        if (WheelEnganchado) return;
        auto* receptor = dynamic_cast<ReceptorRueda*>(&ventana);
        if (receptor == nullptr) return;
        WheelEnganchado = true;
        WheelForm = &ventana;
        receptor_ = receptor;
        resto_ = 0;
        conexion_ = connect(&ventana, &QObject::destroyed, this, [this] { desengancha(); });
    }

    void desengancha() {
        disconnect(conexion_);
        WheelForm = nullptr;
        receptor_ = nullptr;
        WheelEnganchado = false;
    }

  protected:
    bool eventFilter(QObject* objeto, QEvent* event) override {
        if (event->type() != QEvent::Wheel || !WheelEnganchado || WheelForm.isNull()) return false;
        auto* widget = qobject_cast<QWidget*>(objeto);
        if (widget == nullptr || widget->window() != WheelForm) return false;
        auto* rueda = static_cast<QWheelEvent*>(event);
        const int dy = rueda->angleDelta().y();
        if (dy == 0) return false; // horizontal only
        // Fine-grained wheels and touchpads send fractions of a notch: gather them.
        resto_ += dy;
        const int pasos = resto_ / kNotch;
        rueda->accept();
        if (pasos == 0) return true;
        resto_ -= pasos * kNotch;
        const QPoint global = rueda->globalPosition().toPoint();
        receptor_->MouseWheel(teclasRaton(*rueda), pasos * kNotch, global.x(), global.y());
        return true;
    }

  private:
    bool WheelEnganchado = false;
    QPointer<QWidget> WheelForm;
    ReceptorRueda* receptor_ = nullptr;
    int resto_ = 0;
    QMetaObject::Connection conexion_;
};

FiltroRueda* filtro() {
    static QPointer<FiltroRueda> unico;
    if (unico.isNull() && qApp != nullptr) {
        unico = new FiltroRueda(qApp);
        qApp->installEventFilter(unico);
    }
    return unico;
}

} // namespace

void WheelHook(QWidget& ventana) {
    if (FiltroRueda* f = filtro()) f->engancha(ventana);
}

void WheelUnHook() {
    if (FiltroRueda* f = filtro()) f->desengancha();
}

} // namespace vornith
