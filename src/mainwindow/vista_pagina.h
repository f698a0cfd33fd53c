#pragma once

#include <QWidget>

#include <functional>

namespace vornith {
class PageBoxSurface;
}

namespace vornith::mainwindow {

// The page box on screen: copies the page surface's image and reports the mouse in page
// twips. Its Tag is the zone state of the pointer ("Normal" or "Edición").
class VistaPagina final : public QWidget {
    Q_OBJECT
  public:
    VistaPagina(PageBoxSurface& pagina, QWidget* padre);

    QString Tag = QStringLiteral("Normal");

    // Button: 1 left, 2 right, 4 middle (as the window system numbers them); X, Y in twips.
    std::function<void(int Button, float X, float Y, QPoint global)> MouseDown;
    std::function<void(float X, float Y)> MouseMove;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    PageBoxSurface& pagina_;
};

// Twips of the page box at a pixel position.
float pixelesATwips(double pixeles);

} // namespace vornith::mainwindow
