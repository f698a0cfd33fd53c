#pragma once

#include <QString>

namespace vornith::document {

// What the collection document does to the main window: the one interface the window
// implements; tests fake it. The document never reaches a widget any other way.
class VentanaColeccion {
  public:
    virtual ~VentanaColeccion() = default;

    // Page box hidden, its shadow white, toolbar, File and Help menus and page-turn images
    // disabled: while a collection is generated or paginated.
    virtual void EstadoGenerando() = 0;
    // The controls that EstadoGenerando disabled, enabled again.
    virtual void HabilitaControles() = 0;
    // Page box shown, its shadow dark grey, focus on the page.
    virtual void MuestraPagina() = 0;
    // The window caption.
    virtual void PonTitulo(const QString& texto) = 0;
    // TituloAplicacion, the caption of a collection that belongs to no file.
    virtual QString TituloAplicacion() const = 0;

    // The page label ("Pág. 2/5"); empty clears it.
    virtual void PonEtiquetaPagina(const QString& texto) = 0;
    // The vertical scroll position of the page view; 0 is the top of the page.
    virtual int PosicionScroll() const = 0;
    virtual void PonPosicionScroll(int posicion) = 0;

    // Switch between the loaded and the no-collection state of the window. With
    // `deshacerDisponible` the Undo and Redo commands stay reachable (the collection was
    // emptied by an edit that can be undone, or an undone New can be redone).
    virtual void HayColeccion() = 0;
    virtual void NoColeccion(bool deshacerDisponible) = 0;
    // Check marks of the solution-placement menu entries follow POSSOL.
    virtual void ActualizaMenusCheckeados() = 0;

    // Undo and Redo entries and toolbar buttons: captions and enabled states.
    virtual void EstadoDeshacer(const QString& tituloDeshacer, bool deshacer,
                                const QString& tituloRehacer, bool rehacer) = 0;
    // Paste's entries in the Edit and context menus and its toolbar button, together.
    virtual void PegarHabilitado(bool habilitado) = 0;
    // Cut and Copy toolbar buttons (they follow the selection).
    virtual void CortarCopiarHabilitado(bool habilitado) = 0;
    // Lays the toolbar out again after its flags changed.
    virtual void ActualizarBotones() = 0;

    // The opened file goes to the top of the recent-files list.
    virtual void AnadeReciente(const QString& ruta) = 0;
    // The Save As command, after a write-protected save.
    virtual void GuardarComo() = 0;
};

} // namespace vornith::document
