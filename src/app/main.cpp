#include "document/nucleo.h"
#include "document/sin_pantalla.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_busy_cursor.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_notifier.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/titulo_programa.h"

#include <QApplication>
#include <QMainWindow>

using namespace vornith;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(vornith::TituloPrograma());

    // The platform's services and the core built on them; the window is still an empty one.
    Pcg32Random azar;
    azar.reseedFromClock();
    PageBoxSurface caja(796, 1125);
    QtBusyCursor cursor;
    QtEventLoop eventos;
    QtNotifier avisos;
    QtClipboard portapapeles;
    QtPictureLoader imagenes;
    QtPrinters impresoras;
    document::VentanaNula ventanaNula;
    document::Nucleo nucleo({azar, caja, cursor, eventos, avisos, portapapeles, imagenes,
                             impresoras, defaultPictureFolders()},
                            ventanaNula);

    QMainWindow window;
    window.setWindowTitle(vornith::TituloPrograma());
    window.resize(1000, 800);
    window.show();
    return QApplication::exec();
}
