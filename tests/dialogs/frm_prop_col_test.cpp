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

// The title and prefix boxes name, under themselves, a character they refuse.
TEST(FrmPropCol, CaracterRechazadoNombradoBajoLaCaja) {
    Propiedades t(cabecera());
    t.dialogo.show();
    for (QLineEdit* caja : {t.o().TxTITULO, t.o().TxProPre}) {
        const QString antes = caja->text();
        test::teclea(caja, QStringLiteral("Δ"));
        EXPECT_EQ(caja->text(), antes);
        QLabel* nota = t.o().NotaRechazo;
        ASSERT_TRUE(nota->isVisible());
        EXPECT_EQ(nota->window(), &t.dialogo);
        EXPECT_TRUE(nota->text().contains(QStringLiteral("«Δ» (U+0394)")));
        const QPoint bajo = caja->mapTo(&t.dialogo, QPoint(0, caja->height()));
        EXPECT_GE(nota->y(), bajo.y());
        EXPECT_TRUE(t.dialogo.rect().contains(nota->geometry()));
        test::teclea(caja, QStringLiteral("x"));
        EXPECT_FALSE(nota->isVisible());
        EXPECT_TRUE(caja->text().endsWith(u'x'));
    }
    EXPECT_EQ(t.Coleccion.TITULO, t.o().TxTITULO->text());
    EXPECT_EQ(t.Coleccion.PROPRE, t.o().TxProPre->text());

    // A header tag is named too; another tab takes the note away with its box, and so do a
    // few seconds.
    test::teclea(t.o().TxTITULO, QStringLiteral("#TITULO)"));
    EXPECT_EQ(t.o().NotaRechazo->text(),
              QStringLiteral("«#TITULO)» es una marca del archivo de colección"));
    t.dialogo.LblTAB_Click(4);
    EXPECT_FALSE(t.o().NotaRechazo->isVisible());
    test::teclea(t.o().TxProPre, QStringLiteral("≥"));
    ASSERT_TRUE(t.o().NotaRechazo->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&t] { return !t.o().NotaRechazo->isVisible(); }, 60000));
}

// From the keyboard: Tab goes from the page's controls to the chosen tab and round, Ctrl+Tab
// and Ctrl+Shift+Tab change the tab (round the ends) and focus its page, or its tab when the
// tabs had the focus; Return accepts.
TEST(FrmPropCol, TabulaCambiaPestanasEIntroAcepta) {
    Propiedades t(cabecera());
    FrmPropCol& d = t.dialogo;
    d.show();
    ASSERT_EQ(d.focusWidget(), t.o().TxTITULO);
    EXPECT_EQ(test::recorrido(&d, 2), (std::vector<QWidget*>{d.LblTAB(1), t.o().TxTITULO}));
    EXPECT_EQ(test::recorrido(&d, 1, Qt::Key_Backtab, Qt::ShiftModifier),
              std::vector<QWidget*>{d.LblTAB(1)});

    test::tecla(&d, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d.TabActual(), 2);
    EXPECT_EQ(d.focusWidget(), d.LblTAB(2));
    test::tecla(&d, Qt::Key_Right);
    EXPECT_EQ(d.TabActual(), 3);
    EXPECT_EQ(d.focusWidget(), d.LblTAB(3));
    test::tecla(&d, Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), t.o().Option1);
    test::tecla(&d, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d.TabActual(), 4);
    EXPECT_EQ(d.focusWidget(), t.o().TxNumProbINI);
    EXPECT_EQ(test::recorrido(&d, 4), (std::vector<QWidget*>{t.o().TxProPre, t.o().TxProSuf,
                                                             d.LblTAB(4), t.o().TxNumProbINI}));
    test::tecla(&d, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.TabActual(), 3);
    test::tecla(&d, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.TabActual(), 2);
    EXPECT_EQ(d.focusWidget(), t.o().Option11);
    test::recorrido(&d, 2, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(d.TabActual(), 5);
    EXPECT_EQ(d.focusWidget(), t.o().Check1);
    test::tecla(&d, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d.TabActual(), 1);
    EXPECT_EQ(d.focusWidget(), t.o().TxTITULO);
    for (int i = 0; i < d.NumBotones(); ++i)
        EXPECT_EQ(d.Boton(i).Label3->focusPolicy(), Qt::NoFocus);

    t.o().TxTITULO->setText(QStringLiteral("Otra"));
    test::tecla(&d, Qt::Key_Return);
    EXPECT_TRUE(t.r.PropiedadesAceptadas);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(t.Coleccion.TITULO, QStringLiteral("Otra"));
}

} // namespace
} // namespace vornith::dialogs
