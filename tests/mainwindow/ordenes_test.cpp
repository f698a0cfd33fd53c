// The commands of the main window that replace, print or describe the collection, and the
// ways files reach it from outside.

#include "mainwindow/form_ini_opt.h"
#include "support/forwarding_surface.h"
#include "support/guion_modal.h"
#include "ventana_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <tuple>

namespace vornith::test {
namespace {

using Answer = Notifier::Answer;

struct Ordenes : ::testing::Test {
    const document::EstadoDocumento& d() { return f.doc().estado(); }
    // The open collection saved as `nombre` in the test's folder; returns its path.
    QString guardaComo(const QString& nombre) {
        const QString ruta = f.dir.filePath(nombre);
        f.dialogos.answers.push_back(ruta);
        f.ventana().mnu_File_SaveAs_Click();
        return ruta;
    }
    // The collection counts as saved: no save prompt.
    void sinCambios() { f.avisos.answers.push_back(Answer::No); }
    // The wizard makes `n` problems of the test topics under `titulo`.
    void asistenteAcepta(int n, const QString& titulo) {
        dialogos.asistente = [n, titulo](document::DatosColeccion& c, document::ListaTemas& t,
                                         dialogs::ResultadosDialogos& r) {
            t = TemasDePrueba(n);
            c.NPROB = n;
            c.TITULO = titulo;
            r.PropiedadesAceptadas = true;
        };
    }
    QString ultimoMensaje() {
        return f.avisos.shown.empty() ? QString() : f.avisos.shown.back().text;
    }

    VentanaFixture f;
    DialogosFalsos& dialogos = f.ventanas;
};

TEST_F(Ordenes, NewCancelledEmptyOrAccepted) {
    mainwindow::FormMain& v = f.cargada();
    f.abre(3);
    const QString titulo = d().Coleccion.TITULO;
    const document::TablaProblemas hechos = d().Problemas;
    v.mnu_COLEC_RECREAR->trigger();
    const document::TablaProblemas regenerados = d().Problemas;
    ASSERT_NE(regenerados[2], hechos[2]);
    sinCambios();
    v.mnu_File_New_Click();
    EXPECT_EQ(dialogos.asistentes, 1);
    EXPECT_EQ(d().Coleccion.NPROB, 3);
    // A cancelled wizard keeps the undo point: Undo gives the problems back, Redo takes them on.
    EXPECT_EQ(v.mnu_Edicion_Undo->text(), QStringLiteral("Deshacer regenerar colección"));
    v.mnu_Edicion_Undo->trigger();
    EXPECT_EQ(d().Problemas[2], hechos[2]);

    // The wizard leaves 0 problems in its header: the shown collection keeps its own.
    dialogos.asistente = [](document::DatosColeccion& c, document::ListaTemas&,
                            dialogs::ResultadosDialogos& r) {
        c.NPROB = 0;
        c.TITULO = QStringLiteral("otro");
        r.PropiedadesAceptadas = true;
    };
    sinCambios();
    v.mnu_File_New_Click();
    EXPECT_EQ(d().Coleccion.NPROB, 3);
    EXPECT_EQ(d().Coleccion.TITULO, titulo);
    v.mnu_Edicion_Redo->trigger();
    EXPECT_EQ(d().Problemas[2], regenerados[2]);
    EXPECT_TRUE(QFile::exists(guardaComo(QStringLiteral("tres.col"))));

    asistenteAcepta(5, QStringLiteral("Nueva"));
    v.mnu_File_New_Click(); // saved just now: no prompt
    EXPECT_EQ(d().Coleccion.NPROB, 5);
    EXPECT_EQ(d().Coleccion.TITULO, QStringLiteral("Nueva"));
    EXPECT_EQ(d().Undo.Descripcion, QStringLiteral("nueva colección"));
    EXPECT_EQ(v.windowTitle(), v.TituloAplicacion());
    EXPECT_TRUE(v.mnu_COLEC->menuAction()->isVisible());
}

// A stray Undo right after the first New: Redo stays in a visible Edit menu, with its key,
// and brings the collection back whole.
TEST_F(Ordenes, UndoneFirstNewCanBeRedone) {
    mainwindow::FormMain& v = f.cargada();
    asistenteAcepta(5, QStringLiteral("Hoja 1"));
    v.mnu_File_New_Click();
    const document::TablaProblemas hechos = d().Problemas;
    v.mnu_Edicion_Undo->trigger();
    EXPECT_TRUE(v.mnu_Edicion->menuAction()->isVisible());
    EXPECT_TRUE(v.mnu_Edicion->menuAction()->isEnabled());
    EXPECT_TRUE(v.mnu_Edicion_Redo->isEnabled());
    EXPECT_EQ(v.mnu_Edicion_Redo->text(), QStringLiteral("Rehacer nueva colección"));
    EXPECT_EQ(v.mnu_Edicion_Redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));

