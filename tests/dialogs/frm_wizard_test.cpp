// The wizard: its step sequences and buttons, the settings it reads and writes, cancelling,
// the subject grid with its keys, the counts panel, and a collection made end to end.

#include "dialogs/frm_wizard.h"

#include "ayudas.h"
#include "catalogo_prueba.h"
#include "dialogs/arbol_temas.h"
#include "dialogs/dibuja_marco.h"
#include "dialogs/imagenes_ui.h"
#include "document/document_fixture.h"
#include "support/fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace vornith::dialogs {
namespace {

using test::cabecera;

struct Asistente {
    explicit Asistente(std::initializer_list<std::pair<const char*, const char*>> ajustes = {}) {
        for (auto [clave, valor] : ajustes)
            settings.setValue("Wizard", clave, valor);
        test::listado(g, "XIMB_FISI_CIN",
                      {cabecera("Física", "Cinemática"),
                       {"Física", "Cinemática", "Uno", 3, 1, 0, "&DPDesc uno"},
                       {"Física", "Cinemática", "Dos", 3, 2, 0, "Desc dos"},
                       {"Física", "Cinemática", "Preguntas", 1, 3, 4},
                       cabecera("Física", "Dinámica"),
                       {"Física", "Dinámica", "Fuerza", 2, 5, 0}});
        test::listado(g, "OTRA", {{"Química", "Gases", "Ideal", 3, 1}});
        Coleccion.TITULO = QStringLiteral("Anterior");
        Coleccion.NPROB = 7;
        Coleccion.PROINI = 4;
    }
    void abre() {
        servicios = std::make_unique<ServiciosDialogos>(
            ServiciosDialogos{settings, notifier, printers, cursor, g, carpeta.path()});
        w = std::make_unique<FrmWizard>(nullptr, Coleccion, Temas, r, *servicios);
        w->show();
    }
    void siguiente() { test::clic(w->Boton(2).Label3); }
    void atras() { test::clic(w->Boton(1).Label3); }
    // Selects row `fila` of the tree and toggles it with Enter, as the keys do.
    void alterna(int fila) {
        w->Picture1()->PonFilaSel(fila);
        QTest::keyClick(w->Picture1(), Qt::Key_Return);
    }
    // Next until step 7, choosing the first subject and checking row 3 on the way; the
    // steps seen.
    std::vector<int> recorre() {
        std::vector<int> pasos{w->Paso()};
        while (w->Paso() != 7) {
            if (w->Paso() == 2) w->ImageASIG_Click(1);
            if (w->Paso() == 4 && !Temas.Temas[3].Seleccionado) alterna(3);
            siguiente();
            pasos.push_back(w->Paso());
        }
        return pasos;
    }

