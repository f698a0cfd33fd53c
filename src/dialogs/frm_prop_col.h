#pragma once

// The collection-properties dialog: five tabs over the option controls, editing the header in
// place; Cancel (and every other close but Accept) puts the header taken at load back whole.

#include "dialogs/controles_opciones.h"
#include "dialogs/dialogos.h"
#include "dialogs/ventana_dibujada.h"

#include <array>

namespace vornith {
class BusyCursor;
}

namespace vornith::dialogs {

class FrmPropCol final : public VentanaDibujada {
    Q_OBJECT
  public:
    FrmPropCol(QWidget* padre, document::DatosColeccion& Coleccion, ResultadosDialogos& r,
               BusyCursor& cursor);

    ControlesOpciones& Opciones() { return *opciones_; }
    // Shows tab `Index` (1..5).
    void LblTAB_Click(int Index);
    int TabActual() const { return TabActual_; }
    QWidget* Frame1(int i) const { return Frame1_.at(static_cast<std::size_t>(i)); }
    QLabel* LblTAB(int i) const { return LblTAB_.at(static_cast<std::size_t>(i)); }

    void CmdNext_Click();   // Accept
    void CmdCancel_Click(); // Cancel

  protected:
    void Cancelar() override { CmdCancel_Click(); }
    void Aceptar() override { CmdNext_Click(); }
    void Activacion() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* event) override;

  private:
    // Ctrl+Tab and Ctrl+Shift+Tab: the tab `paso` places on, round the ends.
    void PestanaVecina(int paso);
    void colorPestana(int i, QRgb color);

    document::DatosColeccion& Coleccion;
    const document::DatosColeccion CopiaColeccion;
    ResultadosDialogos& r_;
    BusyCursor& cursor_;
    ControlesOpciones* opciones_;
    int TabActual_ = 1;
    // Indices 1..5; 0 unused.
    std::array<QWidget*, 6> Frame1_{};
    std::array<QLabel*, 6> Image3_{};
    std::array<QLabel*, 6> LblTAB_{};
    std::array<int, 6> Tag_{};
};

} // namespace vornith::dialogs
