#pragma once

#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/file_dialogs.h"
#include "platform/notifier.h"
#include "platform/picture.h"
#include "platform/picture_files.h"
#include "platform/printers.h"
#include "platform/process_exit.h"
#include "platform/program_data.h"
#include "platform/random.h"
#include "platform/settings.h"
#include "platform/shell.h"

namespace vornith::mainwindow {

// The outside world as the main window reaches it; the program passes the Qt implementations,
// tests the fakes.
struct ServiciosPrincipal {
    RandomSource& azar;
    Settings& ajustes;
    Printers& impresoras;
    Shell& shell;
    Notifier& avisos;
    FileDialogs& dialogosArchivo;
    ProcessExit& salida;
    Clipboard& portapapeles;
    BusyCursor& cursor;
    EventLoop& eventos;
    PictureLoader& imagenes;
    ProgramData& datosPrograma;
    PictureFolders carpetas;
};

} // namespace vornith::mainwindow
