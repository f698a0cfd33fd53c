#include "document/disco_coleccion.h"
#include "document/documento.h"
#include "document/imagenes_perdidas.h"
#include "platform/picture.h"
#include "platform/titulo_programa.h"

#include <QFileInfo>

namespace vornith::document {

void Documento::NoColeccion(bool conservarDeshacer) {
    d.Coleccion.NPROB = 0;
    s_.cajaPagina.clear();
    d.PaginaActual = 1;
    s_.ventana.PonEtiquetaPagina(QString());
    s_.ventana.PonTitulo(s_.ventana.TituloAplicacion());
    d.Modificado = false;
    d.ArchivoActual.clear();
    if (!conservarDeshacer) {
        d.Undo.Hay = false;
        d.Redo.Hay = false;
    }
    d.NumBloques = 0;
    s_.cursor.setBusy(false);
    s_.ventana.NoColeccion(d.Undo.Hay || d.Redo.Hay);
    MostrarDeshacer();
    s_.ventana.ActualizarBotones();
}

void Documento::AvisoError(FalloLectura fallo, const QString& ruta) {
    s_.cursor.setBusy(false);
    const QString archivo = QStringLiteral("\r\nNombre archivo: ") + ruta;
    if (!QFileInfo::exists(ruta)) {
        s_.avisos.ask(QStringLiteral("El archivo no existe.") + archivo, TituloPrograma(),
                      Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    } else if (fallo == FalloLectura::ErrorAlAbrir) {
        s_.avisos.ask(MensajeErrorLectura(fallo) + archivo, TituloPrograma(), Notifier::Buttons::Ok,
                      Notifier::Icon::None);
    } else {
        s_.avisos.ask(MensajeErrorLectura(fallo) + archivo, QStringLiteral("Error"),
                      Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    }
}

PictureFolders Documento::CarpetasColeccion() const {
    return {s_.carpetas.img, carpetaImagenes_ ? carpetaImagenes_->ruta() : QString()};
}

FuenteImagenes Documento::FuenteImagenesColeccion() const {
    return FuenteColeccion(s_.carpetas.img, d.Imagenes);
}

bool Documento::SaveFile(const QString& ruta) {
    if (d.Ocupado) return false;
    QList<ImagenOmitida> omitidas;
    const ErrorGuardado error = GuardaColeccion(ruta, s_.datosPrograma.folder(), d.Coleccion,
                                                d.Problemas, FuenteImagenesColeccion(), &omitidas);
    if (!error.hayError()) {
        d.ArchivoActual = ruta;
        d.Modificado = false;
        for (ImagenOmitida& imagen : omitidas) {
            if (imagen.motivo == MotivoOmision::NoEncontrada &&
                d.ImagenesNoLeidas.contains(imagen.nombre.toCaseFolded()))
                imagen.motivo = MotivoOmision::NoLeida;
        }
        // Each picture left out is named once, not at every save.
        omitidas.removeIf([this](const ImagenOmitida& imagen) {
            return d.ImagenesOmitidasAvisadas.contains(imagen.nombre);
        });
        if (!omitidas.isEmpty()) {
            for (const ImagenOmitida& imagen : omitidas)
                d.ImagenesOmitidasAvisadas.insert(imagen.nombre);
            s_.avisos.ask(MensajeGuardadaSinImagenes(omitidas), TituloPrograma(),
                          Notifier::Buttons::Ok, Notifier::Icon::Information);
        }
        return true;
    }
    s_.cursor.setBusy(false);
    s_.avisos.ask(MensajeErrorGuardado(error, ruta), TituloPrograma(), Notifier::Buttons::Ok,
                  Notifier::Icon::Critical);
    if (error.Tipo == FalloGuardado::ProtegidoContraEscritura) s_.ventana.GuardarComo();
    return false;
}

bool Documento::OpenFile(const QString& ruta) {
    if (d.Ocupado || !TieneExtensionCol(ruta)) return false;
    // The commands stay out while the file is read and composed.
    const Ocupacion ocupado(d.Ocupado);
    s_.cursor.setBusy(true);
    // Read and checked whole into a new object: a file that fails leaves the open collection,
    // its file name, caption, pages and undo point as they were.
    LecturaColeccion lectura = AbreArchivoColeccion(ruta);
    if (lectura.Fallo != FalloLectura::Ninguno) {
        AvisoError(lectura.Fallo, ruta);
        return false;
    }
    s_.ventana.EstadoGenerando();
    // The file's pictures are kept whole for saves and copies, and put for display into a folder
    // of their own, which takes the place of the folder of the file opened before: no picture of
    // another file is shown or saved as this one's.
    QString motivo;
    std::unique_ptr<CarpetaImagenes> carpeta = CarpetaImagenes::Nueva(s_.carpetas.temp, &motivo);
    const QString vista = carpeta ? carpeta->ruta() : QString();
    const ResultadoExtraccion extraidas =
        ExtraeImagenes(lectura.Datos.Imagenes, {s_.carpetas.img, vista});
    carpetaImagenes_ = std::move(carpeta);
    if (s_.motor.pictures) s_.motor.pictures->useFolder(vista);
    d.Imagenes.Vacia();
    for (const ImagenColeccion& imagen : lectura.Datos.Imagenes) {
        // An empty picture is none, as on disk.
        if (!imagen.datos.isEmpty()) d.Imagenes.Anade(imagen.nombre, imagen.datos);
    }

    d.Coleccion = lectura.Datos.Coleccion;
    d.Problemas = std::move(lectura.Datos.Problemas);
    d.ArchivoActual = ruta;
    RepasoImagenes repaso =
        RepasaImagenes(d.Coleccion, d.Problemas, s_.carpetas.img, d.Imagenes, vista);
    d.ImagenesNoLeidas.clear();
    if (lectura.Datos.DirectorioDanado) {
        for (const QString& nombre : repaso.perdidas)
            d.ImagenesNoLeidas.insert(nombre.toCaseFolded());
    }
    // Names no file system of the common ones could hold are no pictures.
    for (const QString& nombre : lectura.Datos.ImagenesRechazadas) {
        if (!repaso.perdidas.contains(nombre)) repaso.perdidas.append(nombre);
    }
    d.ImagenesOmitidasAvisadas.clear();
    d.ProblemasCortados.clear();
    s_.ventana.ActualizaMenusCheckeados();
    ComponerColeccion(1);
    d.Modificado = false;
    s_.ventana.PonTitulo(TituloConArchivo(s_.ventana.TituloAplicacion(), d.ArchivoActual));
    s_.ventana.AnadeReciente(d.ArchivoActual);
    s_.cursor.setBusy(false);
    s_.ventana.HayColeccion();
    SetUNDO(QString());
    s_.ventana.ActualizarBotones();
    QStringList aviso;
    if (!repaso.perdidas.isEmpty()) aviso.append(MensajeImagenesNoLeidas(repaso.perdidas));
    if (!repaso.sinMostrar.isEmpty())
        aviso.append(MensajeImagenesSinMostrar(repaso.sinMostrar) +
                     CausaExtraccion(extraidas, vista, motivo));
    if (!aviso.isEmpty())
        s_.avisos.ask(aviso.join(QStringLiteral("\r\n\r\n")), TituloPrograma(),
                      Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    return true;
}

} // namespace vornith::document
