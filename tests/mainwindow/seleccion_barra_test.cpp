// Selection of a block on the page, the toolbar and the generating state.

#include "mainwindow/boton_pagina.h"
#include "ventana_fixture.h"

#include <QEnterEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

struct SeleccionFixture : ::testing::Test {
    void SetUp() override {
        v = &f.cargada(1024, 700);
        f.abre(3);
        ASSERT_GE(f.motor.NumBloquesPagina, 3);
        v->Picture1_MouseMove(0); // into the edit zone
        ASSERT_EQ(v->Picture1->Tag, "Edición");
    }
    void clic(float y, int boton = 1) { v->Picture1_MouseDown(boton, 100, y, {}); }
    float centro(int n) {
        return static_cast<float>((f.motor.BloqueY1[n] + f.motor.BloqueY2[n]) / 2);
    }
    VentanaFixture f;
    mainwindow::FormMain* v = nullptr;
};

TEST_F(SeleccionFixture, ClickSelectsOneBlockAndASecondClickRestoresThePage) {
    const QImage limpia = f.pagina();
    clic(centro(2));
    EXPECT_TRUE(f.motor.BloqueSel[2]);
    EXPECT_EQ(f.doc().NumSeleccionados(), 1);
    EXPECT_TRUE(v->BotonHabilitado[6]);
    EXPECT_TRUE(v->BotonHabilitado[7]);
    EXPECT_TRUE(v->mnu_Edicion_Cut->isEnabled());
    EXPECT_NE(f.pagina(), limpia);
    // The page widget shows exactly the page image.
    EXPECT_EQ(v->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32), f.pagina());
    clic(centro(2));
    EXPECT_FALSE(f.motor.BloqueSel[2]);
    EXPECT_FALSE(v->BotonHabilitado[6]);
    EXPECT_FALSE(v->mnu_Edicion_Cut->isEnabled());
    EXPECT_EQ(f.pagina(), limpia);
}

TEST_F(SeleccionFixture, EdgesCountAndTheEarlierBlockWinsASharedEdge) {
    f.motor.BloqueY2[1] = f.motor.BloqueY1[2];
    clic(static_cast<float>(f.motor.BloqueY1[2]));
    EXPECT_TRUE(f.motor.BloqueSel[1]);
    clic(static_cast<float>(f.motor.BloqueY2[2]));
    EXPECT_TRUE(f.motor.BloqueSel[2]);
    EXPECT_FALSE(f.motor.BloqueSel[1]);
    // Between blocks nothing changes; a right click keeps the selection.
    clic(static_cast<float>(f.motor.BloqueY2[f.motor.NumBloquesPagina] + 1000));
    clic(centro(1), 2);
    v->cmnu_edicion->hide();
    EXPECT_TRUE(f.motor.BloqueSel[2]);
    EXPECT_EQ(f.doc().NumSeleccionados(), 1);
}

TEST_F(SeleccionFixture, OutsideTheZoneAClickClears) {
    clic(centro(1));
    v->Picture1_MouseMove(static_cast<float>(f.motor.MargenIzqPagina * 12.15));
    EXPECT_EQ(v->Picture1->Tag, "Normal");
    clic(centro(1));
    EXPECT_EQ(f.doc().NumSeleccionados(), 0);
    EXPECT_FALSE(v->BotonHabilitado[7]);
}

