// The dialogs as the main window shows them: modal, and a window-manager close of either one
// reports no acceptance and leaves the header as it was.

#include "dialogs/dialogos_qt.h"

#include "generation/estado_generacion.h"
#include "support/fakes.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

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

// Closes the modal dialog as the window manager would, once it is shown.
void cierraAlMostrarse() {
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
}

TEST(DialogosQt, CerrarLaVentanaNoAcepta) {
    Servicios s;
    ResultadosDialogos r;
    r.ImprimirAceptado = true;
    cierraAlMostrarse();
    s.dialogos.Imprimir(nullptr, 3, 320, r);
    EXPECT_FALSE(r.ImprimirAceptado);
    EXPECT_EQ(r.PaginasAImprimir.size(), 321U);

    document::DatosColeccion c;
    c.TITULO = QStringLiteral("  Con blancos ");
    c.POSNUMPAG = 8;
    const document::DatosColeccion original = c;
    r.PropiedadesAceptadas = true;
    cierraAlMostrarse();
    s.dialogos.Propiedades(nullptr, c, r);
    EXPECT_FALSE(r.PropiedadesAceptadas);
    EXPECT_EQ(c, original);
}

} // namespace
} // namespace vornith::dialogs
