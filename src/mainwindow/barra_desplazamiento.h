#pragma once

#include <QObject>

#include <functional>

class QScrollBar;
class QWidget;

namespace vornith::mainwindow {

// A scroll bar with the page view's own range: Min is the value at which the page's start is
// in view and Max the value at which its end is, and Min may exceed Max (the value then falls
// as the view moves on). Shown over a QScrollBar of range 0..|Max - Min|.
class BarraDesplazamiento final : public QObject {
    Q_OBJECT
  public:
    BarraDesplazamiento(Qt::Orientation orientacion, QWidget* padre, int SmallChange,
                        int LargeChange);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const;
    int SmallChange() const { return small_; }
    void PonMin(int v);
    void PonMax(int v);
    // Kept within Min..Max; a new value runs Change.
    void PonValue(int v);

    bool Visible() const;
    void PonVisible(bool visible);
    QScrollBar& barra() { return *barra_; }

    // Change: the value changed (by the program or the user); Scroll: the user drags the thumb.
    std::function<void()> Change;
    std::function<void()> Scroll;

  private:
    int paso() const { return max_ >= min_ ? 1 : -1; }
    void ajustaRango(int valorAnterior);

    QScrollBar* barra_;
    int min_ = 0;
    int max_ = 0;
    int small_;
};

} // namespace vornith::mainwindow
