// The dialogs as the main window shows them: modal, and a window-manager close of either one
// reports no acceptance and leaves the header as it was.

#include "dialogs/dialogos_qt.h"

#include "generation/estado_generacion.h"
#include "support/fakes.h"
#include "support/guion_modal.h"

#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

struct Servicios {
    test::FakeSettings settings;
    test::FakeNotifier notifier;
    test::FakePrinters printers;
    test::FakeBusyCursor cursor;
    test::ScriptedRandom azar;
    generation::EstadoGeneracion generacion{azar};
    DialogosQt dialogos{{settings, notifier, printers, cursor, generacion, QString()}};
};

// `guion` closes the modal dialog as the window manager would, once it is shown.
void cierraAlMostrarse(QTimer& guion) {
    test::guionModal<QDialog>(guion, [](QDialog* modal) { modal->close(); });
}

TEST(DialogosQt, CerrarLaVentanaNoAcepta) {
    Servicios s;
    ResultadosDialogos r;
    r.ImprimirAceptado = true;
    QTimer guion;
    cierraAlMostrarse(guion);
    s.dialogos.Imprimir(nullptr, 3, 320, r);
    EXPECT_FALSE(r.ImprimirAceptado);
    EXPECT_EQ(r.PaginasAImprimir.size(), 321U);

    document::DatosColeccion c;
    c.TITULO = QStringLiteral("  Con blancos ");
    c.POSNUMPAG = 8;
    const document::DatosColeccion original = c;
    r.PropiedadesAceptadas = true;
    cierraAlMostrarse(guion);
    s.dialogos.Propiedades(nullptr, c, r);
    EXPECT_FALSE(r.PropiedadesAceptadas);
    EXPECT_EQ(c, original);
}

} // namespace
} // namespace vornith::dialogs
