#include "dialogs/dialogos_qt.h"

#include "dialogs/frm_imprimir.h"
#include "dialogs/frm_prop_col.h"

namespace vornith::dialogs {

void DialogosQt::Asistente(QWidget*, document::DatosColeccion&, document::ListaTemas&,
                           ResultadosDialogos& r) {
    r.PropiedadesAceptadas = false;
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
