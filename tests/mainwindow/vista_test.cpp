// Layout of the page view, scroll bars, page turning, keys and the wheel.

#include "ventana_fixture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

// The client area height below the menu bar.
int alturaCentral(mainwindow::FormMain& v) {
    return v.centralWidget()->height();
}

TEST(DisposicionVista, CentresOnlyWhenThePageFitsStrictly) {
    // W - R - 8 > PW with W = width + 8, R = 20: 796 fits from a width of 817.
    for (const int ancho : {816, 817, 900}) {
        VentanaFixture f;
        mainwindow::FormMain& v = f.cargada(ancho, 700);
        v.Form_Resize();
        const bool centrada = ancho + 8 - 20 - 8 > 796;
        EXPECT_EQ(v.HScroll1->Visible(), !centrada) << ancho;
        if (centrada) {
            EXPECT_EQ(v.Picture1->x(), (ancho - 20 - 796) / 2) << ancho;
        } else {
            EXPECT_EQ(v.Picture1->x(), 8);
            EXPECT_EQ(v.HScroll1->Min(), 8);
            EXPECT_EQ(v.HScroll1->Max(), ancho + 8 - 8 - 796 - 26);
            // At the far end the page's right edge stands at W - 34.
            v.HScroll1->PonValue(v.HScroll1->Max());
            EXPECT_EQ(v.Picture1->x() + v.Picture1->width(), ancho + 8 - 34);
        }
        EXPECT_EQ(v.ShapeShadow->geometry(), v.Picture1->geometry().translated(2, 2));
    }
}

TEST(DisposicionVista, VerticalBarRangeAndBottomEdge) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada(1024, 700);
    v.Form_Resize();
    ASSERT_TRUE(v.VScroll1->Visible());
    EXPECT_EQ(v.VScroll1->Min(), 60);
    EXPECT_EQ(v.VScroll1->Max(), alturaCentral(v) - 30 - 1125);
    EXPECT_EQ(v.Picture1->y(), 60);
    v.VScroll1->PonValue(v.VScroll1->Max());
    EXPECT_EQ(v.Picture1->y() + v.Picture1->height(), alturaCentral(v) - 30);
    EXPECT_EQ(v.ShapeShadow->y(), v.Picture1->y() + 2);
    EXPECT_EQ(v.PosicionScroll(), v.VScroll1->Min() - v.VScroll1->Max());
}

TEST(DisposicionVista, EveryResizeLaysOutAlsoRightAfterTheStateTimer) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada(1024, 700);
    v.Timer1_Timer();
    v.resize(816, 700);
    QCoreApplication::processEvents();
    EXPECT_TRUE(v.HScroll1->Visible());
    EXPECT_EQ(v.Picture1->x(), 8);
    v.resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_FALSE(v.HScroll1->Visible());
    EXPECT_EQ(v.Picture1->x(), (1000 - 20 - 796) / 2);
}

TEST(ZoomVista, FitWidthHasAFloorOfOneHalf) {
    for (const int ancho : {300, 1000}) {
        VentanaFixture f;
        mainwindow::FormMain& v = f.cargada(ancho, 700);
        v.mnu_zoomANCHO_Click();
        const double esperado = std::max(0.5, (ancho + 8 - 20 - 28) / 796.0);
        EXPECT_DOUBLE_EQ(f.motor.Zoom, esperado) << ancho;
        EXPECT_EQ(v.CajaPagina().widthPixels(), std::lround(796 * esperado));
        EXPECT_EQ(v.Picture1->width(), std::lround(796 * esperado));
        EXPECT_TRUE(v.mnu_zoomANCHO->isChecked());
        EXPECT_FALSE(v.AnchoPendiente);
    }
}

// Ink on the page: some pixel darker than the paper.
bool tieneTinta(const QImage& pagina) {
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x)
            if (qGray(pagina.pixel(x, y)) < 128) return true;
    return false;
}

TEST(ZoomVista, SameSizeKeepsThePageAndAZoomDrawsItAgain) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(3);
    const QImage antes = f.pagina();
    v.Form_Resize();
    EXPECT_EQ(f.pagina(), antes);
    v.Zoom(0.75);
    EXPECT_TRUE(v.mnu_zoomFijo[1]->isChecked());
    EXPECT_FALSE(v.mnu_zoomFijo[2]->isChecked());
    EXPECT_EQ(f.pagina().size(), QSize(597, 844));
    EXPECT_TRUE(tieneTinta(f.pagina()));
}

struct PaginasFixture : ::testing::Test {
    void SetUp() override {
        v = &f.cargada(1024, 700);
        f.abre(30);
        v->Form_Resize();
        ASSERT_GE(f.doc().estado().NumPaginas, 3);
    }
    void tecla(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) { v->Form_KeyDown(key, mod); }
    VentanaFixture f;
    mainwindow::FormMain* v = nullptr;
};