// Paste, in both menus and on the toolbar, follows the clipboard's change notices: another
// program's content is read once per change, never while the window stands idle or when a menu
// opens (its owner may hang), and the program's own copies of any kind are read locally. An
// owner that does not answer leaves Paste available, and Pegar reads again and says so when it
// still does not answer. A change during a command is read after it.
TEST_F(SeleccionFixture, PasteFollowsTheClipboardReadOncePerChange) {
    v->NoMostrarInicio = true; // no start window over the idle window
    FakeClipboard* portapapeles = &f.portapapeles;
    const auto tras = [&](const char* paso, bool pegar, int lecturas) {
        SCOPED_TRACE(paso);
        const int antes = portapapeles->reads;
        QTest::qWait(400); // idle for longer than a poll's period
        emit v->mnu_Edicion->aboutToShow();
        emit v->cmnu_edicion->aboutToShow();
        EXPECT_EQ(portapapeles->reads - antes, lecturas);
        EXPECT_EQ(v->mnu_Edicion_Paste->isEnabled(), pegar);
        EXPECT_EQ(v->cmnu_Edicion_Paste->isEnabled(), pegar);
        EXPECT_EQ(v->BotonHabilitado[8], pegar);
    };
    tras("empty clipboard, read once the window shows", false, 1);
    clic(centro(1));
    v->mnu_Edicion_Copy->trigger();
    tras("a copied problem", true, 0);
    const QString copiado = f.portapapeles.text().content.text;
    f.portapapeles.otroPrograma(QStringLiteral("una lista de la compra"));
    tras("foreign text", false, 1);
    f.portapapeles.failures = {ClipboardRead::Outcome::NoAnswer};
    f.portapapeles.otroPrograma(copiado);
    tras("an owner that timed out", true, 1);
    v->mnu_Edicion_Paste->trigger();
    EXPECT_EQ(f.doc().estado().Coleccion.NPROB, 4);
    f.portapapeles.failures = {ClipboardRead::Outcome::NoAnswer};
    const auto avisos = f.avisos.shown.size();
    v->mnu_Edicion_Paste->trigger();
    EXPECT_EQ(f.doc().estado().Coleccion.NPROB, 4);
    ASSERT_EQ(f.avisos.shown.size(), avisos + 1);
    EXPECT_TRUE(f.avisos.shown.back().text.contains(QStringLiteral("no responde")));
    tras("an owner that did not answer at Pegar", true, 0);
    f.portapapeles.setText(QStringLiteral("1")); // as from one of the program's text boxes
    tras("an own text copy", false, 0);
    // A change during a command is read when it ends.
    f.eventos.alCeder = [&, antes = f.portapapeles.reads] {
        f.eventos.alCeder = nullptr;
        f.portapapeles.otroPrograma(copiado);
        QTest::qWait(200);
        EXPECT_EQ(f.portapapeles.reads, antes); // not yet
    };
    v->mnu_COLEC_RECREAR->trigger();
    ASSERT_EQ(f.eventos.alCeder, nullptr);
    tras("a change during a command", true, 1);
    // Copy, close the collection (its last problem deleted), open another: Paste is on.
    v->Picture1_MouseMove(0); // into the edit zone again
    clic(centro(1));
    v->mnu_Edicion_Copy->trigger();
    for (int n = 4; n > 0 && f.doc().estado().Coleccion.NPROB == n; --n) {
        if (f.doc().NumSeleccionados() == 0) clic(centro(1));
        v->mnu_Edicion_Del->trigger();
    }
    tras("no collection", false, 0);
    f.abre(2);
    tras("a copy, then another collection", true, 0);
    // A window that shows while the clipboard already holds a problem offers Paste everywhere.
    VentanaFixture g;
    g.portapapeles.otroPrograma(copiado);
    g.ajustes.values.insert(QStringLiteral("INI_WIN/SHOW"), QStringLiteral("0"));
    g.cargada();
    g.abre(2);
    v = &g.ventana();
    portapapeles = &g.portapapeles;
    tras("a problem on the clipboard at start", true, 1);
}

TEST(BarraHerramientas, HiddenEditButtonsCloseUpTheRow) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    ASSERT_FALSE(v.mnu_Ver_BotEdic->isChecked());
    const int esperadas[][2] = {{0, 20},  {1, 80},   {2, 140}, {3, 200},
                                {9, 260}, {10, 320}, {11, 380}};
    for (const auto& [i, x] : esperadas) {
        EXPECT_TRUE(v.PicToolB[i]->isVisible()) << i;
        EXPECT_EQ(v.PicToolB[i]->x(), x) << i;
    }
    for (int i = 4; i <= 8; ++i)
        EXPECT_FALSE(v.PicToolB[i]->isVisible()) << i;
    v.mnu_Ver_BotEdic_Click();
    EXPECT_EQ(v.PicToolB[4]->x(), 260);
    EXPECT_EQ(v.PicToolB[9]->x(), 560);
}