    v.mnu_Edicion_Redo->trigger();
    EXPECT_TRUE(d().Problemas == hechos);
    EXPECT_EQ(d().Coleccion.TITULO, QStringLiteral("Hoja 1"));
    EXPECT_TRUE(v.mnu_COLEC->menuAction()->isVisible());
    EXPECT_EQ(v.mnu_Edicion_Undo->text(), QStringLiteral("Deshacer nueva colección"));
}

TEST_F(Ordenes, OpenCancelledRefusedAndGood) {
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    const QString ruta = guardaComo(QStringLiteral("dos.col"));
    f.dialogos.answers.push_back(ruta);
    v.mnu_File_Open_Click();
    f.doc().SetUNDO(QStringLiteral("prueba"));
    const QString caption = v.windowTitle();

    v.mnu_File_Open_Click(); // cancelled
    const FileDialogRequest& pedido = f.dialogos.asked.back().request;
    EXPECT_EQ(pedido.title, QStringLiteral("Abrir"));
    EXPECT_EQ(pedido.filters, QStringLiteral("Colecciones de Problemas  (*.col)|*.col|"
                                             "Todos los archivos  (*.*)|*.*"));
    EXPECT_EQ(pedido.folder, f.dir.path());
    EXPECT_EQ(d().Coleccion.NPROB, 2);

    // A file that is no collection: nothing of the open one changes, its undo point included.
    const QString texto = f.dir.filePath(QStringLiteral("notas.txt"));
    ASSERT_TRUE(QFile(texto).open(QIODevice::WriteOnly));
    f.dialogos.answers.push_back(texto);
    v.mnu_File_Open_Click();
    EXPECT_EQ(d().Coleccion.NPROB, 2);
    EXPECT_EQ(d().ArchivoActual, ruta);
    EXPECT_EQ(v.windowTitle(), caption);
    EXPECT_EQ(d().Undo.Descripcion, QStringLiteral("prueba"));

    f.abre(4);
    sinCambios();
    f.dialogos.answers.push_back(ruta);
    v.mnu_File_Open_Click();
    EXPECT_EQ(d().Coleccion.NPROB, 2);
    EXPECT_EQ(v.windowTitle(), v.TituloAplicacion() + QStringLiteral("  -  dos.col"));
    EXPECT_EQ(v.RecientesArchivo[1], ruta);
    EXPECT_EQ(v.UltimaCarpeta, f.dir.path());
    EXPECT_FALSE(d().Undo.Hay);
    EXPECT_EQ(f.avisos.shown.size(), 1u); // the save prompt only

    v.RecientesArchivo[2] = f.dir.filePath(QStringLiteral("borrado.col"));
    v.mnu_File_Reciente_Click(2);
    EXPECT_EQ(ultimoMensaje(),
              QStringLiteral("El archivo no existe.\r\nNombre archivo: ") + v.RecientesArchivo[2]);
    EXPECT_EQ(f.avisos.shown.back().icon, Notifier::Icon::Exclamation);
    EXPECT_EQ(v.RecientesArchivo[1], ruta);
}

// Over an open, modified collection: a damaged file, a missing one and a text file named on the
// command line leave it, its file, caption, pages and undo point alone; the message names them.
TEST_F(Ordenes, FailedOpenLeavesTheOpenCollection) {
    mainwindow::FormMain& v = f.cargada();
    f.abre(30);
    guardaComo(QStringLiteral("treinta.col"));
    f.doc().SetUNDO(QStringLiteral("cambio"));
    f.doc().ComponerColeccion(0); // modified
    v.ImgRPage_Click();
    ASSERT_TRUE(d().Modificado);
    ASSERT_EQ(d().PaginaActual, 2);
    // The collection, its file and its view.
    const auto estado = [&] {
        return std::tuple(d().Coleccion.NPROB, d().ArchivoActual, d().Modificado, d().PaginaActual,
                          v.LbPage->text(), v.windowTitle(), d().Undo.Descripcion,
                          v.Picture1->isVisible(), v.RecientesArchivo[1]);
    };
    const auto antes = estado();

    QFile roto(f.dir.filePath(QStringLiteral("roto.col")));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly) && roto.write("#CABECERA(#PROPARAM(basura") > 0);
    roto.close();
    for (const QString& nombre : {roto.fileName(), f.dir.filePath(QStringLiteral("falta.col")),
                                  f.dir.filePath(QStringLiteral("notas.txt"))}) {
        SCOPED_TRACE(nombre.toStdString());
        const std::size_t mensajes = f.avisos.shown.size();
        v.ProcesaCommand({nombre});
        f.avisos.answers.push_back(Answer::No); // the save prompt: do not save
        v.OpenDRAGDROPFiles_Command();
        ASSERT_EQ(f.avisos.shown.size(), mensajes + 2);
        EXPECT_TRUE(ultimoMensaje().endsWith(QStringLiteral("Nombre archivo: ") + nombre));
        EXPECT_TRUE(estado() == antes);
    }
}

