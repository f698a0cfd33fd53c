#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace vornith::mainwindow {

// A page-turn button: its normal picture, and its pressed picture one pixel right and down
// while a mouse button is held on it.
class BotonPagina final : public QWidget {
    Q_OBJECT
  public:
    BotonPagina(const QString& normal, const QString& pulsado, QPoint posicion, QWidget* padre);

    bool Pulsado() const { return pulsado_; }
    std::function<void()> Click;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap normal_;
    QPixmap abajo_;
    QPoint posicion_;
    bool pulsado_ = false;
};

} // namespace vornith::mainwindow
