#include "dialogs/dialogos_qt.h"

#include "dialogs/frm_imprimir.h"
#include "dialogs/frm_prop_col.h"
#include "dialogs/frm_wizard.h"

namespace vornith::dialogs {

void DialogosQt::Asistente(QWidget* padre, document::DatosColeccion& Coleccion,
                           document::ListaTemas& Temas, ResultadosDialogos& r) {
    FrmWizard dialogo(padre, Coleccion, Temas, r, s_);
    dialogo.Muestra();
}

void DialogosQt::Propiedades(QWidget* padre, document::DatosColeccion& Coleccion,
                             ResultadosDialogos& r) {
    FrmPropCol dialogo(padre, Coleccion, r, s_.cursor);
    dialogo.Muestra();
}

void DialogosQt::Imprimir(QWidget* padre, int PaginaActual, int NumPaginas, ResultadosDialogos& r) {
    frmImprimir dialogo(padre, PaginaActual, NumPaginas, r, s_.printers, s_.notifier);
    dialogo.Muestra();
}

} // namespace vornith::dialogs