// Pages printed, counted on the fake printer's job.
struct Impresion : Ordenes {
    void imprime(std::vector<int> paginas, int copias, bool intercalado) {
        dialogos.imprime = [=](int, int NumPaginas, dialogs::ResultadosDialogos& r) {
            EXPECT_GE(r.PaginasAImprimir.size(),
                      static_cast<std::size_t>(std::max(199, NumPaginas) + 1));
            for (const int p : paginas)
                r.PaginasAImprimir[static_cast<std::size_t>(p)] = true;
            r.NumCopias = copias;
            r.ImprimirIntercalado = intercalado;
            r.ImprimirAceptado = true;
        };
        f.ventana().mnu_File_Print_Click();
    }
};

TEST_F(Impresion, CopiesPagesAndTheRestoredView) {
    mainwindow::FormMain& v = f.cargada();
    f.abre(12);
    ASSERT_GE(d().NumPaginas, 2);
    v.Zoom(1.5);
    f.doc().PonPaginaActual(2);
    f.impresoras.names.prepend(QStringLiteral("Laser"));
    f.impresoras.current = QStringLiteral("Laser");
    imprime({1, 2}, 3, false);
    EXPECT_EQ(f.impresoras.finished, std::vector<int>{6});
    EXPECT_EQ(f.impresoras.targets.back().printerName, QStringLiteral("Laser"));
    EXPECT_EQ(d().PaginaActual, 2);
    EXPECT_EQ(f.motor.Zoom, 1.5);
    EXPECT_EQ(v.PicToolB[9]->toolTip(), QStringLiteral("Imprimir (Laser)"));

    // The PDF printer asks for its file; cancelling it prints nothing.
    f.impresoras.current = QStringLiteral("Imprimir a PDF");
    const auto trabajos = f.impresoras.targets.size();
    imprime({1}, 1, true);
    EXPECT_EQ(f.impresoras.targets.size(), trabajos);
    EXPECT_EQ(f.dialogos.asked.back().request.title, QStringLiteral("Imprimir a PDF"));
    EXPECT_EQ(f.dialogos.asked.back().request.defaultSuffix, QStringLiteral("pdf"));
    f.dialogos.answers.push_back(f.dir.filePath(QStringLiteral("hoja.pdf")));
    imprime({2}, 2, true);
    EXPECT_EQ(f.impresoras.targets.back().pdfPath, f.dir.filePath(QStringLiteral("hoja.pdf")));
    EXPECT_EQ(f.impresoras.finished.back(), 2);

    EXPECT_TRUE(f.avisos.shown.empty());

    f.impresoras.refuse = true;
    f.dialogos.answers.push_back(f.dir.filePath(QStringLiteral("otra.pdf")));
    imprime({1}, 1, true);
    EXPECT_EQ(ultimoMensaje(),
              QStringLiteral("No se puede imprimir en ") +
                  f.dir.filePath(QStringLiteral("otra.pdf")) +
                  QStringLiteral(": el trabajo de impresión no ha podido empezar."));
    EXPECT_EQ(d().PaginaActual, 2);
    EXPECT_EQ(f.motor.Zoom, 1.5);
}

