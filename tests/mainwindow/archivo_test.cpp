// Save, Save As and the recent-files list; the splash and About window.

#include "mainwindow/form_splash.h"
#include "ventana_fixture.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

TEST(GuardarComo, SuccessNamesTheFileInCaptionAndList) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    const QString ruta = f.dir.filePath("hoja.col");
    f.dialogos.answers.push_back(ruta);
    v.mnu_File_SaveAs_Click();
    ASSERT_EQ(f.dialogos.asked.size(), 1u);
    const FileDialogRequest& pedido = f.dialogos.asked[0].request;
    EXPECT_TRUE(f.dialogos.asked[0].save);
    EXPECT_EQ(pedido.title, "Guardar colección");
    EXPECT_EQ(pedido.filters,
              "Colecciones de Problemas (*.col)|*.col|Todos los archivos (*.*)|*.*");
    EXPECT_EQ(pedido.defaultSuffix, "col");
    EXPECT_TRUE(QFile::exists(ruta));
    EXPECT_FALSE(f.doc().estado().Modificado);
    EXPECT_EQ(v.windowTitle(), "Zelm Software - Vornith  -  hoja.col");
    EXPECT_EQ(v.RecientesArchivo[1], ruta);
    EXPECT_EQ(v.mnu_File_Reciente[1]->text(), "hoja.col");
    EXPECT_EQ(v.UltimaCarpeta, f.dir.path());
    // The next Save As proposes the current file.
    v.mnu_File_SaveAs_Click();
    EXPECT_EQ(f.dialogos.asked[1].request.fileName, ruta);
}

TEST(GuardarComo, FailureChangesNeitherFileNorCaptionNorListNorFolder) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    f.dialogos.answers.push_back(f.dir.filePath("no/existe/hoja.col"));
    v.mnu_File_SaveAs_Click();
    EXPECT_TRUE(f.doc().estado().ArchivoActual.isEmpty());
    EXPECT_TRUE(f.doc().estado().Modificado);
    EXPECT_EQ(v.windowTitle(), "Zelm Software - Vornith");
    EXPECT_TRUE(v.RecientesArchivo[1].isEmpty());
    EXPECT_TRUE(v.UltimaCarpeta.isEmpty());
    ASSERT_EQ(f.avisos.shown.size(), 1u);
    EXPECT_EQ(f.avisos.shown[0].title, "Vornith NORV");
    EXPECT_EQ(f.avisos.shown[0].icon, Notifier::Icon::Critical);
}

// A shipped example is never written over: Guardar, the Sí of the close question and Guardar
// como onto the example end in the save dialog with its name; cancelled, the changes stay. Abrir
// and the save dialogs start in the user's documents, else in the home folder, or in the last
// folder, which a refused save leaves as it was.
TEST(GuardarComo, AShippedExampleIsSavedUnderANewName) {
    QTemporaryDir programa; // the program's data folder, as the platform gives it
    ASSERT_TRUE(QDir(programa.path()).mkdir("Ejemplos"));
    const QString ejemplo = programa.filePath("Ejemplos/Ejemplo física.col");
    QFile enviado(VORNITH_SOURCE_DIR "/assets/Ejemplos/Ejemplo física.col");
    ASSERT_TRUE(enviado.copy(ejemplo));
    QTemporaryDir usuario; // a folder of the user's, last used, with a copy of the example
    const QString propia = usuario.path();
    const QString copia = usuario.filePath("Ejemplo física.col");
    ASSERT_TRUE(QFile::copy(ejemplo, copia));
    const QString home = QDir::homePath();
    const QString nombre = QStringLiteral("Ejemplo física.col");
    constexpr Notifier::Answer Si = Notifier::Answer::Yes;
    using Ventana = mainwindow::FormMain;
    const struct {
        QAction* Ventana::*orden;
        std::deque<Notifier::Answer> respuestas; // to the save question
        QStringList elegidos; // in Abrir, then in the save dialogs; none left: cancelled
        std::size_t dialogos, mensajes;
        QString carpeta;   // where every dialog starts
        QString ultima;    // the last folder, from an earlier run
        QString propuesto; // the name the save dialogs propose
    } casos[] = {
        {&Ventana::mnu_File_Save, {}, {ejemplo}, 1, 0, home, {}, nombre},
        {&Ventana::mnu_File_Exit, {Si}, {ejemplo}, 1, 1, home + "/Documents", {}, nombre},
        {&Ventana::mnu_File_SaveAs, {}, {ejemplo, ejemplo}, 2, 1, home, {}, nombre},
        {&Ventana::mnu_File_SaveAs, {}, {copia, ejemplo}, 2, 1, propia, propia, copia},
    };
    for (const auto& c : casos) {
        c.carpeta == home ? QDir(home).rmdir("Documents") : QDir(home).mkdir("Documents");
        VentanaFixture f;
        f.datosPrograma.carpeta = programa.path();
        if (!c.ultima.isEmpty()) f.ajustes.setValue("LastPath", "Path", c.ultima);
        Ventana& v = f.cargada();
        f.dialogos.answers.assign(c.elegidos.begin(), c.elegidos.end());
        v.mnu_File_Open_Click();
        v.mnu_COLEC_Sol_Click(2);
        f.avisos.answers = c.respuestas;
        (v.*c.orden)->trigger();
        SCOPED_TRACE((v.*c.orden)->text().toStdString());
        EXPECT_TRUE(v.isVisible());
        EXPECT_EQ(f.dialogos.asked.size(), 1 + c.dialogos);
        for (const FakeFileDialogs::Asked& pedido : f.dialogos.asked) {
            EXPECT_EQ(pedido.request.folder, c.carpeta);
            EXPECT_EQ(pedido.request.fileName, pedido.save ? c.propuesto : "");
        }
        EXPECT_EQ(f.avisos.shown.size(), c.mensajes);
        EXPECT_TRUE(f.doc().estado().Modificado);
        // Where the next Abrir starts: the folder of the file opened.
        EXPECT_EQ(v.UltimaCarpeta, QFileInfo(c.elegidos[0]).absolutePath());
    }
    QDir(home).rmdir("Documents");
    QFile guardado(ejemplo); // as shipped
    ASSERT_TRUE(enviado.open(QIODevice::ReadOnly) && guardado.open(QIODevice::ReadOnly));
    EXPECT_EQ(guardado.readAll(), enviado.readAll());
}

