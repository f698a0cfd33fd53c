// Load, settings, identity and the close request of the main window.

#include "mainwindow/identidad.h"
#include "ventana_fixture.h"

#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace vornith::test {
namespace {

using Answer = Notifier::Answer;

TEST(CargaVentana, SettingsSetChecksCaptionAndRecentEntries) {
    struct Caso {
        QString show;    // INI_WIN/SHOW, empty for missing
        QString botones; // Ver/EdicBotones
        bool inicio;
        bool botEdic;
    };
    for (const Caso& c :
         {Caso{{}, {}, true, false}, Caso{"0", "S", false, true}, Caso{"1", "N", true, false}}) {
        VentanaFixture f;
        if (!c.show.isEmpty()) f.ajustes.setValue("INI_WIN", "SHOW", c.show);
        if (!c.botones.isEmpty()) f.ajustes.setValue("Ver", "EdicBotones", c.botones);
        f.ajustes.setValue("Reciente", "Titulo5", "cinco.col");
        f.ajustes.setValue("Reciente", "Archivo5", "/tmp/cinco.col");
        mainwindow::FormMain& v = f.cargada();
        EXPECT_EQ(v.windowTitle(), "Zelm Software - Vornith");
        EXPECT_EQ(v.mnu_Ver_WIN_INI->isChecked(), c.inicio) << c.show.toStdString();
        EXPECT_EQ(v.NoMostrarInicio, !c.inicio);
        EXPECT_EQ(v.mnu_Ver_BotEdic->isChecked(), c.botEdic) << c.botones.toStdString();
        EXPECT_FALSE(v.mnu_File_Reciente[4]->isVisible());
        EXPECT_TRUE(v.mnu_File_Reciente[5]->isVisible());
        EXPECT_EQ(v.mnu_File_Reciente[5]->text(), "cinco.col");
        EXPECT_TRUE(v.zep04->isVisible());
        EXPECT_FALSE(v.mnu_Edicion->menuAction()->isVisible());
        EXPECT_TRUE(v.isEnabled());
        EXPECT_EQ(v.PicToolB[9]->toolTip(), "Imprimir (Imprimir a PDF)");
    }
}

// The program's windows show its icon, in every size it is drawn in, and belong to its desktop
// entry.
TEST(CargaVentana, WindowsShowTheIconOfTheDesktopEntry) {
    mainwindow::IdentificaVentanas();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(VORNITH_APP_ID));
    VentanaFixture f;
    QList<QSize> lados = f.cargada().windowIcon().availableSizes();
    std::ranges::sort(lados, {}, &QSize::width);
    EXPECT_EQ(lados, (QList<QSize>{{48, 48}, {64, 64}, {128, 128}, {256, 256}}));
}

TEST(CierreVentana, WritesExactlyTheTableKeys) {
    VentanaFixture f;
    f.ajustes.setValue("Reciente", "Titulo2", "dos.col");
    f.ajustes.setValue("Reciente", "Archivo2", "/c/dos.col");
    f.ajustes.setValue("LastPath", "Path", "/c");
    mainwindow::FormMain& v = f.cargada();
    f.ajustes.values.clear();
    EXPECT_TRUE(v.close());
    QSet<QString> esperadas{"Ver/EdicBotones", "LastPath/Path"};
    for (int i = 1; i <= 9; ++i)
        esperadas << QStringLiteral("Reciente/Titulo%1").arg(i)
                  << QStringLiteral("Reciente/Archivo%1").arg(i);
    const auto claves = f.ajustes.values.keys();
    EXPECT_EQ(QSet<QString>(claves.begin(), claves.end()), esperadas);
    EXPECT_EQ(f.ajustes.values["Reciente/Titulo2"], "dos.col");
    EXPECT_EQ(f.ajustes.values["Reciente/Archivo2"], "/c/dos.col");
    EXPECT_EQ(f.ajustes.values["Reciente/Titulo1"], "Reciente");
    EXPECT_EQ(f.ajustes.values["Reciente/Archivo1"], "");
    EXPECT_EQ(f.ajustes.values["Ver/EdicBotones"], "N");
    EXPECT_EQ(f.ajustes.values["LastPath/Path"], "/c");
}