// Paper whose lines run taller than the page box's: a page laid out on screen does not fit.
struct PapelDeLineasAltas final : ForwardingSurface {
    using ForwardingSurface::ForwardingSurface;
    double textHeight(const QString& s) const override {
        return 1.5 * ForwardingSurface::textHeight(s);
    }
};

// The job still prints every page and ends; the user is told which page came out short, where.
TEST_F(Impresion, APageThatDoesNotFitOnPaperIsTold) {
    f.cargada();
    f.abre(30);
    f.impresoras.names.prepend(QStringLiteral("Laser"));
    f.impresoras.current = QStringLiteral("Laser");
    std::unique_ptr<PapelDeLineasAltas> papel;
    f.impresoras.onBegin = [&](FakePrinters::Job& trabajo) {
        papel = std::make_unique<PapelDeLineasAltas>(trabajo.page);
        trabajo.paper = papel.get();
    };
    imprime({2}, 2, false);
    EXPECT_EQ(f.impresoras.finished, std::vector<int>{2});
    ASSERT_EQ(f.avisos.shown.size(), 1u);
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("Impresión en Laser: la página 2 no cabe en el "
                                              "papel; parte de su texto no se ha impreso."));
    EXPECT_EQ(f.avisos.shown.back().icon, Notifier::Icon::Exclamation);
}

// The print job is named after the collection's title in plain text, else after its file.
TEST_F(Impresion, TheDocumentIsNamedAfterTheCollection) {
    f.cargada();
    f.abre(3);
    f.impresoras.names.prepend(QStringLiteral("Laser"));
    f.impresoras.current = QStringLiteral("Laser");
    document::DatosColeccion cabecera = d().Coleccion;
    cabecera.TITULO = QStringLiteral("Repaso de&LF&+Bcinemática&-B");
    f.doc().PonCabecera(cabecera);
    imprime({1}, 1, true);
    EXPECT_EQ(f.impresoras.documentNames.back(), QStringLiteral("Repaso de cinemática"));
    cabecera.TITULO.clear();
    f.doc().PonCabecera(cabecera);
    guardaComo(QStringLiteral("hoja.col"));
    imprime({1}, 1, true);
    EXPECT_EQ(f.impresoras.documentNames.back(), QStringLiteral("hoja.col"));
}