    test::FakeSettings settings;
    test::FakeNotifier notifier;
    test::FakePrinters printers;
    test::FakeBusyCursor cursor;
    test::ScriptedRandom azar;
    generation::EstadoGeneracion g{azar};
    QTemporaryDir carpeta;
    document::DatosColeccion Coleccion;
    document::ListaTemas Temas;
    ResultadosDialogos r;
    std::unique_ptr<ServiciosDialogos> servicios;
    std::unique_ptr<FrmWizard> w;
};

TEST(FrmWizard, SecuenciasDePasosYFinalizar) {
    struct Caso {
        const char* showini;
        const char* showavan;
        std::vector<int> pasos;
    };
    const Caso casos[] = {
        {"S", "S", {1, 2, 3, 4, 5, 6, 7}},
        {"S", "N", {1, 2, 4, 7}},
        {"N", "S", {2, 3, 4, 5, 6, 7}},
        {"N", "N", {2, 4, 7}},
    };
    for (const Caso& caso : casos) {
        Asistente a({{"Showini", caso.showini}, {"Showavan", caso.showavan}});
        a.abre();
        EXPECT_FALSE(a.w->CmdBack()->isEnabled());
        EXPECT_EQ(a.w->CmdNext()->isEnabled(), *caso.showini == 'S');
        EXPECT_EQ(a.recorre(), caso.pasos) << caso.showini << caso.showavan;
        EXPECT_EQ(a.w->Boton(2).Label3->text(), "Finalizar");
        EXPECT_EQ(a.settings.values.size(), 2) << "nothing written before Finalizar";
        a.siguiente();
        EXPECT_TRUE(a.r.PropiedadesAceptadas);
        EXPECT_FALSE(a.w->isVisible());
        EXPECT_EQ(a.settings.values.value("Wizard/Showini"), caso.showini);
        EXPECT_EQ(a.settings.values.value("Wizard/Showavan"), caso.showavan);
        EXPECT_EQ(a.settings.values.value("Wizard/Asignatura"), "Física");
        EXPECT_EQ(a.settings.values.size(), 9);
        EXPECT_EQ(a.Coleccion.NPROB, 1);
        EXPECT_EQ(a.Coleccion.PROINI, 1);
        EXPECT_EQ(a.Coleccion.TITULO, "Problemas de Cinemática");
    }
}

TEST(FrmWizard, EstadosDeLosBotonesYCasillasAMitad) {
    Asistente a({{"Showini", "N"}});
    a.cursor.setBusy(true);
    a.abre();
    EXPECT_FALSE(a.cursor.isBusy());
    EXPECT_EQ(a.w->windowTitle(), "Asistente para la creación de colecciones de problemas");
    EXPECT_EQ(a.w->Label4()->text(), "Asistente para crear colecciones de ejercicios");
    EXPECT_EQ(a.w->Paso(), 2);
    EXPECT_FALSE(a.w->CmdNext()->isEnabled()); // no subject
    a.w->Check3()->setChecked(true);
    EXPECT_TRUE(a.w->CmdBack()->isEnabled());
    a.atras();
    EXPECT_EQ(a.w->Paso(), 1);
    EXPECT_FALSE(a.w->CmdBack()->isEnabled());
    a.siguiente();
    a.w->ImageASIG_Click(1);
    a.w->Check2()->setChecked(true);
    a.siguiente();
    ASSERT_EQ(a.w->Paso(), 3);
    EXPECT_TRUE(a.w->Label1(30)->isHidden());
    for (int k = 1; k <= 3; ++k)
        a.w->ChkTIP(k)->setChecked(false);
    EXPECT_FALSE(a.w->ChkTIP(4)->isEnabled());
    EXPECT_FALSE(a.w->CmdNext()->isEnabled()); // no type
    a.w->ChkTIP(3)->setChecked(true);
    a.siguiente();
    ASSERT_EQ(a.w->Paso(), 4);
    EXPECT_EQ(a.Temas.NumTemas, 5); // "Preguntas" (class 1) and "Fuerza" (class 2) left out
    EXPECT_FALSE(a.w->CmdNext()->isEnabled()); // total 0
    a.alterna(3);
    EXPECT_TRUE(a.w->CmdNext()->isEnabled());
    a.atras();
    EXPECT_FALSE(a.w->Label1(30)->isHidden());
    a.siguiente(); // same subject and types: the rows stay
    EXPECT_TRUE(a.Temas.Temas[3].Seleccionado);
    a.atras();
    a.w->ChkTIP(1)->setChecked(true);
    a.siguiente(); // other types: rebuilt
    EXPECT_FALSE(a.Temas.Temas[3].Seleccionado);
    EXPECT_EQ(a.Temas.NumTemas, 6);
}

TEST(FrmWizard, Mas500NoPasan) {
    for (int total : {500, 501}) {
        Asistente a({{"Showini", "N"}});
        a.abre();
        a.w->ImageASIG_Click(1);
        a.siguiente();
        for (int fila : {3, 4}) {
            a.Temas.Temas[static_cast<std::size_t>(fila)].Seleccionado = true;
            a.Temas.Temas[static_cast<std::size_t>(fila)].Cantidad = 250;
        }
        a.Temas.Temas[4].Cantidad = static_cast<std::int16_t>(total - 250);
        a.alterna(2); // a heading opens; the total is counted again
        EXPECT_EQ(a.Coleccion.NPROB, total);
        a.siguiente();
        if (total == 500) {
            EXPECT_EQ(a.w->Paso(), 7);
            EXPECT_TRUE(a.notifier.shown.empty());
        } else {
            EXPECT_EQ(a.w->Paso(), 4);
            ASSERT_EQ(a.notifier.shown.size(), 1U);
            const auto& aviso = a.notifier.shown.front();
            EXPECT_EQ(aviso.text, "La cantidad de problemas es superior a 500.\r\nPor favor "
                                  "reduzca la cantidad de problemas o cree varias colecciones "
                                  "\r\ncon cantidades menores de problemas.");
            EXPECT_EQ(aviso.title, "Vornith NORV");
            EXPECT_EQ(aviso.icon, Notifier::Icon::Exclamation);
        }
    }
}

TEST(FrmWizard, CancelarEnCadaPasoDevuelveLaCabecera) {
    for (int paso = 1; paso <= 7; ++paso) {
        for (bool porVentana : {false, true}) {
            Asistente a({{"Showavan", "S"}, {"Solpos", "2"}});
            const document::DatosColeccion original = a.Coleccion;
            a.abre();
            a.r.PropiedadesAceptadas = true;
            while (a.w->Paso() < paso) {
                if (a.w->Paso() == 2) a.w->ImageASIG_Click(1);
                if (a.w->Paso() == 4) a.alterna(4);
                a.siguiente();
            }
            a.w->Opciones().TxTITULO->setText("Otro");
            a.w->Opciones().Option5->setChecked(true);
            a.w->Opciones().TxProSuf->setText("]");
            if (porVentana)
                a.w->close();
            else
                QTest::keyClick(a.w.get(), Qt::Key_Escape);
            EXPECT_FALSE(a.w->isVisible());
            EXPECT_FALSE(a.r.PropiedadesAceptadas);
            EXPECT_EQ(a.Coleccion, original) << paso;
            EXPECT_EQ(a.settings.values.size(), 2) << "nothing written";
        }
    }
}

TEST(FrmWizard, RejillaDeAsignaturas) {
    Asistente a({{"Showini", "N"}});
    {
        QImage roja(8, 8, QImage::Format_RGB32);
        roja.fill(Qt::red);
        roja.save(a.carpeta.filePath("FÍSICA.JPG"), "JPG");
    }
    a.abre();
    ASSERT_EQ(a.w->NumAsignaturas(), 2);
    EXPECT_EQ(a.w->ImageASIG(1)->geometry(), QRect(80, 60, 190, 56));
    EXPECT_EQ(a.w->ImageASIG(2)->geometry(), QRect(290, 60, 190, 56));
    EXPECT_EQ(a.w->ImageASIG(2)->toolTip(), "Química");
    const QPixmap defecto = ImagenUi("asignatura_defecto");
    EXPECT_FALSE(test::mismaImagen(a.w->ImageASIG(1)->pixmap(), defecto));
    EXPECT_TRUE(test::mismaImagen(a.w->ImageASIG(2)->pixmap(), defecto));
    EXPECT_EQ(a.w->Label1(18)->text(), "No hay asignaturas seleccionadas");

    test::pulsa(a.w->ImageASIG(2));
    EXPECT_EQ(a.w->ListIndex(), 1);
    EXPECT_EQ(a.w->ShaSelec()->geometry(), QRect(286, 57, 198, 62));
    EXPECT_EQ(a.w->Label1(18)->text(), "Química");
    QWidget* foco = a.w->Check2(); // keys reach the grid before any control
    QTest::keyClick(foco, Qt::Key_Tab);
    EXPECT_EQ(a.w->ListIndex(), 0);
    QTest::keyClick(foco, Qt::Key_Left);
    EXPECT_EQ(a.w->ListIndex(), 1);
    QTest::keyClick(foco, Qt::Key_Home);
    EXPECT_EQ(a.w->ListIndex(), 0);
    QTest::keyClick(foco, Qt::Key_Space);
    EXPECT_EQ(a.w->Paso(), 4);
    EXPECT_EQ(a.Temas.Temas[1].Titulo, "Física");
    a.atras();
    const QPoint centro = a.w->ImageASIG(2)->rect().center();
    for (auto tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        test::raton(a.w->ImageASIG(2), tipo, centro, a.w->ImageASIG(2)->mapToGlobal(centro));
    EXPECT_EQ(a.w->ListIndex(), 1);
    EXPECT_EQ(a.w->Paso(), 4);
    EXPECT_EQ(a.Temas.Temas[1].Titulo, "Química");

    // Without subjects (a catalogue whose only line names none) only Esc acts.
    Asistente vacio({{"Showini", "N"}});
    vacio.g.NumCatalogo = 1;
    vacio.g.Catalogo[1] = QStringLiteral("X:") + QString(400, u' ');
    vacio.abre();
    ASSERT_EQ(vacio.w->NumAsignaturas(), 0);
    for (auto tecla :
         {Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_Return, Qt::Key_Tab}) {
        QTest::keyClick(vacio.w->Check2(), tecla);
        EXPECT_EQ(vacio.w->ListIndex(), -1);
        EXPECT_EQ(vacio.w->Paso(), 2);
        EXPECT_FALSE(vacio.w->CmdNext()->isEnabled());
    }
    QTest::keyClick(vacio.w->Check2(), Qt::Key_Escape);
    EXPECT_FALSE(vacio.w->isVisible());
}

// The subject list under the grid shares its choice: a click chooses and enables Next, a
// double click goes on, and the grid's clicks and keys move the list too.
TEST(FrmWizard, ListaDeAsignaturasAlPasoDeLaRejilla) {
    Asistente a({{"Showini", "N"}});
    a.abre();
    QListWidget* lista = a.w->LstAsig();
    ASSERT_EQ(lista->count(), 2);
    auto enLaLista = [&](int fila) { return lista->visualItemRect(lista->item(fila)).center(); };
    auto deAcuerdo = [&](int fila) {
        EXPECT_EQ(lista->currentRow(), fila);
        EXPECT_FALSE(a.w->ShaSelec()->isHidden());
        EXPECT_EQ(a.w->ShaSelec()->geometry().center(),
                  a.w->ImageASIG(fila + 1)->geometry().center());
        EXPECT_EQ(a.w->Label1(18)->text(), lista->item(fila)->text());
    };
    EXPECT_FALSE(a.w->CmdNext()->isEnabled());
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, enLaLista(1));
    EXPECT_TRUE(a.w->CmdNext()->isEnabled());
    EXPECT_EQ(a.w->Paso(), 2);
    deAcuerdo(1);
    test::pulsa(a.w->ImageASIG(1));
    deAcuerdo(0);
    QTest::keyClick(lista, Qt::Key_Tab); // the grid's key, even with the list focused
    deAcuerdo(1);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, enLaLista(1));
    EXPECT_EQ(a.w->Paso(), 4);
    EXPECT_EQ(a.Temas.Temas[1].Titulo, "Química");
    a.atras();
    deAcuerdo(1);
}

