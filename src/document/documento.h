#pragma once

#include "document/archivo_coleccion.h"
#include "document/carpeta_imagenes.h"
#include "document/coleccion.h"
#include "document/tema.h"
#include "document/ventana_coleccion.h"
#include "generation/estado_generacion.h"
#include "platform/busy_cursor.h"
#include "platform/clipboard.h"
#include "platform/event_loop.h"
#include "platform/notifier.h"
#include "platform/picture_files.h"
#include "platform/printers.h"
#include "platform/program_data.h"
#include "platform/surface.h"
#include "textengine/estado_motor.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace vornith::test {
struct DocumentFixture;
} // namespace vornith::test

namespace vornith::document {

enum class FalloLectura;

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
    ProgramData& datosPrograma; // where nothing is saved
    PictureFolders carpetas;
};

// Sets the busy flag for its lifetime and puts back what it was: a composition inside another
// job keeps the flag set until the outer job ends.
class Ocupacion {
  public:
    explicit Ocupacion(bool& ocupado) : ocupado_(ocupado), antes_(ocupado) { ocupado_ = true; }
    ~Ocupacion() { ocupado_ = antes_; }
    Ocupacion(const Ocupacion&) = delete;
    Ocupacion& operator=(const Ocupacion&) = delete;

  private:
    bool& ocupado_;
    const bool antes_;
};

// How a print job ended.
enum class ResultadoImpresion {
    Impreso,
    Ocupado,          // the document was busy composing: nothing printed, the job left as it was
    PaginaIncompleta, // a page did not fit on paper: some of its lines were not printed
    SinPaginaNueva,   // the printer could not start a new sheet; later pages were not printed
    SinTerminar,      // the printer refused the document, or its file could not be written
};

// Which Edit commands the selection allows (the Edit menu as it opens).
struct EstadoEdicion {
    bool seleccion = false; // Cut, Copy, Delete, Insert, Regenerate
    bool mover[4] = {};     // to start, to end, up, down
};

// The one open collection: its records, composition, pages, undo and redo, edits, file and
// clipboard text. Its state is read through estado() and changed only by the operations below.
class Documento final {
  public:
    explicit Documento(ServiciosColeccion servicios);

    const EstadoDocumento& estado() const { return d; }

    // The header fields the wizard and the properties dialog edit, all but NPROB. Nothing is
    // recomposed: ComponerColeccion(0) shows the change of an open collection.
    void PonCabecera(const DatosColeccion& cabecera);
    // The page DibujaPagina draws; a page past the last draws an empty page.
    void PonPaginaActual(int pagina);

    // Creation. Arbol_to_Var returns how many problems asked for were left out (500 at most).
    int Arbol_to_Var(ListaTemas& temas);
    void CrearColeccion(int IDProb);
    // The Repeat command: new seeds for every problem, generated again. Problems of another
    // module are left as they were, and the user is told how many.
    void RegenerarColeccion();

    // Composition and pages.
    void ComponerColeccion(int ProblemaVisible);
    void Paginar(int ProblemaVisible);
    int PaginaDeProblema(int ProblemaVisible) const;
    void DibujaPagina();
    // The name a print job takes: the title's plain text, or the file's name when that is empty.
    QString NombreImpresion() const;
    // Prints `paginas` on `trabajo` at `zoom`, a new sheet only between pages, and ends the job.
    // `antes` runs before each page is printed, given its number (the window shows that page);
    // the first page that did not fit on paper goes to `incompleta`.
    ResultadoImpresion ImprimirPaginas(PrintJob& trabajo, const std::vector<int>& paginas,
                                       double zoom, const std::function<void(int)>& antes = {},
                                       int* incompleta = nullptr);
    // The zoom of the page box, which the next DibujaPagina draws at.
    void PonZoom(double zoom);

    // Undo and redo, one level each.
    void SetUNDO(const QString& descripcion);
    void Deshacer();
    void Rehacer();
    static QString TituloDeshacer(const PuntoRestauracion& undo);
    static QString TituloRehacer(const PuntoRestauracion& redo);

    // Selection on the displayed page: at most one block, shown inverted on the page box.
    // The first block of the page whose top and bottom (page-box twips, in single precision)
    // enclose `y`, edges included; 0 when none.
    int BloqueEn(float y) const;
    // Selects block `bloque` of the page alone.
    void Selecciona(int bloque);
    void QuitaSeleccion();
    int NumSeleccionados() const;
    // The problem of the last selected block; 0 when none.
    int ProblemaSeleccionado() const;
    EstadoEdicion EstadoMenuEdicion() const;