TEST_F(Ordenes, CommandLineAndDrops) {
    mainwindow::FormMain& v = f.cargada();
    f.abre(2);
    const QString uno = guardaComo(QStringLiteral("uno.col"));
    const QString dos = guardaComo(QStringLiteral("dos.COL"));
    f.abre(3);
    f.doc().SetUNDO(QStringLiteral("cambio")); // modified

    // Cancel in the save prompt: the list is emptied, nothing opens; the name that is not a
    // collection file's is told all the same, as one name alone is.
    const QString texto = f.dir.filePath(QStringLiteral("x.txt"));
    v.ProcesaCommand({uno, texto, dos});
    EXPECT_EQ(v.ArchivosComando, (QStringList{uno, dos}));
    f.avisos.answers.push_back(Answer::Cancel);
    v.OpenDRAGDROPFiles_Command();
    ASSERT_EQ(f.avisos.shown.size(), 2u);
    EXPECT_EQ(f.avisos.shown[0].defaultButton, Answer::No);
    EXPECT_EQ(f.avisos.shown[1].text,
              QStringLiteral("El archivo no existe.\r\nNombre archivo: ") + texto);
    EXPECT_TRUE(v.ArchivosComando.isEmpty());
    EXPECT_EQ(d().Coleccion.NPROB, 3);
    EXPECT_TRUE(f.shell.instances.empty());

    v.ProcesaCommand({uno, dos});
    f.avisos.answers.push_back(Answer::No);
    v.OpenDRAGDROPFiles_Command();
    EXPECT_EQ(d().ArchivoActual, uno);
    ASSERT_EQ(f.shell.instances.size(), 1u);
    EXPECT_EQ(f.shell.instances[0], QStringList{dos});

    // Drops: only a drag whose first file is a collection may end on the page; the drag
    // only decides that, and the drop opens the ".COL" files.
    const QUrl notas = QUrl::fromLocalFile(f.dir.filePath(QStringLiteral("notas.txt")));
    QMimeData malos;
    malos.setUrls({notas, QUrl::fromLocalFile(dos)});
    QDragEnterEvent rechaza({5, 5}, Qt::CopyAction, &malos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.Picture1, &rechaza);
    EXPECT_FALSE(rechaza.isAccepted());
    QMimeData datos;
    datos.setUrls({QUrl::fromLocalFile(dos), notas, QUrl::fromLocalFile(uno)});
    QDragEnterEvent entra({5, 5}, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.Picture1, &entra);
    EXPECT_TRUE(entra.isAccepted());
    v.ProcesaCommand({uno});
    QDragMoveEvent mueve({6, 6}, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.Picture1, &mueve);
    EXPECT_EQ(v.ArchivosComando, QStringList{uno});
    v.ArchivosComando.clear();
    QDropEvent suelta({6, 6}, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.Picture1, &suelta);
    EXPECT_EQ(d().ArchivoActual, dos);
    EXPECT_EQ(f.shell.instances.back(), QStringList{uno});
}

// Timer6 shows the start window; `guion` chooses `opcion` in it as the user would (-1: Esc).
void eligeAlInicio(QTimer& guion, int opcion, bool mostrar = true) {
    guionModal<mainwindow::FormIniOpt>(guion, [=](mainwindow::FormIniOpt* inicio) {
        inicio->Check1->setChecked(mostrar);
        if (opcion < 0)
            inicio->reject();
        else
            inicio->ImageOP_Click(opcion);
    });
}

TEST_F(Ordenes, StartUpDispatch) {
    mainwindow::FormMain& v = f.cargada();
    QTimer guion;
    eligeAlInicio(guion, -1, false);
    v.Timer6_Timer();
    EXPECT_TRUE(v.NoMostrarInicio);
    EXPECT_TRUE(v.ComandoInicio.isEmpty());
    EXPECT_FALSE(v.mnu_Ver_WIN_INI->isChecked());
    EXPECT_EQ(f.ajustes.values.value(QStringLiteral("INI_WIN/SHOW")), QStringLiteral("0"));
    v.Timer6_Timer(); // shown once per run: nothing now
    EXPECT_EQ(dialogos.asistentes, 0);

    v.NoMostrarInicio = false;
    eligeAlInicio(guion, 4);
    v.Timer6_Timer();
    EXPECT_EQ(dialogos.asistentes, 1);
    EXPECT_TRUE(v.mnu_Ver_WIN_INI->isChecked());

    v.NoMostrarInicio = false;
    eligeAlInicio(guion, 3);
    const auto preguntas = f.dialogos.asked.size();
    v.Timer6_Timer();
    EXPECT_EQ(f.dialogos.asked.size(), preguntas + 1);

    // An example that is not there opens nothing, without a message.
    v.NoMostrarInicio = false;
    eligeAlInicio(guion, 0);
    v.Timer6_Timer();
    EXPECT_TRUE(v.ComandoInicio.startsWith(QStringLiteral("OPEN:")));
    EXPECT_EQ(d().Coleccion.NPROB, 0);
    EXPECT_TRUE(f.avisos.shown.empty());

    // With files on the command line the start window never shows.
    v.NoMostrarInicio = false;
    v.ProcesaCommand({QStringLiteral("a.col")});
    v.Timer6_Timer();
    EXPECT_FALSE(v.NoMostrarInicio);
}

