#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

namespace vornith::mainwindow {

// One toolbar button: a 60 × 53 picture with a normal, hover, pressed and disabled face.
// EstadoBoton: 0 normal, 1 pointer over it, 2 pressed. A click is a release inside after a
// press inside.
class BotonBarra final : public QWidget {
    Q_OBJECT
  public:
    enum Cara { Normal, Encima, Pulsado, Deshabilitado };

    BotonBarra(const QString& tag, const QString& archivo, const QString& tooltip, QWidget* padre);

    const QString& Tag() const { return tag_; }
    int EstadoBoton() const { return estado_; }
    Cara CaraMostrada() const { return cara_; }
    const QPixmap& Imagen(Cara cara) const { return caras_[cara]; }
    // Shows the normal or the disabled face, as ActualizarBotones does.
    void MuestraReposo();

    std::function<void(const QString& tag)> Click;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void muestra(Cara cara);
    bool dentro(QPointF p) const;

    QString tag_;
    std::array<QPixmap, 4> caras_;
    Cara cara_ = Normal;
    int estado_ = 0;
};

} // namespace vornith::mainwindow
