#pragma once

// The wizard's topic tree: one painted widget over the topic rows. Each shown row has its
// elements (mark, folder or check box and type icon, label) at fixed places, its hit
// rectangles are those places, and two bars move the drawing by rows and by pixels.

#include "document/tema.h"

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <vector>

class QScrollBar;

namespace vornith::dialogs {

class ArbolTemas final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kAltoFila = 17;

    ArbolTemas(document::ListaTemas& temas, QWidget* padre);

    // Where a shown row's elements stand; empty rectangles for the elements it lacks.
    struct Elementos {
        bool visible = false;
        QRect PMImg, HeadIMG, ItemCHK, ItemIMG, LblItem;
    };
    const Elementos& Fila(int i) const { return filas_.at(static_cast<std::size_t>(i)); }
    // The grey connector pixels.
    const std::vector<QPoint>& Conectores() const { return conectores_; }

    QScrollBar* VScroll1() const { return vscroll_; }
    QScrollBar* HScroll1() const { return hscroll_; }
    int DesplFilas() const { return DesplFilas_; }
    int DesplX() const { return DesplX_; }
    int FilaSel() const { return FilaSel_; }
    void PonFilaSel(int fila) { FilaSel_ = fila; }

    // Lays the rows out again and sets both bars.
    void ActualizaTree();
    // Repaints the selection and scrolls it into view by one row at most.
    void ActualizaSeleccion();
    // One row per accumulated ±120 of wheel rotation, while the vertical bar is shown.
    void MouseWheel(int Rotation);
    // Whether row i's check box is drawn pressed.
    bool CasillaPulsada(int i) const { return casillaPulsada_ == i; }

  signals:
    // The selected row or its state changed: the panel follows it.
    void cambio();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum class Parte { Ninguna, PMImg, HeadIMG, ItemCHK, ItemIMG, LblItem };
    struct Impacto {
        int fila = 0;
        Parte parte = Parte::Ninguna;
    };
    Impacto impacto(QPoint punto) const;
    void RESIZE();
    void CompruebaScroll();
    void alternaFila(int i);
    void seleccionaVecina(int paso);
    void ponDesplazamientos();
    document::Tema& tema(int i) { return temas_.Temas[static_cast<std::size_t>(i)]; }
    const document::Tema& tema(int i) const { return temas_.Temas[static_cast<std::size_t>(i)]; }

    document::ListaTemas& temas_;
    QScrollBar* vscroll_;
    QScrollBar* hscroll_;
    QWidget* Label2_; // the square between the bars
    std::vector<Elementos> filas_;
    std::vector<QPoint> conectores_;
    int DesplFilas_ = 0;
    int DesplX_ = 0;
    int FilaSel_ = 1;
    int casillaPulsada_ = 0;
    int ruedaAcumulada_ = 0;
    QFont fuente_;
    QFont fuenteNegrita_;
};

} // namespace vornith::dialogs
