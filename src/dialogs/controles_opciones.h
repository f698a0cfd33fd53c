#pragma once

// The collection option controls shared by the wizard's steps 5-7 and the properties dialog:
// title, ordering, solution placement, problem numbering and page numbering. Every handler
// writes its field of the collection header at once; the owning window keeps the copy for
// cancelling.

#include "document/coleccion.h"
#include "platform/colour.h"

#include <QObject>
#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace vornith::dialogs {

// A row of 22 highlight colours.
using Paleta = std::array<Rgb, 22>;
// The wizard's palette (its swatches 15 and 19 share a colour).
extern const Paleta kPaletaAsistente;
// The properties dialog's palette, PaletaResalte.
extern const Paleta kPaletaResalte;

// Picture2: the swatch row, 444 × 21, with the selection frame Shape2 over the chosen swatch.
// A press with any button at X picks swatch Int(X / 20) when it is 0..21.
class FilaColores : public QWidget {
    Q_OBJECT
  public:
    FilaColores(const Paleta& paleta, QWidget* padre);
    // Shape2's Left.
    int Shape2Left() const { return shape2Left_; }
    void PonShape2Left(int left);

  signals:
    void elegido(Rgb color);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const Paleta& paleta_;
    int shape2Left_ = 2;
};

class ControlesOpciones : public QObject {
    Q_OBJECT
  public:
    // The groups are made as children of `padre`; the owner moves each one where it goes.
    ControlesOpciones(document::DatosColeccion& Coleccion, const Paleta& paleta, QWidget* padre);

    // Fills every control from the header, with the combo handler held back until the
    // page-number decoding is done; each control's handler stores back what it shows.
    void Carga();

    // The five groups.
    QWidget* GrupoTitulo;
    QWidget* GrupoOrdenacion;
    QWidget* GrupoSoluciones;
    QWidget* GrupoNumeracionProblemas;
    QWidget* GrupoNumeracionPaginas;

    // Title.
    QLineEdit* TxTITULO;
    // Ordering.
    QRadioButton* Option11; // "Ordenar por temas"
    QRadioButton* Option12; // "No ordenar (aleatorio)"
    // Solution placement, with its preview Image2.
    QRadioButton* Option1;  // none
    QRadioButton* Option13; // after each problem
    QRadioButton* Option19; // together at the end
    QRadioButton* Option5;  // on a page apart
    QLabel* Image2;
    // Problem numbering.
    QLineEdit* TxNumProbINI;
    QLineEdit* TxProPre;
    QLineEdit* TxProSuf;
    FilaColores* Picture2;
    // Page numbering: Frame2 is the inner frame Frame2(6); Image4 the two preview pages.
    QCheckBox* Check1;
    QWidget* Frame2;
    QComboBox* Combo1; // "Arriba", "Abajo"
    QComboBox* Combo2; // "Izquierda", "Centro", "Derecha", "Interior", "Exterior"
    QLineEdit* TxINIPAG;
    std::array<QLabel*, 2> Image4;

    // The note under a title, prefix or suffix box that names what it refused; it goes after
    // kDuracionNota ms or at the next keystroke in a box.
    QLabel* NotaRechazo;
    static constexpr int kDuracionNota = 4000;

    // True while code fills the controls: the combo handler then does nothing.
    bool BloqueoEventos = false;

    // Page-number code and preview of the two combos (also run by Combo2's change).
    void Combo1_Click();

  private:
    void Option_Click(int posicion);
    void Check1_Click(bool marcado);
    void TxNumProbINI_Change();
    void TxINIPAG_Change();
    void Picture2_MouseDown(Rgb color);
    void MuestraRechazo(QLineEdit* caja);
    bool eventFilter(QObject* objeto, QEvent* event) override;

    document::DatosColeccion& Coleccion;
    const Paleta& paleta_;
    QButtonGroup* grupoOrden_;
    QButtonGroup* grupoSoluciones_;
    QTimer* finNota_;
    QLineEdit* notaDe_ = nullptr; // the box the note stands under
};

} // namespace vornith::dialogs
