#pragma once

// The headless core of the program: generation, engine and the open collection, built once
// from the platform's services.

#include "document/documento.h"
#include "document/ventana_coleccion.h"
#include "generation/estado_generacion.h"
#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/notifier.h"
#include "platform/picture.h"
#include "platform/picture_files.h"
#include "platform/printers.h"
#include "platform/program_data.h"
#include "platform/random.h"
#include "platform/surface.h"
#include "textengine/estado_motor.h"

namespace vornith::document {

// What the core uses of the outside world: the Qt implementations in the program, fakes in
// tests. Each must outlive the core.
struct ServiciosPlataforma {
    RandomSource& azar;
    Surface& cajaPagina; // the main window's page box, sized to the page at the current zoom
    BusyCursor& cursor;
    EventLoop& eventos;
    Notifier& avisos;
    Clipboard& portapapeles;
    PictureLoader& imagenes;
    Printers& impresoras; // only counted, at start-up
    ProgramData& datosPrograma;
    PictureFolders carpetas;
};

// The generation state with its catalogue, the engine with its tables, and the document, in
// the start-up order: notation, engine tables, catalogue. The window passed in receives what
// the document shows; it must outlive the core, and may be the object that holds the core
// (the core calls it only after construction).
class Nucleo {
  public:
    Nucleo(const ServiciosPlataforma& servicios, VentanaColeccion& ventana);
    Nucleo(const Nucleo&) = delete;
    Nucleo& operator=(const Nucleo&) = delete;

    generation::EstadoGeneracion generacion;
    textengine::EstadoMotor motor;
    Documento documento;
};

} // namespace vornith::document
