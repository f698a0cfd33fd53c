// The main window's commands that replace or print the collection: New, Open, the recent
// files, Regenerate, Print; the Collection and Help menus; the files of the command line and of
// drops; the start-up dispatch.

#include "dialogs/dialogos.h"
#include "mainwindow/aviso_impresion.h"
#include "mainwindow/boton_barra.h"
#include "mainwindow/form_ini_opt.h"
#include "mainwindow/form_main.h"
#include "mainwindow/identidad.h"
#include "mainwindow/linea_comandos.h"
#include "mainwindow/orden_impresion.h"
#include "mainwindow/vista_pagina.h"
#include "platform/program_data.h"
#include "platform/qt/wheel_hook.h"
#include "platform/titulo_programa.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace vornith::mainwindow {

namespace {

const QString kImprimirAPdf = QStringLiteral("Imprimir a PDF");

// The user's documents folder, else the home folder.
QString carpetaDocumentos() {
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

} // namespace

QString FormMain::carpetaAbrir() const {
    return UltimaCarpeta.isEmpty() ? carpetaDocumentos() : UltimaCarpeta;
}

QString FormMain::carpetaGuardar() const {
    return UltimaCarpeta.isEmpty() || isProgramDataFolder(UltimaCarpeta, s_.datosPrograma.folder())
               ? carpetaDocumentos()
               : UltimaCarpeta;
}

// The save prompt before a command replaces a modified collection; false ends the command.
bool FormMain::preguntaGuardar(Notifier::Answer porDefecto) {
    if (!doc_->estado().Modificado) return true;
    const auto respuesta = s_.avisos.ask(
        QStringLiteral("¿Desea guardar el documento ") + doc_->estado().ArchivoActual + u'?',
        TituloPrograma(), Notifier::Buttons::YesNoCancel, Notifier::Icon::Question, porDefecto);
    if (respuesta == Notifier::Answer::Cancel) return false;
    if (respuesta == Notifier::Answer::Yes) {
        mnu_File_Save_Click();
        return !doc_->estado().Modificado;
    }
    return true;
}

void FormMain::mnu_File_New_Click() {
    if (!preguntaGuardar()) return;
    s_.cursor.setBusy(true);
    dialogs::ResultadosDialogos& r = resultados_;
    r.PropiedadesAceptadas = false;
    s_.azar.reseedFromClock();
    // The wizard works on a copy: a cancelled or empty wizard leaves the shown collection as it
    // was, its undo and redo points included.
    document::DatosColeccion cabecera = doc_->estado().Coleccion;
    document::ListaTemas temas;
    s_.cursor.setBusy(false);
    dialogos_->Asistente(this, cabecera, temas, r);
    WheelHook(*this);
    reactiva();
    if (!r.PropiedadesAceptadas || cabecera.NPROB == 0) {
        ActualizarBotones();
        return;
    }
    orden([&] {
        doc_->SetUNDO(QStringLiteral("nueva colección"));
        doc_->PonCabecera(cabecera);
        doc_->Arbol_to_Var(temas);
        doc_->CrearColeccion(1);
        if (doc_->estado().Coleccion.NPROB == 0) return;
        HayColeccion();
        ActualizarBotones();
    });
}

void FormMain::mnu_File_Open_Click() {
    if (!preguntaGuardar()) return;
    FileDialogRequest pedido;
    pedido.title = QStringLiteral("Abrir");
    pedido.filters =
        QStringLiteral("Colecciones de Problemas  (*.col)|*.col|Todos los archivos  (*.*)|*.*");
    pedido.folder = carpetaAbrir();
    const std::optional<QString> elegido = s_.dialogosArchivo.openFile(pedido);
    reactiva();
    if (!elegido) return;
    UltimaCarpeta = QFileInfo(*elegido).absolutePath();
    abre(*elegido);
}

// Opens `ruta` when it names a collection file; anything else changes nothing of the open
// collection, its undo point included.
void FormMain::abre(const QString& ruta) {
    if (!EsColeccion(ruta)) return;
    orden([&] {
        if (doc_->OpenFile(ruta)) doc_->SetUNDO(QString());
        ActualizarBotones();
    });
}

void FormMain::mnu_File_Reciente_Click(int Index) {
    if (Index < 1 || Index > 9 || !preguntaGuardar()) return;
    const QString ruta = RecientesArchivo[static_cast<std::size_t>(Index)];
    if (!QFileInfo(ruta).isFile()) {
        avisa(QStringLiteral("El archivo no existe.\r\nNombre archivo: ") + ruta, TituloPrograma());
        return;
    }
    abre(ruta);
}

void FormMain::mnu_File_Repetir_Click() {
    if (Ocupado()) return;
    orden([this] { doc_->RegenerarColeccion(); });
}

void FormMain::mnu_File_Print_Click() {
    const document::EstadoDocumento& d = doc_->estado();
    if (d.NumBloques == 0 || d.Coleccion.NPROB == 0 || s_.impresoras.count() == 0 || Ocupado())
        return;
    const int pagina = d.PaginaActual;
    dialogs::ResultadosDialogos& r = resultados_;
    r.ImprimirAceptado = false;
    r.PaginasAImprimir.assign(static_cast<std::size_t>(std::max(199, d.NumPaginas) + 1), false);
    dialogos_->Imprimir(this, pagina, d.NumPaginas, r);
    const QString impresora = s_.impresoras.currentPrinter();
    PicToolB[9]->setToolTip(QStringLiteral("Imprimir (") + impresora + u')');
    reactiva();
    if (!r.ImprimirAceptado) return;

    PrintTarget destino{impresora, {}};
    if (impresora == kImprimirAPdf) {
        FileDialogRequest pedido;
        pedido.title = kImprimirAPdf;
        pedido.filters = QStringLiteral("PDF (*.pdf)|*.pdf");
        pedido.folder = carpetaGuardar();
        pedido.defaultSuffix = QStringLiteral("pdf");
        const std::optional<QString> archivo = s_.dialogosArchivo.saveFile(pedido);
        reactiva();
        if (!archivo) return;
        destino.pdfPath = *archivo;
    }
    const std::vector<int> paginas =
        OrdenImpresion(r.PaginasAImprimir, d.NumPaginas, r.NumCopias, r.ImprimirIntercalado);
    if (paginas.empty()) return;
    const QString nombre = doc_->NombreImpresion();

    std::optional<document::ResultadoImpresion> resultado;
    int incompleta = 0;
    orden([&] {
        if (std::unique_ptr<PrintJob> trabajo = s_.impresoras.beginJob(destino, nombre)) {
            // Each page is shown on screen while it prints.
            const auto enPantalla = [this](int p) {
                doc_->PonPaginaActual(p);
                Form_Resize();
                doc_->DibujaPagina();
                Picture1->update();
            };
            resultado = doc_->ImprimirPaginas(*trabajo, paginas, 1.0, enPantalla, &incompleta);
        }
        doc_->PonPaginaActual(pagina);
        Form_Resize();
        doc_->DibujaPagina();
    });
    const QString aviso = AvisoImpresion(resultado, incompleta,
                                         destino.pdfPath.isEmpty() ? impresora : destino.pdfPath);
    if (!aviso.isEmpty()) avisa(aviso, TituloPrograma());
}

void FormMain::mnu_COLEC_Prop_Click() {
    const document::EstadoDocumento& d = doc_->estado();
    if (d.NumBloques == 0 || d.Coleccion.NPROB == 0) return;
    dialogs::ResultadosDialogos& r = resultados_;
    r.PropiedadesAceptadas = false;
    // The dialog works on a copy: a cancelled one leaves the collection and its undo point as
    // they were.
    document::DatosColeccion cabecera = d.Coleccion;
    dialogos_->Propiedades(this, cabecera, r);
    reactiva();
    if (r.PropiedadesAceptadas) {
        orden([&] {
            doc_->SetUNDO(QStringLiteral("cambiar propiedades de la colección"));
            doc_->PonCabecera(cabecera);
            doc_->ComponerColeccion(0);
            ActualizaMenusCheckeados();
        });
    }
    ActualizarBotones();
}

void FormMain::mnu_COLEC_Sol_Click(int k) {
    static const char* const kDeshacer[4] = {"sin solución", "soluciones después de cada problema",
                                             "soluciones juntas al final",
                                             "soluciones en página aparte"};
    if (k < 0 || k > 3) return;
    document::DatosColeccion cabecera = doc_->estado().Coleccion;
    if (cabecera.POSSOL == k) {
        ActualizaMenusCheckeados();
        return;
    }
    orden([&] {
        doc_->SetUNDO(QString::fromUtf8(kDeshacer[k]));
        cabecera.POSSOL = k;
        doc_->PonCabecera(cabecera);
        doc_->ComponerColeccion(0);
        ActualizaMenusCheckeados();
        ActualizarBotones();
    });
}

void FormMain::mnu_Help_Manual_Click() {
    const QString ruta =
        programDataFolder() + QStringLiteral("/Manual_") + IdAplicacion() + QStringLiteral(".pdf");
    // The opener's failure arrives later, when the window may be gone.
    const auto fallo = [ventana = QPointer<FormMain>(this), ruta] {
        if (!ventana) return;
        ventana->avisa(QStringLiteral("No se puede abrir el archivo ") + ruta +
                           QStringLiteral("\r\nAsegúrese que el archivo existe y que dispone de "
                                          "un visor instalado en su equipo."),
                       QStringLiteral("No se encuentra el archivo"));
    };
    // A missing manual is told without asking the desktop's opener.
    if (QFileInfo(ruta).isFile())
        s_.shell.open(ruta, fallo);
    else
        fallo();
}

void FormMain::AbrirPaginaWeb(const QString& url) {
    s_.shell.open(url, [ventana = QPointer<FormMain>(this), url] {
        if (!ventana) return;
        ventana->avisa(QStringLiteral("No se puede abrir la página ") + url +
                           QStringLiteral("\r\nAsegúrese de tener una conexión activa a internet "
                                          "y un navegador instalado."),
                       QStringLiteral("No se puede abrir la página"));
    });
}

void FormMain::ProcesaCommand(const QStringList& argumentos) {
    ArchivosComando = mainwindow::ProcesaCommand(argumentos);
    NoColeccionesComando = NoColecciones(argumentos);
    LineaComandos = !argumentos.isEmpty();
}

void FormMain::OpenDRAGDROPFiles_Command() {
    const QStringList archivos = std::exchange(ArchivosComando, {});
    const QStringList otros = std::exchange(NoColeccionesComando, {});
    if (!archivos.isEmpty() && preguntaGuardar(Notifier::Answer::No)) {
        // A name that is not a collection file's is told, as a file that fails to open is.
        if (EsColeccion(archivos.front()))
            abre(archivos.front());
        else
            doc_->AvisoError(document::FalloLectura::ArchivoIncorrecto, archivos.front());
        for (qsizetype k = 1; k < archivos.size(); ++k)
            s_.shell.startInstance({archivos[k]});
    }
    // So are the names among several that are not, once: one alone, several in one list.
    if (otros.size() == 1)
        doc_->AvisoError(document::FalloLectura::ArchivoIncorrecto, otros.front());
    else if (otros.size() > 1)
        avisa(MensajeNoColecciones(otros), QStringLiteral("Error"));
}

void FormMain::Timer6_Timer() {
    Timer6->stop();
    if (NoMostrarInicio || LineaComandos) return;
    FormIniOpt inicio(this, s_.ajustes, programDataFolder(), NoMostrarInicio, ComandoInicio);
    inicio.exec();
    mnu_Ver_WIN_INI->setChecked(inicio.Mostrar());
    reactiva();
    if (ComandoInicio.startsWith(QStringLiteral("OPEN:"))) {
        const QString ruta = ComandoInicio.mid(5);
        if (QFileInfo(ruta).isFile()) abre(ruta);
    } else if (ComandoInicio == u"OPEN?:") {
        mnu_File_Open_Click();
    } else if (ComandoInicio == u"WIZARD:") {
        mnu_File_New_Click();
    }
}

// The page box takes drops of ".COL" files. A drag over it only decides whether it may end
// there; the files named by a command line still pending are not touched.
bool FormMain::arrastre(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDragMoveEvent*>(event);
        if (AceptaArrastre(e->mimeData()->urls()))
            e->acceptProposedAction();
        else
            e->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        const QStringList archivos = ArchivosSoltados(e->mimeData()->urls());
        if (archivos.isEmpty()) return true;
        e->acceptProposedAction();
        ArchivosComando = archivos;
        OpenDRAGDROPFiles_Command();
        return true;
    }
    default:
        return false;
    }
}

} // namespace vornith::mainwindow
