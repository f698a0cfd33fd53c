// The properties dialog: the header edited in place, put back whole by every close but
// Accept; the load and the tabs.

#include "dialogs/frm_prop_col.h"

#include "ayudas.h"
#include "support/fakes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

struct Propiedades {
    explicit Propiedades(document::DatosColeccion datos)
        : Coleccion(std::move(datos)), dialogo(nullptr, Coleccion, r, cursor) {}
    document::DatosColeccion Coleccion;
    ResultadosDialogos r;
    test::FakeBusyCursor cursor;
    FrmPropCol dialogo;
    ControlesOpciones& o() { return dialogo.Opciones(); }
};

document::DatosColeccion cabecera() {
    document::DatosColeccion c;
    c.TITULO = QStringLiteral("Física 1");
    c.ORDENA = true;
    c.POSSOL = 1;
    c.PROPRE = QStringLiteral("P");
    c.PROSUF = QStringLiteral(".");
    c.PROINI = 3;
    c.COLRESPRO = kPaletaResalte[4];
    c.PAGINI = 2;
    c.POSNUMPAG = 9;
    c.NPROB = 12;
    return c;
}

TEST(FrmPropCol, CadaCierreSalvoAceptarDevuelveLaCabecera) {
    const std::function<void(FrmPropCol&)> cierres[] = {
        [](FrmPropCol& d) { test::clic(d.Boton(0).Label3); },
        [](FrmPropCol& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](FrmPropCol& d) { test::clic(d.Label6()); },
        [](FrmPropCol& d) { d.close(); },
    };
    for (const auto& cierre : cierres) {
        const document::DatosColeccion original = cabecera();
        Propiedades t(original);
        t.dialogo.show();
        EXPECT_EQ(t.Coleccion, original) << "the load stores back what it shows";
        t.o().TxTITULO->setText(QStringLiteral("Otra"));
        t.o().Option12->setChecked(true);
        t.o().Option5->setChecked(true);
        t.o().TxNumProbINI->setText(QStringLiteral("5"));
        t.o().TxProPre->setText(QStringLiteral("x"));
        t.o().TxProSuf->setText(QStringLiteral("y"));
        test::raton(t.o().Picture2, QEvent::MouseButtonPress, QPoint(100, 5), QPoint());
        t.o().TxINIPAG->setText(QStringLiteral("40"));
        t.o().Combo2->setCurrentIndex(4);
        EXPECT_EQ(t.Coleccion.POSNUMPAG, 13);
        t.o().Check1->setChecked(false);
        EXPECT_EQ(t.Coleccion.TITULO, QStringLiteral("Otra"));
        EXPECT_EQ(t.Coleccion.COLRESPRO, kPaletaResalte[5]);
        EXPECT_EQ(t.Coleccion.PAGINI, 40);
        t.r.PropiedadesAceptadas = true;
        cierre(t.dialogo);
        EXPECT_FALSE(t.dialogo.isVisible());
        EXPECT_EQ(t.Coleccion, original);
        EXPECT_FALSE(t.r.PropiedadesAceptadas);
    }
}

TEST(FrmPropCol, AceptarSinCambiosDaPorAceptado) {
    const document::DatosColeccion original = cabecera();
    Propiedades t(original);
    t.dialogo.show();
    test::clic(t.dialogo.Boton(1).Label3);
    EXPECT_TRUE(t.r.PropiedadesAceptadas);
    EXPECT_EQ(t.dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(t.Coleccion, original);
}

TEST(FrmPropCol, CargaDeLaCabecera) {
    {
        document::DatosColeccion c = cabecera();
        c.POSNUMPAG = 0;
        c.PAGINI = 7;
        Propiedades t(c);
        EXPECT_FALSE(t.o().Check1->isChecked());
        EXPECT_EQ(t.o().TxINIPAG->text(), QStringLiteral("7"));
        t.o().Check1->setChecked(true);
        EXPECT_EQ(t.Coleccion.POSNUMPAG, 11);
        EXPECT_EQ(t.Coleccion.PAGINI, 7);
    }
    {
        document::DatosColeccion c = cabecera();
        c.POSSOL = 7;
        Propiedades t(c);
        for (auto* o : {t.o().Option1, t.o().Option13, t.o().Option19, t.o().Option5})
            EXPECT_FALSE(o->isChecked());
        EXPECT_EQ(t.Coleccion.POSSOL, 7);
    }
    {
        document::DatosColeccion c = cabecera();
        c.COLRESPRO = kPaletaAsistente[1]; // not in this dialog's palette
        Propiedades t(c);
        EXPECT_EQ(t.o().Picture2->Shape2Left(), 2);
        test::clic(t.dialogo.Boton(1).Label3);
        EXPECT_EQ(t.Coleccion.COLRESPRO, kPaletaAsistente[1]);
    }
}

TEST(FrmPropCol, PestanasYBotonesEnSuSitio) {
    Propiedades t(cabecera());
    EXPECT_EQ(t.dialogo.size(), QSize(631, 485));
    const int izquierdas[] = {0, 10, 99, 218, 307, 456};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(t.dialogo.LblTAB(i)->pos(), QPoint(izquierdas[i] + 5, 40)) << i;
        EXPECT_EQ(t.dialogo.Frame1(i)->geometry(), QRect(26, 68, 576, 320)) << i;
    }
    EXPECT_EQ(t.dialogo.LblTAB(4)->text(), QStringLiteral(" Numeración prob."));
    EXPECT_EQ(t.dialogo.Boton(0).Image1->pos(), QPoint(480, 437));
    EXPECT_EQ(t.dialogo.Boton(1).Image1->pos(), QPoint(315, 437));
    EXPECT_EQ(t.dialogo.Boton(0).Label3->text(), QStringLiteral("Cancelar"));
}

