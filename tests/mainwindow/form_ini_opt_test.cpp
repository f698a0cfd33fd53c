#include "mainwindow/form_ini_opt.h"

#include "support/fakes.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vornith::mainwindow {
namespace {

struct Inicio : ::testing::Test {
    test::FakeSettings ajustes;
    bool NoMostrarInicio = false;
    QString ComandoInicio = QStringLiteral("viejo");
    FormIniOpt ventana{nullptr, ajustes, QStringLiteral("/prog"), NoMostrarInicio, ComandoInicio};

    QString show() const { return ajustes.values.value(QStringLiteral("INI_WIN/SHOW")); }
};

TEST_F(Inicio, LoadPlacesTheOptionsAndEmptiesTheCommand) {
    EXPECT_TRUE(ComandoInicio.isEmpty());
    EXPECT_EQ(ventana.size(), QSize(740, 285));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Vornith"));
    EXPECT_EQ(ventana.ImageOP[4]->pos(), QPoint(610, 75));
    EXPECT_EQ(ventana.Label2[1]->geometry(), QRect(154, 140, 136, 17));
    EXPECT_EQ(ventana.Label1[1]->pos(), QPoint(154, 157));
    EXPECT_EQ(ventana.Label1[0]->text(), QStringLiteral(" MATEMÁTICAS"));
    EXPECT_EQ(ventana.Image1->pos(), QPoint(573, 233));
    EXPECT_TRUE(ventana.Check1->isChecked());
}

TEST_F(Inicio, PressAndReleaseOnACaptionChoosesItsOption) {
    ventana.show();
    QTest::mousePress(ventana.Label2[2], Qt::LeftButton);
    EXPECT_EQ(ventana.ImageOP[2]->pos(), QPoint(331, 76));
    EXPECT_TRUE(ventana.Shape1->isVisible());
    EXPECT_EQ(ventana.Shape1->pos(), QPoint(293, 67));
    QTest::mouseRelease(ventana.Label2[2], Qt::LeftButton);
    EXPECT_EQ(ComandoInicio, QStringLiteral("OPEN:/prog/Ejemplos/Ejemplo química.col"));
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_TRUE(NoMostrarInicio);
    EXPECT_EQ(show(), QStringLiteral("1"));
}

TEST_F(Inicio, ReleaseOutsideRestoresWithoutChoosing) {
    ventana.show();
    QTest::mousePress(ventana.ImageOP[3], Qt::LeftButton);
    QTest::mouseRelease(ventana.ImageOP[3], Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(ventana.ImageOP[3]->pos(), QPoint(470, 75));
    EXPECT_FALSE(ventana.Shape1->isVisible());
    EXPECT_TRUE(ComandoInicio.isEmpty());
    EXPECT_TRUE(ventana.isVisible());
    ventana.ImageOP_Click(3);
    EXPECT_EQ(ComandoInicio, QStringLiteral("OPEN?:"));
}

TEST_F(Inicio, EveryCloseWritesTheCheckAndLeavesNoCommandButTheChosenOne) {
    ventana.Check1->setChecked(false);
    ventana.ImageOP_Click(4);
    EXPECT_EQ(ComandoInicio, QStringLiteral("WIZARD:"));
    EXPECT_EQ(show(), QStringLiteral("0"));
    EXPECT_FALSE(ventana.Mostrar());

    for (int forma = 0; forma < 3; ++forma) {
        test::FakeSettings otros;
        bool no = false;
        QString cmd;
        FormIniOpt v{nullptr, otros, QStringLiteral("/prog"), no, cmd};
        v.show();
        if (forma == 0) QTest::keyClick(&v, Qt::Key_Escape);
        if (forma == 1) v.close();
        if (forma == 2) v.Label3_Click();
        EXPECT_FALSE(v.isVisible()) << forma;
        EXPECT_TRUE(cmd.isEmpty()) << forma;
        EXPECT_TRUE(no) << forma;
        EXPECT_EQ(otros.values.value(QStringLiteral("INI_WIN/SHOW")), QStringLiteral("1"));
    }
}

} // namespace
} // namespace vornith::mainwindow
