#pragma once

#include "document/coleccion.h"
#include "document/tema.h"
#include "document/ventana_coleccion.h"
#include "generation/estado_generacion.h"
#include "generation/regenera_problema.h"
#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/notifier.h"
#include "platform/picture_files.h"
#include "platform/printers.h"
#include "platform/surface.h"
#include "textengine/estado_motor.h"

#include <QString>

#include <vector>

namespace vornith::document {

// What the document works with: the other layers' state and the platform.
struct ServiciosColeccion {
    generation::EstadoGeneracion& generacion;
    textengine::EstadoMotor& motor;
    Surface& cajaPagina; // the main window's page box, sized to the page at the current zoom
    VentanaColeccion& ventana;
    BusyCursor& cursor;
    EventLoop& eventos;
    Notifier& avisos;
    Clipboard& portapapeles;
    PictureFolders carpetas;
};

// Which Edit commands the selection allows (the Edit menu as it opens).
struct EstadoEdicion {
    bool seleccion = false; // Cut, Copy, Delete, Insert, Regenerate
    bool mover[4] = {};     // to start, to end, up, down
};

// The one open collection: its records, composition, pages, undo and redo, edits, file and
// clipboard text.
class Documento final : public generation::ServiciosDocumento {
  public:
    explicit Documento(ServiciosColeccion servicios);

    EstadoDocumento d;

    // Creation.
    void Arbol_to_Var(ListaTemas& temas);
    void CrearColeccion(int IDProb);
    // The Repeat command: new seeds for every problem, generated again.
    void RegenerarColeccion();

    // Composition and pages.
    void ComponerColeccion(int ProblemaVisible);
    void ComponerColeccion(bool flag, std::int16_t& ProblemaVisible) override;
    void Paginar(int ProblemaVisible);
    int PaginaDeProblema(int ProblemaVisible) const;
    void DibujaPagina();
    // Draws page `pagina` on a printer page (no page break).
    void ImprimirPagina(Surface& impresora, int pagina);
    // Prints `paginas` on `trabajo`, a new sheet only between pages.
    void ImprimirPaginas(PrintJob& trabajo, const std::vector<int>& paginas);

    // Undo and redo, one level each.
    void SetUNDO(const QString& descripcion);
    void Deshacer();
    void Rehacer();
    static QString TituloDeshacer(const PuntoRestauracion& undo);
    static QString TituloRehacer(const PuntoRestauracion& redo);

    // Selection on the displayed page.
    int NumSeleccionados() const;
    // The problem of the last selected block; 0 when none.
    int ProblemaSeleccionado() const;
    EstadoEdicion EstadoMenuEdicion() const;

    // Edit commands on the single selected problem.
    void Cortar();
    void Borrar();
    void InsertarMismoTipo();
    void Mover(int index);
    bool MoverProblema(int PosOrigen, int PosDestino);
    void RegenerarProblema();

    // Clipboard text of one problem.
    void Copiar();
    void Pegar();
    // The 300 ms poll: Paste follows whether the clipboard holds a copied problem.
    void SondeaPortapapeles();

    // The no-collection state. An edit that emptied the collection keeps its undo point.
    void NoColeccion(bool conservarDeshacer = false);

    // The collection file named by ArchivoActual.
    bool SaveFile();
    void OpenFile();

    // generation::ServiciosDocumento
    void PonArchivoActual(const QString& ruta) override { d.ArchivoActual = ruta; }
    void PonModificado(bool modificado) override { d.Modificado = modificado; }

  private:
    QString TextoPagina(int pagina) const;
    bool PuedeEditar() const;
    void FinEdicion();
    void MostrarDeshacer();
    void AvisoError();
    void Regenerar(int s);

    ServiciosColeccion s_;
};

// The window caption of an open file: the title, two blanks, a hyphen, two blanks, its name.
QString TituloConArchivo(const QString& tituloAplicacion, const QString& ruta);

} // namespace vornith::document
