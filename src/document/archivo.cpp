#include "document/disco_coleccion.h"
#include "document/documento.h"

namespace vornith::document {

void Documento::NoColeccion(bool conservarDeshacer) {
    d.Coleccion.NPROB = 0;
    s_.cajaPagina.clear();
    d.PaginaActual = 1;
    s_.ventana.PonEtiquetaPagina(QString());
    s_.ventana.PonTitulo(s_.ventana.TituloAplicacion());
    d.Modificado = false;
    d.ArchivoActual.clear();
    if (!conservarDeshacer) d.Undo.Hay = false;
    d.Redo.Hay = false;
    d.NumBloques = 0;
    s_.cursor.setBusy(false);
    s_.ventana.NoColeccion(d.Undo.Hay);
    MostrarDeshacer();
    s_.ventana.ActualizarBotones();
}

void Documento::AvisoError() {
    s_.cursor.setBusy(false);
    s_.avisos.ask(QStringLiteral("El Archivo es incorrecto"), QStringLiteral("Error"),
                  Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    NoColeccion();
}

bool Documento::SaveFile() {
    const ErrorGuardado error =
        GuardaColeccion(d.ArchivoActual, d.Coleccion, d.Problemas, s_.carpetas);
    if (!error.hayError()) {
        d.Modificado = false;
        return true;
    }
    s_.cursor.setBusy(false);
    s_.avisos.ask(MensajeErrorGuardado(error, d.ArchivoActual), s_.ventana.TituloAplicacion(),
                  Notifier::Buttons::Ok, Notifier::Icon::Critical);
    if (error.Tipo == FalloGuardado::ProtegidoContraEscritura) s_.ventana.GuardarComo();
    return false;
}

void Documento::OpenFile() {
    if (!TieneExtensionCol(d.ArchivoActual)) {
        d.ArchivoActual.clear();
        return;
    }
    s_.cursor.setBusy(true);
    // Read whole into a new object: the open collection is only replaced by a good one.
    LecturaColeccion lectura = AbreArchivoColeccion(d.ArchivoActual);
    switch (lectura.Fallo) {
    case FalloLectura::Ninguno:
        break;
    case FalloLectura::ErrorAlAbrir:
        s_.cursor.setBusy(false);
        s_.avisos.ask(MensajeErrorLectura(lectura.Fallo), s_.ventana.TituloAplicacion(),
                      Notifier::Buttons::Ok, Notifier::Icon::None);
        NoColeccion();
        return;
    default:
        AvisoError();
        return;
    }
    ExtraeImagenes(lectura.Datos.Imagenes, s_.carpetas);

    d.Coleccion = lectura.Datos.Coleccion;
    d.Problemas = std::move(lectura.Datos.Problemas);
    s_.ventana.ActualizaMenusCheckeados();
    ComponerColeccion(1);
    d.Modificado = false;
    s_.ventana.PonTitulo(TituloConArchivo(s_.ventana.TituloAplicacion(), d.ArchivoActual));
    s_.ventana.AnadeReciente(d.ArchivoActual);
    s_.cursor.setBusy(false);
    s_.ventana.HayColeccion();
    SetUNDO(QString());
    s_.ventana.ActualizarBotones();
}

} // namespace vornith::document
