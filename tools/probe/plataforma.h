#pragma once

// The core of a probe command: the Qt services of the program, no window, message boxes on
// standard error.

#include "document/nucleo.h"
#include "document/sin_pantalla.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/qt_program_data.h"

#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace vornith::probe {

class AvisosEnConsola final : public Notifier {
  public:
    Answer ask(const QString& text, const QString& title, Buttons, Icon, Answer) override {
        QTextStream(stderr) << title << ": " << text << '\n';
        return Answer::Ok;
    }
    void beep() override {}
};

// A page box of the page at `zoom`, and the core drawing on it at that zoom.
struct NucleoProbe {
    explicit NucleoProbe(double zoom)
        : caja(static_cast<int>(std::lround(796 * zoom)),
               static_cast<int>(std::lround(1125 * zoom))),
          nucleo({azar, caja, cursor, eventos, avisos, portapapeles, imagenes, impresoras,
                  datosPrograma, defaultPictureFolders()},
                 ventana) {
        azar.reseedFromClock();
        nucleo.motor.Zoom = zoom;
    }

    Pcg32Random azar;
    PageBoxSurface caja;
    document::CursorNulo cursor;
    QtEventLoop eventos;
    AvisosEnConsola avisos;
    QtClipboard portapapeles;
    QtPictureLoader imagenes;
    QtPrinters impresoras;
    QtProgramData datosPrograma;
    document::VentanaNula ventana;
    document::Nucleo nucleo;
};

} // namespace vornith::probe