TEST(FrmWizard, CantidadesYPanel) {
    Asistente a({{"Showini", "N"}});
    a.abre();
    a.w->ImageASIG_Click(1);
    a.siguiente();
    ASSERT_EQ(a.w->Paso(), 4);
    QLineEdit* cantidad = a.w->TxCan(0);
    a.alterna(2);
    a.alterna(3);
    EXPECT_FALSE(cantidad->parentWidget()->isHidden());
    EXPECT_TRUE(a.w->TxCan(1)->parentWidget()->isHidden()); // no items for problems
    EXPECT_EQ(cantidad->text(), "1");
    EXPECT_EQ(a.w->TxTOT()->text(), "1");
    EXPECT_FALSE(a.w->ImageProgre()->isHidden());
    EXPECT_EQ(a.w->Label1(6)->text(), "Desc uno");
    cantidad->setText("5");
    EXPECT_EQ(a.w->VScroll2(0)->value(), -5);
    EXPECT_EQ(a.Coleccion.NPROB, 5);
    // Out of range, not a number or too large for 16 bits: the spinner's value comes back.
    for (const char* malo : {"0", "100", "abc", "", "99999", "-3"}) {
        cantidad->setText(malo);
        EXPECT_EQ(cantidad->text(), "5") << malo;
        EXPECT_EQ(a.Temas.Temas[3].Cantidad, 5) << malo;
        EXPECT_EQ(a.w->TxTOT()->text(), "5") << malo;
    }
    QTest::keyClick(cantidad, Qt::Key_Up);
    EXPECT_EQ(a.Temas.Temas[3].Cantidad, 6);
    // The spinner's upper arrow raises the count, its lower one lowers it.
    QScrollBar* spin = a.w->VScroll2(0);
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, 2));
    EXPECT_EQ(cantidad->text(), "7");
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(spin->width() / 2, spin->height() - 2));
    EXPECT_EQ(cantidad->text(), "6");
    cantidad->setText("99");
    QTest::keyClick(cantidad, Qt::Key_Up);
    EXPECT_EQ(cantidad->text(), "99");
    cantidad->setText("1");
    QTest::keyClick(cantidad, Qt::Key_Down);
    EXPECT_EQ(cantidad->text(), "1");
    cantidad->setText("4");
    a.alterna(3); // unchecked: the group goes, the count stays for later
    EXPECT_TRUE(cantidad->parentWidget()->isHidden());
    EXPECT_EQ(a.Coleccion.NPROB, 0);
    EXPECT_FALSE(a.w->CmdNext()->isEnabled());
    a.alterna(3);
    EXPECT_EQ(cantidad->text(), "4");
    EXPECT_EQ(a.Coleccion.NPROB, 4);
    EXPECT_TRUE(a.w->CmdNext()->isEnabled());

    // Items: 6 at first, never above MaxVariante (4 here; 99 when it is below 1).
    a.alterna(5);
    EXPECT_FALSE(a.w->TxCan(1)->parentWidget()->isHidden());
    EXPECT_EQ(a.w->Label1(21)->text(), "Nº cuestiones en cada uno");
    EXPECT_EQ(a.w->TxCan(1)->text(), "4");
    EXPECT_EQ(a.Temas.Temas[5].Variante, 4);
    a.w->TxCan(1)->setText("9");
    EXPECT_EQ(a.w->TxCan(1)->text(), "4");
    a.Temas.Temas[5].MaxVariante = 0;
    a.w->TxCan(1)->setText("50");
    EXPECT_EQ(a.Temas.Temas[5].Variante, 50);
    EXPECT_EQ(a.Coleccion.NPROB, 5);
    a.w->Picture1()->PonFilaSel(2); // a heading shows no count
    QTest::keyClick(a.w->Picture1(), Qt::Key_Down);
    QTest::keyClick(a.w->Picture1(), Qt::Key_Up);
    EXPECT_TRUE(cantidad->parentWidget()->isHidden());
    EXPECT_TRUE(a.w->ImageProgre()->isHidden());
}