TEST(FrmPropCol, UnaPaginaPorPestanaYLaPrimeraEnfocaElTitulo) {
    Propiedades t(cabecera());
    t.cursor.setBusy(true);
    t.dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.dialogo));
    EXPECT_FALSE(t.cursor.isBusy());
    EXPECT_TRUE(t.o().TxTITULO->hasFocus());
    for (int elegida : {2, 5, 3, 4, 1}) {
        test::clic(t.dialogo.LblTAB(elegida));
        EXPECT_EQ(t.dialogo.TabActual(), elegida);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(t.dialogo.Frame1(i)->isVisible(), i == elegida);
    }
    EXPECT_TRUE(t.o().TxTITULO->hasFocus());
    test::clic(t.dialogo.LblTAB(4));
    t.o().TxProPre->setFocus();
    test::clic(t.dialogo.LblTAB(4));
    EXPECT_TRUE(t.o().TxProPre->hasFocus()) << "other tabs leave the focus";
}

// The title and prefix boxes refuse a character the file cannot hold, or a header tag, and name
// it in a note under the box until the next keystroke, another tab or a few seconds.
TEST(FrmPropCol, CaracterRechazadoNombradoBajoLaCaja) {
    Propiedades t(cabecera());
    FrmPropCol& d = t.dialogo;
    ControlesOpciones& o = t.o();
    QLabel* nota = o.NotaRechazo;
    d.show();
    d.LblTAB_Click(4);
    test::teclea(o.TxProPre, QStringLiteral("Δ"));
    EXPECT_EQ(o.TxProPre->text(), QStringLiteral("P"));
    ASSERT_TRUE(nota->isVisible());
    EXPECT_EQ(nota->text(), QStringLiteral("El archivo no puede guardar «Δ» (U+0394)"));
    EXPECT_GE(nota->y(), o.TxProPre->mapTo(&d, QPoint(0, o.TxProPre->height())).y());
    EXPECT_TRUE(d.rect().contains(nota->geometry()));
    test::teclea(o.TxProPre, QStringLiteral("x"));
    EXPECT_FALSE(nota->isVisible());
    test::teclea(o.TxProPre, QStringLiteral("#TITULO)"));
    ASSERT_TRUE(nota->isVisible());
    EXPECT_EQ(nota->text(), QStringLiteral("«#TITULO)» es una marca del archivo de colección"));
    d.LblTAB_Click(1);
    EXPECT_FALSE(nota->isVisible());
    test::teclea(o.TxTITULO, QStringLiteral("≥"));
    ASSERT_TRUE(nota->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([nota] { return !nota->isVisible(); }, 60000));
}

// From the keyboard: Tab goes from the page's controls to the chosen tab and round; Ctrl+Tab and
// Ctrl+Shift+Tab change the tab, round the ends, and focus its page, or its tab when the tabs
// had the focus; the arrows move along the tabs; Return accepts.
TEST(FrmPropCol, TabulaCambiaPestanasEIntroAcepta) {
    Propiedades t(cabecera());
    FrmPropCol& d = t.dialogo;
    ControlesOpciones& o = t.o();
    d.show();
    using Estado = std::pair<int, QWidget*>; // the chosen tab and the focus
    auto tras = [&d](Qt::Key tecla, Qt::KeyboardModifiers mods = {}) {
        test::tecla(&d, tecla, mods);
        return Estado(d.TabActual(), d.focusWidget());
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, atras = ctrl | Qt::ShiftModifier;
    EXPECT_EQ(tras(Qt::Key_Tab), Estado(1, d.LblTAB(1)));
    EXPECT_EQ(tras(Qt::Key_Tab), Estado(1, o.TxTITULO));
    EXPECT_EQ(tras(Qt::Key_Backtab, Qt::ShiftModifier), Estado(1, d.LblTAB(1)));
    EXPECT_EQ(tras(Qt::Key_Tab, ctrl), Estado(2, d.LblTAB(2)));
    EXPECT_EQ(tras(Qt::Key_Right), Estado(3, d.LblTAB(3)));
    EXPECT_EQ(tras(Qt::Key_Tab), Estado(3, o.Option1));
    EXPECT_EQ(tras(Qt::Key_Tab, ctrl), Estado(4, o.TxNumProbINI));
    EXPECT_EQ(tras(Qt::Key_Backtab, atras), Estado(3, o.Option1));
    EXPECT_EQ(tras(Qt::Key_Tab, atras), Estado(2, o.Option11));
    EXPECT_EQ(tras(Qt::Key_Backtab, atras), Estado(1, o.TxTITULO));
    EXPECT_EQ(tras(Qt::Key_Backtab, atras), Estado(5, o.Check1));
    EXPECT_EQ(tras(Qt::Key_Tab, ctrl), Estado(1, o.TxTITULO));
    test::tecla(&d, Qt::Key_Return);
    EXPECT_TRUE(t.r.PropiedadesAceptadas);
    EXPECT_FALSE(d.isVisible());
}

} // namespace
} // namespace vornith::dialogs