// A command line whose every file was refused was not empty: the start window stays closed,
// at the activation and at the dispatch alike. The names are told once, in one message.
TEST_F(Ordenes, RefusedCommandLineFilesKeepTheStartWindowClosed) {
    mainwindow::FormMain& v = f.cargada();
    ASSERT_FALSE(v.NoMostrarInicio);
    const QStringList nombres{f.dir.filePath(QStringLiteral("notas.txt")),
                              f.dir.filePath(QStringLiteral("lista"))};
    v.ProcesaCommand(nombres);
    QEvent activa(QEvent::WindowActivate);
    QApplication::sendEvent(&v, &activa);
    QApplication::sendEvent(&v, &activa);
    ASSERT_EQ(f.avisos.shown.size(), 1u);
    EXPECT_EQ(
        f.avisos.shown[0].text,
        QStringLiteral("Estos archivos no son colecciones y no se han abierto:\r\n\r\n    ") +
            nombres.join(QStringLiteral("\r\n    ")) +
            QStringLiteral("\r\n\r\nSolo se abren los archivos cuyo nombre termina en .col."));
    EXPECT_EQ(f.avisos.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(d().Coleccion.NPROB, 0);
    EXPECT_FALSE(v.Timer6->isActive());
    bool abierta = false;
    QTimer guion;
    guionModal<mainwindow::FormIniOpt>(guion, [&](mainwindow::FormIniOpt* inicio) {
        abierta = true;
        inicio->reject();
    });
    v.Timer6_Timer();
    EXPECT_FALSE(abierta);
}

TEST_F(Ordenes, CollectionAndHelpMenus) {
    mainwindow::FormMain& v = f.cargada();
    f.abre(3, 1);
    v.mnu_COLEC_Sol[1]->trigger(); // the placement in force
    EXPECT_FALSE(d().Undo.Hay);
    v.mnu_COLEC_Sol[2]->trigger();
    EXPECT_EQ(d().Coleccion.POSSOL, 2);
    EXPECT_EQ(d().Undo.Descripcion, QStringLiteral("soluciones juntas al final"));
    EXPECT_TRUE(v.mnu_COLEC_Sol[2]->isChecked());
    EXPECT_FALSE(v.mnu_COLEC_Sol[1]->isChecked());

    v.mnu_COLEC_Prop->trigger(); // cancelled: the undo point that was there stays
    EXPECT_EQ(dialogos.propiedades, 1);
    EXPECT_EQ(d().Undo.Descripcion, QStringLiteral("soluciones juntas al final"));
    EXPECT_TRUE(v.mnu_Edicion_Undo->isEnabled());
    dialogos.propiedadesAcepta = [](document::DatosColeccion& c, dialogs::ResultadosDialogos& r) {
        c.POSSOL = 0;
        c.TITULO = QStringLiteral("Propia");
        r.PropiedadesAceptadas = true;
    };
    v.mnu_COLEC_Prop->trigger();
    EXPECT_EQ(d().Coleccion.TITULO, QStringLiteral("Propia"));
    EXPECT_EQ(d().Coleccion.NPROB, 3);
    EXPECT_EQ(d().Undo.Descripcion, QStringLiteral("cambiar propiedades de la colección"));
    EXPECT_TRUE(v.mnu_COLEC_Sol[0]->isChecked());

    v.mnu_Help_Manual->trigger();
    EXPECT_TRUE(f.shell.opened.isEmpty());
    ASSERT_FALSE(f.avisos.shown.empty());
    EXPECT_EQ(f.avisos.shown.back().title, QStringLiteral("No se encuentra el archivo"));
    EXPECT_EQ(ultimoMensaje(),
              QStringLiteral("No se puede abrir el archivo ") +
                  QCoreApplication::applicationDirPath() +
                  QStringLiteral("/Manual_VORNITH_NORV.pdf\r\nAsegúrese que el archivo existe y "
                                 "que dispone de un visor instalado en su equipo."));
    f.shell.succeed = false;
    v.mnu_Ayuda_DONA->trigger();
    EXPECT_EQ(f.shell.opened.back(), QStringLiteral("https://www.zelmsoftware.example/donar/"));
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("No se puede abrir la página "
                                              "https://www.zelmsoftware.example/donar/\r\n"
                                              "Asegúrese de tener una conexión activa a internet "
                                              "y un navegador instalado."));
}

} // namespace
} // namespace vornith::test
