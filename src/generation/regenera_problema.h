#pragma once

// Regenerating one problem of the open collection, and what that needs of the collection
// document and of the main window. The document and the window implement the two interfaces;
// tests fake them.

#include "generation/estado_generacion.h"
#include "generation/problema.h"
#include "platform/busy_cursor.h"

#include <QString>

#include <cstdint>

namespace vornith::generation {

class ServiciosDocumento {
public:
    virtual ~ServiciosDocumento() = default;
    // Composes the collection into blocks, sets Modificado and paginates; shows the page of
    // problem ProblemaVisible and gives the window back what EstadoGenerando took (page box
    // shown with its dark shadow, controls enabled). `flag` is never read.
    virtual void ComponerColeccion(bool flag, std::int16_t& ProblemaVisible) = 0;
    // ArchivoActual: the file the collection belongs to; empty for none.
    virtual void PonArchivoActual(const QString& ruta) = 0;
    // Modificado: the collection has unsaved changes.
    virtual void PonModificado(bool modificado) = 0;
};

class ServiciosVentana {
public:
    virtual ~ServiciosVentana() = default;
    // Page box hidden, its shadow white, toolbar, File and Help menus and page-turn images
    // disabled.
    virtual void EstadoGenerando() = 0;
    // The controls that EstadoGenerando disabled, enabled again.
    virtual void HabilitaControles() = 0;
    // Page box shown, its shadow dark grey, focus on the page.
    virtual void MuestraPagina() = 0;
    // The window caption.
    virtual void PonTitulo(const QString& texto) = 0;
    // TituloAplicacion, the caption of a collection that belongs to no file.
    virtual QString TituloAplicacion() const = 0;
};

// Generates `problema` again from its own code (its seeds were set by the caller), composes
// the collection showing problem ProblemaVisible, and unties the collection from its file.
// The window is given back on every exit; a failure of the composition itself is passed on
// after that.
void RegeneraProblema(EstadoGeneracion& estado, ServiciosDocumento& documento,
                      ServiciosVentana& ventana, BusyCursor& cursor, Problema& problema,
                      std::int16_t& ProblemaVisible);

} // namespace vornith::generation