    // Edit commands on the single selected problem. Regenerate and Insert refuse, with a
    // message, a problem of another module.
    void Cortar();
    void Borrar();
    void InsertarMismoTipo();
    void Mover(int index);
    bool MoverProblema(int PosOrigen, int PosDestino);
    void RegenerarProblema();

    // Clipboard text of one problem.
    void Copiar();
    void Pegar();
    // The clipboard changed (or the window first shows): Paste follows whether it holds a
    // copied problem. What another program put there is read here once, without waiting for
    // it, and again only by Pegar or the next change: that program may answer slowly or not at
    // all, and Paste follows when the answer comes, and stays available when none comes. What
    // this program put there is read without asking anyone.
    void PortapapelesCambiado();
    // Whether Paste is to be offered: a collection is open and the clipboard held a copied
    // problem when it was last read, or its owner did not answer.
    bool PegarDisponible() const { return hayProblemaCopiado_ && d.Coleccion.NPROB > 0; }

    // The no-collection state. With `conservarDeshacer` the undo and redo points stay: an edit
    // that emptied the collection can be undone, an undone New redone.
    void NoColeccion(bool conservarDeshacer = false);

    // The collection file. Each returns whether it succeeded, and only then sets ArchivoActual
    // to `ruta`. A failed save keeps the collection and Modificado; a failed open changes
    // nothing of the open collection (the file is read and checked whole first) and, unless
    // the name is not a collection file's, tells the user, naming the file.
    bool SaveFile(const QString& ruta);
    bool OpenFile(const QString& ruta);
    // The message for a file that could not be opened, naming it.
    void AvisoError(FalloLectura fallo, const QString& ruta);

  private:
    // Tests set up states that no command reaches in one step (texts of any length).
    friend struct test::DocumentFixture;

    // Generates `problema` again from its code (its seeds were set by the caller), composes the
    // collection showing problem ProblemaVisible, and unties the collection from its file. The
    // window is given back on every exit; a failure of the composition is passed on after that.
    void RegeneraProblema(Problema& problema, int ProblemaVisible);
    // Draws page `pagina` on a printer page (no page break) at `zoom`, 1 for paper; the zoom of
    // the page box is left alone. False when the page did not fit. Printing goes through
    // ImprimirPaginas, the one print loop.
    bool ImprimirPagina(Surface& impresora, int pagina, double zoom);
    QString TextoPagina(int pagina) const;
    // The title and its rule, the blocks and the printed number of page `pagina` on `destino`
    // at `zoom`, within the margins the engine holds: the page box and paper draw it alike.
    void DibujaContenido(Surface& destino, int pagina, double zoom, Rgb colorNumero);
    // Whether page `pagina` carries the title (see PaginasSinTitulo).
    bool ConTitulo(int pagina) const;
    // Inverts the rectangle of block n on the page box; a second time restores the page.
    void InvierteBloque(int n);
    // How much lower than a one-line title the title's last line ends on `destino` (a wrapped
    // title), so that the rule goes under it.
    double BajadaTitulo(Surface& destino, double tamano);
    // The width of one line of markup at the start of a page, measured like the page box at
    // zoom 1, in twips.
    double AnchoLinea(const QString& linea);
    bool PuedeEditar() const;
    void FinEdicion();
    void MostrarDeshacer();
    // Tells of the problems (by their number in Problemas) whose block is taller than a page,
    // unless the user was last told of the same ones.
    void AvisaProblemasCortados(const QList<int>& cortados);
    void Regenerar(int s);
    // Tells, with `mensaje`, that problem s belongs to another module and cannot be generated.
    bool AvisaSiNoGenerable(int s, const QString& mensaje);
    // img/ and the folder that shows the collection's own pictures.
    PictureFolders CarpetasColeccion() const;
    // Picture bytes for saves and copies: img/, then the collection's own.
    FuenteImagenes FuenteImagenesColeccion() const;
    // Paste follows `copiado`, whether the clipboard may hold a copied problem: the one place
    // that sets the window's Paste controls.
    void SiguePortapapeles(bool copiado);
    // Pictures new to the collection by a paste: kept for saves and put into the collection's
    // folder for display; those that cannot be shown are named.
    void MuestraImagenesPegadas(const std::vector<ImagenColeccion>& nuevas);

    EstadoDocumento d;
    ServiciosColeccion s_;
    // Held until another file is opened: undo after New may bring its collection back.
    // Pasted pictures are put there too.
    std::unique_ptr<CarpetaImagenes> carpetaImagenes_;
    bool hayProblemaCopiado_ = false;
};

// The title line on top of every page: bold Arial, then an empty line.
QString LineaTitulo(const QString& titulo);

// The window caption of an open file: the title, two blanks, a hyphen, two blanks, its name.
QString TituloConArchivo(const QString& tituloAplicacion, const QString& ruta);

} // namespace vornith::document
