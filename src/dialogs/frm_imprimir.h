#pragma once

// The print dialog: printer, copies, collation and the pages to print. It prints nothing; it
// leaves its outcome in ResultadosDialogos and makes the chosen printer the current one.

#include "dialogs/dialogos.h"
#include "dialogs/ventana_dibujada.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace vornith {
class Notifier;
class Printers;
} // namespace vornith

namespace vornith::dialogs {

// Copies the dialog accepts.
constexpr int kMaxCopias = 1999;
// Pages that always have a flag, whatever the collection's length.
constexpr int kPaginasConMarca = 199;

class frmImprimir final : public VentanaDibujada {
    Q_OBJECT
  public:
    frmImprimir(QWidget* padre, int PaginaActual, int NumPaginas, ResultadosDialogos& r,
                Printers& printers, Notifier& notifier);

    QComboBox* Combo1; // printers
    QLineEdit* Text1;  // copies
    QScrollBar* VScroll1;
    QCheckBox* ChkCOLLATE;
    std::array<QLabel*, 2> ImgCOLLATE;
    QRadioButton* Option1; // all pages
    QRadioButton* Option3; // current page
    QRadioButton* Option2; // page list
    QLineEdit* Text2;
    QLabel* Label5;

    void cmdImprimir_Click();
    void CmdCancelar_Click();

  protected:
    void Cancelar() override { CmdCancelar_Click(); }
    void Aceptar() override { cmdImprimir_Click(); }
    void Activacion() override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

  private:
    void Text1_Change();
    void Text1_LostFocus();
    void Combo1_Click(int indice);
    bool Text1_KeyDown(int tecla);
    // Sets the page flags from the page choice; false when a message was shown.
    bool marcaPaginas();

    const int PaginaActual;
    ResultadosDialogos& r_;
    Printers& printers_;
    Notifier& notifier_;
};

} // namespace vornith::dialogs