TEST(BarraHerramientas, FacesFollowPointerAndPressAndADragOutRunsNothing) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    using Cara = mainwindow::BotonBarra::Cara;
    mainwindow::BotonBarra* guardar = v.PicToolB[2];
    // Disabled: no hover face, and leaving shows the disabled face.
    QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(guardar, &entra);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Deshabilitado);
    f.abre(2);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Normal);
    QCoreApplication::sendEvent(guardar, &entra);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Encima);
    QEvent sale(QEvent::Leave);
    QCoreApplication::sendEvent(guardar, &sale);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Normal);
    QTest::mouseMove(guardar, {30, 20});
    QTest::mousePress(guardar, Qt::LeftButton, {}, {30, 20});
    EXPECT_EQ(guardar->EstadoBoton(), 2);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Pulsado);
    QMouseEvent fuera(QEvent::MouseMove, QPointF(90, 20), guardar->mapToGlobal(QPointF(90, 20)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(guardar, &fuera);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Normal);
    QTest::mouseRelease(guardar, Qt::LeftButton, {}, {90, 20});
    EXPECT_EQ(guardar->EstadoBoton(), 0);
    EXPECT_TRUE(f.dialogos.asked.empty());
    // A release inside after a press inside is a click: Save asks for a file.
    QTest::mouseClick(guardar, Qt::LeftButton, {}, {60, 53});
    EXPECT_EQ(f.dialogos.asked.size(), 1u);
    EXPECT_EQ(guardar->CaraMostrada(), Cara::Encima);
}

// Scrolled one step at the fitted width, the page box slides under the toolbar: every button
// stays on top where it is drawn, so a click there reaches it.
TEST(BarraHerramientas, ButtonsStayAboveTheScrolledPage) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(6);
    v.mnu_zoomANCHO_Click();
    v.MouseWheel(0, -120, 0, 0);
    QWidget* central = v.centralWidget();
    ASSERT_LT(v.Picture1->y(), v.tbToolbar1->height());
    const auto encima = [&](QWidget* w) {
        return central->childAt(w->mapTo(central, w->rect().center()));
    };
    for (mainwindow::BotonBarra* boton : v.PicToolB) {
        if (!boton->isVisible()) continue;
        EXPECT_EQ(encima(boton), boton) << boton->Tag().toStdString();
    }
    EXPECT_EQ(encima(v.ImgRPage), v.ImgRPage);
}

TEST(BarraHerramientas, RegenerarRoutesBySelection) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(3);
    v.Picture1_MouseMove(0);
    v.Picture1_MouseDown(1, 100, static_cast<float>(f.motor.BloqueY1[1]), {});
    ASSERT_EQ(f.doc().NumSeleccionados(), 1);
    v.PicToolB_Click("Regenerar");
    EXPECT_EQ(v.mnu_Edicion_Undo->text(), "Deshacer regenerar problema");
    v.PicToolB_Click("Regenerar");
    EXPECT_EQ(v.mnu_Edicion_Undo->text(), "Deshacer regenerar colección");
    v.Picture1_MouseDown(1, 100, static_cast<float>(f.motor.BloqueY1[1]), {});
    v.mnu_COLEC_RECREAR->trigger();
    EXPECT_FALSE(v.BotonHabilitado[6]); // Cut and Copy follow the cleared selection
}

TEST(EstadoGenerando, EditAndCollectionMenusAndShortcutsAreOff) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    v.mnu_Edicion_Del->setEnabled(true);
    v.EstadoGenerando();
    for (QMenu* m : {v.mnu_File, v.mnu_Edicion, v.mnu_COLEC, v.mnu_Help})
        EXPECT_FALSE(m->menuAction()->isEnabled()) << m->title().toStdString();
    for (QAction* a : {v.mnu_Edicion_Undo, v.mnu_Edicion_Paste, v.mnu_Edicion_Del,
                       v.mnu_COLEC_RECREAR, v.mnu_File_Save, v.mnu_Edicion_Mover[2]})
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
    EXPECT_FALSE(v.tbToolbar1->isEnabled());
    EXPECT_FALSE(v.Picture1->isVisible());
    v.HabilitaControles();
    v.MuestraPagina();
    EXPECT_EQ(v.mnu_Edicion_Undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(v.mnu_Edicion_Del->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_TRUE(v.mnu_COLEC->menuAction()->isEnabled());
    EXPECT_TRUE(v.Picture1->isVisible());
    EXPECT_EQ(v.ShapeShadow->palette().color(QPalette::Window), QColor(64, 64, 64));
}

} // namespace
} // namespace vornith::test