TEST(Recientes, MoveUpIgnoringCaseAndDropTheOldest) {
    VentanaFixture f;
    mainwindow::FormMain& v = f.cargada();
    for (int i = 9; i >= 1; --i)
        v.AnadeReciente(QStringLiteral("/c/f%1.col").arg(i));
    EXPECT_EQ(v.RecientesArchivo[3], "/c/f3.col");
    v.AnadeReciente("/C/F3.COL");
    EXPECT_EQ(v.RecientesArchivo[1], "/C/F3.COL");
    EXPECT_EQ(v.mnu_File_Reciente[1]->text(), "F3.COL");
    EXPECT_EQ(v.RecientesArchivo[2], "/c/f1.col");
    EXPECT_EQ(v.RecientesArchivo[3], "/c/f2.col");
    EXPECT_EQ(v.RecientesArchivo[4], "/c/f4.col");
    EXPECT_EQ(v.RecientesArchivo[9], "/c/f9.col");
    v.AnadeReciente("/c/diez.col");
    EXPECT_EQ(v.RecientesArchivo[1], "/c/diez.col");
    EXPECT_EQ(v.RecientesArchivo[9], "/c/f8.col");
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(v.mnu_File_Reciente[i]->isVisible()) << i;
}

TEST(Splash, ClosesByTimerOrKeyAndShowsTheMainWindow) {
    FakeShell shell;
    FakeNotifier avisos;
    for (const bool porTecla : {false, true}) {
        mainwindow::FormSplash splash(shell, avisos);
        int mostrada = 0;
        splash.MostrarVentanaPrincipal = [&] { ++mostrada; };
        splash.show();
        if (porTecla)
            QTest::keyClick(&splash, Qt::Key_A);
        else
            EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 2000));
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(mostrada, 1);
    }
}

TEST(Splash, AboutStaysAndItsLinksReportFailures) {
    FakeShell shell;
    FakeNotifier avisos;
    mainwindow::FormSplash acerca(shell, avisos);
    acerca.DetieneTemporizador();
    acerca.show();
    QTest::qWait(500);
    EXPECT_TRUE(acerca.isVisible());
    EXPECT_EQ(acerca.lblVersion->text(), "Versión: 0.1");
    QTest::mouseClick(acerca.LblWEB, Qt::LeftButton);
    EXPECT_TRUE(acerca.isVisible());
    shell.succeed = false;
    acerca.LlblMAIL_Click();
    EXPECT_EQ(shell.opened, QStringList({"https://www.zelmsoftware.example/es/",
                                         "mailto:info@zelmsoftware.example"}));
    ASSERT_EQ(avisos.shown.size(), 1u);
    EXPECT_EQ(avisos.shown[0].title, "No se puede acceder al correo");
}

} // namespace
} // namespace vornith::test