TEST_F(PaginasFixture, DownAtTheBottomTurnsAndShowsTheTop) {
    ASSERT_TRUE(v->VScroll1->Visible());
    tecla(Qt::Key_Down);
    EXPECT_EQ(v->VScroll1->Value(), v->VScroll1->Min() - 60);
    v->VScroll1->PonValue(v->VScroll1->Max());
    tecla(Qt::Key_Down);
    EXPECT_EQ(f.doc().estado().PaginaActual, 2);
    EXPECT_EQ(v->VScroll1->Value(), v->VScroll1->Min());
    EXPECT_EQ(v->LbPage->text(), QStringLiteral("Pág. 2/%1").arg(f.doc().estado().NumPaginas));
    tecla(Qt::Key_Up);
    EXPECT_EQ(f.doc().estado().PaginaActual, 1);
}

TEST_F(PaginasFixture, EndsBeepHomeAndEndRedraw) {
    const int n = f.doc().estado().NumPaginas;
    tecla(Qt::Key_PageUp);
    EXPECT_EQ(f.avisos.beeps, 1);
    tecla(Qt::Key_End);
    EXPECT_EQ(f.doc().estado().PaginaActual, n);
    tecla(Qt::Key_PageDown);
    EXPECT_EQ(f.avisos.beeps, 2);
    EXPECT_EQ(f.doc().estado().PaginaActual, n);
    tecla(Qt::Key_Home);
    EXPECT_EQ(f.doc().estado().PaginaActual, 1);
    EXPECT_EQ(f.avisos.beeps, 2);
}

TEST_F(PaginasFixture, KeysAndZoomDoNothingWhileBusy) {
    // Keys and commands arriving while a command composes and lays out the pages.
    const QString deshacer = v->mnu_Edicion_Undo->text();
    int vistas = 0;
    f.eventos.alCeder = [&] {
        ++vistas;
        tecla(Qt::Key_PageDown);
        tecla(Qt::Key_End);
        v->Zoom(2.0);
        v->mnu_zoomANCHO_Click();
        v->mnu_Edicion_Undo->trigger();
        v->PicToolB_Click("Regenerar");
    };
    v->PicToolB_Click("Regenerar");
    f.eventos.alCeder = nullptr;
    ASSERT_GT(vistas, 0);
    EXPECT_EQ(v->mnu_Edicion_Undo->text(), "Deshacer regenerar colección");
    EXPECT_EQ(f.doc().estado().PaginaActual, 1);
    EXPECT_EQ(f.avisos.beeps, 0);
    EXPECT_EQ(f.motor.Zoom, 1.0);
}

TEST_F(PaginasFixture, ShiftSpaceAloneShowsTheDeveloperEntries) {
    tecla(Qt::Key_Space, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(v->mnu_PROGRAMADOR[0]->isVisible());
    tecla(Qt::Key_Space, Qt::ShiftModifier);
    for (QAction* a : v->mnu_PROGRAMADOR)
        EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(v->mnu_Help->actions().back(), v->mnu_PROGRAMADOR[3]);
}

TEST_F(PaginasFixture, WheelStepsOneSmallChangeAndNeverTurns) {
    const int arriba = v->VScroll1->Min();
    v->MouseWheel(0, 0, 0, 0);
    EXPECT_EQ(v->VScroll1->Value(), arriba - 60);
    v->MouseWheel(0, 120, 0, 0);
    v->MouseWheel(0, 120, 0, 0);
    EXPECT_EQ(v->VScroll1->Value(), arriba);
    EXPECT_EQ(f.doc().estado().PaginaActual, 1);
    v->VScroll1->PonVisible(false);
    v->MouseWheel(0, -120, 0, 0);
    EXPECT_EQ(v->VScroll1->Value(), arriba);
}

TEST(TeclasVista, HomeAndEndWithoutPagesOnlyBeep) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    ASSERT_EQ(f.doc().estado().NumPaginas, 0);
    v.Form_KeyDown(Qt::Key_Home, Qt::NoModifier);
    v.Form_KeyDown(Qt::Key_End, Qt::NoModifier);
    EXPECT_EQ(f.avisos.beeps, 2);
    EXPECT_EQ(f.doc().estado().PaginaActual, 1);
}

TEST(BarraDesplazamiento, KeepsABackwardRangeAndClampsTheValue) {
    QWidget padre;
    mainwindow::BarraDesplazamiento barra(Qt::Vertical, &padre, 60, 180);
    int cambios = 0;
    barra.Change = [&] { ++cambios; };
    barra.PonMin(60);
    barra.PonMax(-500);
    EXPECT_EQ(barra.Value(), 0); // still inside the range
    EXPECT_EQ(barra.barra().maximum(), 560);
    EXPECT_EQ(barra.barra().value(), 60);
    EXPECT_EQ(cambios, 0);
    barra.PonValue(-100);
    EXPECT_EQ(barra.barra().value(), 160);
    EXPECT_EQ(cambios, 1);
    barra.PonValue(-900);
    EXPECT_EQ(barra.Value(), -500);
    barra.PonMax(0);
    EXPECT_EQ(barra.Value(), 0);
    EXPECT_EQ(cambios, 3);
}

} // namespace
} // namespace vornith::test