// The count and the items groups stand in their decorated frames, shown and hidden with them.
TEST(FrmWizard, MarcosDeLosGruposDeCantidad) {
    Asistente a({{"Showini", "N"}});
    a.abre();
    a.w->ImageASIG_Click(1);
    a.siguiente();
    const QRgb linea = PiezasMarco::DeLosDialogos().Picanvas.pixel(0, 26);
    auto enElMarco = [&](int i) {
        const QImage paso = a.w->Frame1(4)->grab().toImage();
        const QRect g = a.w->GrupoCantidad(i)->geometry();
        // The left edge and the line under the tab.
        return paso.pixel(g.left(), g.top() + 30) == linea &&
               paso.pixel(g.center().x(), g.top() + 17) == linea;
    };
    EXPECT_FALSE(enElMarco(0) || enElMarco(1)) << "no topic chosen";
    a.alterna(2);
    a.alterna(5); // "Cuestiones": count and items
    EXPECT_TRUE(enElMarco(0) && enElMarco(1));
}

// From the keyboard: Tab in reading order on each step, Return for Next and Finalizar unless
// the focused control takes it (the topic tree toggles its row; on step 2 the grid's keys).
TEST(FrmWizard, TabulaEnOrdenEIntroSigue) {
    Asistente a({{"Showavan", "S"}});
    a.abre();
    FrmWizard& w = *a.w;
    ControlesOpciones& o = w.Opciones();
    using Focos = std::vector<QWidget*>;
    test::tecla(&w, Qt::Key_Return);
    ASSERT_EQ(w.Paso(), 2);
    test::tecla(&w, Qt::Key_Return);
    EXPECT_EQ(w.Paso(), 2) << "no subject yet";
    w.ImageASIG_Click(1);
    test::tecla(&w, Qt::Key_Return);
    ASSERT_EQ(w.Paso(), 3);
    w.Check3()->setFocus();
    EXPECT_EQ(test::recorrido(&w, 5),
              (Focos{w.ChkTIP(1), w.ChkTIP(2), w.ChkTIP(3), w.Check2(), w.Check3()}));
    test::tecla(&w, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(w.Paso(), 4);
    EXPECT_EQ(w.focusWidget(), w.Picture1());
    a.alterna(2);
    w.Picture1()->PonFilaSel(3);
    test::tecla(&w, Qt::Key_Return);
    EXPECT_EQ(w.Paso(), 4) << "the tree takes Return";
    EXPECT_TRUE(a.Temas.Temas[3].Seleccionado);
    EXPECT_EQ(test::recorrido(&w, 4), (Focos{w.TxCan(0), w.TxTOT(), w.Check2(), w.Check3()}));
    w.TxCan(0)->setFocus();
    test::tecla(&w, Qt::Key_Return);
    ASSERT_EQ(w.Paso(), 5);
    o.TxNumProbINI->setFocus();
    EXPECT_EQ(test::recorrido(&w, 6),
              (Focos{o.TxProPre, o.TxProSuf, o.Check1, o.Combo1, o.Combo2, o.TxINIPAG}));
    test::tecla(&w, Qt::Key_Return);
    test::tecla(&w, Qt::Key_Return);
    ASSERT_EQ(w.Paso(), 7);
    EXPECT_EQ(w.focusWidget(), o.TxTITULO);
    test::tecla(&w, Qt::Key_Return);
    EXPECT_TRUE(a.r.PropiedadesAceptadas);
    EXPECT_FALSE(w.isVisible());
}

TEST(FrmWizard, LaRuedaMueveElArbolDesdeCualquierParte) {
    Asistente a({{"Showini", "N"}});
    QString muchos = QStringLiteral("M:") + test::registro(cabecera("Física", "Muchos"));
    for (int i = 0; i < 30; ++i)
        muchos += test::registro({"Física", "Muchos", "x", 3, 1});
    generation::AlmacenaListado(a.g, muchos);
    a.abre();
    a.w->ImageASIG_Click(1);
    auto rueda = [&](QWidget* sobre, int giro) {
        QWheelEvent e(QPointF(2, 2), QPointF(sobre->mapToGlobal(QPoint(2, 2))), QPoint(),
                      QPoint(0, giro), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sobre, &e);
    };
    a.siguiente();
    a.alterna(8);
    ASSERT_FALSE(a.w->Picture1()->VScroll1()->isHidden());
    rueda(a.w->TxTOT(), -120);
    EXPECT_EQ(a.w->Picture1()->DesplFilas(), -1);
    rueda(a.w->Check2(), -60);
    rueda(a.w->Picture1(), -60);
    EXPECT_EQ(a.w->Picture1()->DesplFilas(), -2);
    rueda(a.w->Label4(), 120);
    EXPECT_EQ(a.w->Picture1()->DesplFilas(), -1);
    a.atras(); // elsewhere the wheel is the controls' own
    rueda(a.w->Check2(), -120);
    a.siguiente();
    EXPECT_EQ(a.w->Picture1()->DesplFilas(), -1);
}

// Física on the real catalogue: open Cinemática, two types with 3 and 2 problems, Finalizar,
// and the document makes them.
TEST(FrmWizard, ColeccionDeExtremoAExtremo) {
    test::DocumentFixture f;
    test::FakeSettings settings;
    test::FakeNotifier notifier;
    test::FakePrinters printers;
    document::ListaTemas Temas;
    ResultadosDialogos r;
    const ServiciosDialogos s{settings, notifier, printers, f.cursor, f.generacion, QString()};
    document::DatosColeccion Coleccion = f.doc->estado().Coleccion;
    FrmWizard w(nullptr, Coleccion, Temas, r, s);
    w.show();
    test::clic(w.Boton(2).Label3);
    w.ImageASIG_Click(w.LstAsig()->row(w.LstAsig()->findItems("Física", Qt::MatchExactly)[0]) + 1);
    test::clic(w.Boton(2).Label3);
    ASSERT_EQ(w.Paso(), 4);
    int cinematica = 0;
    for (int i = 1; i <= Temas.NumTemas && cinematica == 0; ++i)
        if (Temas.Temas[static_cast<std::size_t>(i)].Titulo == "Cinemática") cinematica = i;
    ASSERT_GT(cinematica, 0);
    auto alterna = [&](int fila) {
        w.Picture1()->PonFilaSel(fila);
        QTest::keyClick(w.Picture1(), Qt::Key_Return);
    };
    alterna(cinematica);
    for (auto [rutina, cantidad] : {std::pair(1, "3"), std::pair(2, "2")}) {
        int fila = cinematica + 1;
        while (Temas.Temas[static_cast<std::size_t>(fila)].Rutina != rutina)
            ++fila;
        ASSERT_TRUE(w.Picture1()->Fila(fila).visible);
        alterna(fila);
        w.TxCan(0)->setText(cantidad);
    }
    EXPECT_EQ(w.TxTOT()->text(), "5");
    test::clic(w.Boton(2).Label3);
    ASSERT_EQ(w.Paso(), 7);
    test::clic(w.Boton(2).Label3);
    ASSERT_TRUE(r.PropiedadesAceptadas);

    f.doc->PonCabecera(Coleccion);
    f.doc->Arbol_to_Var(Temas);
    f.doc->CrearColeccion(1);
    const auto& d = f.doc->estado();
    ASSERT_EQ(d.Coleccion.NPROB, 5);
    EXPECT_EQ(d.Coleccion.TITULO, "Problemas de Cinemática");
    const int tipos[] = {1, 1, 1, 2, 2};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(d.Problemas[static_cast<std::size_t>(i)].Clave, "XIMB_FISI_CIN");
        EXPECT_EQ(d.Problemas[static_cast<std::size_t>(i)].Tipo, tipos[i - 1]);
    }
}

// In the wizard too the title box names, under itself, the characters it refuses.
TEST(FrmWizard, CaracterRechazadoNombradoBajoLaCaja) {
    Asistente a;
    a.abre();
    a.recorre();
    ControlesOpciones& o = a.w->Opciones();
    const QString titulo = o.TxTITULO->text();
    o.TxTITULO->insert(QStringLiteral(" → ∞"));
    EXPECT_EQ(a.Coleccion.TITULO, titulo);
    QLabel* nota = o.NotaRechazo;
    ASSERT_TRUE(nota->isVisible());
    EXPECT_EQ(nota->text(),
              QStringLiteral("El archivo no puede guardar «→» (U+2192), «∞» (U+221E)"));
    EXPECT_GE(nota->y(), o.TxTITULO->mapTo(a.w.get(), QPoint(0, o.TxTITULO->height())).y());
    EXPECT_TRUE(a.w->rect().contains(nota->geometry()));
}

} // namespace
} // namespace vornith::dialogs
