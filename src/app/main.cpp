#include "dialogs/dialogos_qt.h"
#include "mainwindow/form_main.h"
#include "mainwindow/form_splash.h"
#include "mainwindow/identidad.h"
#include "platform/process_exit.h"
#include "platform/program_data.h"
#include "platform/qt/qt_busy_cursor.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_notifier.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/qt_program_data.h"
#include "platform/qt/qt_settings.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_translations.h"
#include "platform/random.h"
#include "platform/titulo_programa.h"

#include <QApplication>

using namespace vornith;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The settings store and the title of message boxes. No display name: Qt would append it
    // to every caption.
    QApplication::setApplicationName(TituloPrograma());
    mainwindow::IdentificaVentanas();
    // The toolkit's own windows (file dialogs, standard buttons) in the program's language.
    loadToolkitTranslations(app);

    QtBusyCursor cursor;
    cursor.setBusy(true);
    Pcg32Random azar;
    azar.reseedFromClock();
    QtSettings ajustes;
    QtPrinters impresoras;
    QtShell shell;
    QtNotifier avisos;
    QtFileDialogs dialogos;
    ImmediateExit salida;
    QtClipboard portapapeles;
    QtEventLoop eventos;
    QtPictureLoader imagenes;
    QtProgramData datosPrograma;

    auto* splash = new mainwindow::FormSplash(shell, avisos);
    QObject::connect(splash, &QDialog::finished, splash, &QObject::deleteLater);
    splash->show();

    // The window builds the core (notation, engine tables, catalogue) on these services.
    mainwindow::ServiciosPrincipal servicios{azar,
                                             ajustes,
                                             impresoras,
                                             shell,
                                             avisos,
                                             dialogos,
                                             salida,
                                             portapapeles,
                                             cursor,
                                             eventos,
                                             imagenes,
                                             datosPrograma,
                                             defaultPictureFolders()};
    mainwindow::FormMain ventana(servicios);
    avisos.setParent(&ventana);
    dialogos.setParent(&ventana);
    // The splash shows the main window as it closes, but never before the window's load.
    splash->MostrarVentanaPrincipal = [&ventana] {
        if (ventana.Cargada()) ventana.show();
    };
    ventana.PonSplash(splash);
    dialogs::DialogosQt ventanas(
        {ajustes, avisos, impresoras, cursor, ventana.Generacion(), programDataFolder()});
    ventana.PonDialogos(ventanas);
    ventana.Form_Load();
    // The files named on the command line open at the first activation.
    ventana.ProcesaCommand(QApplication::arguments().mid(1));
    cursor.setBusy(false);
    ventana.show();
    return QApplication::exec();
}