TEST(CierreVentana, QuestionsRefuseOrForceTheClose) {
    struct Caso {
        const char* nombre;
        bool ocupado; // closed while a command composes and lays out the pages
        std::deque<Answer> respuestas;
        bool cierra;
        int salidas;
    };
    const Caso casos[] = {
        {"cancel", false, {Answer::Cancel}, false, 0},
        {"yes, save as cancelled", false, {Answer::Yes}, false, 0},
        {"no", false, {Answer::No}, true, 0},
        {"busy, default no", true, {Answer::No, Answer::No}, false, 0},
        {"busy, yes ends at once", true, {Answer::No, Answer::Yes}, false, 1},
    };
    for (const Caso& c : casos) {
        VentanaFixture f;
        mainwindow::FormMain& v = f.cargada();
        f.abre(2);
        f.avisos.answers = c.respuestas;
        f.ajustes.values.clear();
        bool cerrada = false;
        if (c.ocupado) {
            f.eventos.alCeder = [&] {
                f.eventos.alCeder = nullptr;
                cerrada = v.close();
            };
            v.PicToolB_Click("Regenerar");
        } else {
            cerrada = v.close();
        }
        EXPECT_EQ(cerrada, c.cierra) << c.nombre;
        EXPECT_EQ(static_cast<int>(f.salida.codes.size()), c.salidas) << c.nombre;
        EXPECT_EQ(f.ajustes.values.isEmpty(), !c.cierra) << c.nombre;
        ASSERT_EQ(f.avisos.shown.size(), c.ocupado ? 2u : 1u) << c.nombre;
        const auto& guardar = f.avisos.shown.front();
        EXPECT_EQ(guardar.title, "Vornith NORV");
        EXPECT_EQ(guardar.text, "¿Desea guardar el documento ?");
        EXPECT_EQ(guardar.icon, Notifier::Icon::Question);
        EXPECT_EQ(guardar.buttons, Notifier::Buttons::YesNoCancel);
        if (c.ocupado) {
            const auto& ocupada = f.avisos.shown.back();
            EXPECT_EQ(ocupada.buttons, Notifier::Buttons::YesNo);
            EXPECT_EQ(ocupada.defaultButton, Answer::No);
            EXPECT_EQ(ocupada.text.count("\r\n"), 4);
        }
    }
}

// Closing while a command composes the collection, a "Sí" to the save question saves nothing
// half-composed: the window stays open and says why.
TEST(CierreVentana, ASaveAskedForDuringACompositionIsToldToWait) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    const QString ruta = f.dir.filePath(QStringLiteral("dos.col"));
    f.dialogos.answers.push_back(ruta);
    v.mnu_File_SaveAs_Click();
    const auto lee = [&] {
        QFile archivo(ruta);
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    };
    const QByteArray guardado = lee();
    ASSERT_FALSE(guardado.isEmpty());
    v.mnu_COLEC_Sol_Click(2); // modified: the close asks to save

    f.avisos.answers = {Answer::Yes};
    bool cerrada = true;
    f.eventos.alCeder = [&] {
        f.eventos.alCeder = nullptr;
        cerrada = v.close();
    };
    v.PicToolB_Click("Regenerar");
    EXPECT_FALSE(cerrada);
    ASSERT_EQ(f.avisos.shown.size(), 2u);
    EXPECT_EQ(f.avisos.shown.back().text,
              "La colección se está componiendo; vuelva a intentarlo cuando termine.");
    EXPECT_EQ(f.avisos.shown.back().buttons, Notifier::Buttons::Ok);
    EXPECT_TRUE(f.salida.codes.empty());
    EXPECT_EQ(lee(), guardado);
}

} // namespace
} // namespace vornith::test
