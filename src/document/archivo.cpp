#include "document/disco_coleccion.h"
#include "document/documento.h"
#include "document/imagenes_perdidas.h"
#include "platform/picture.h"
#include "platform/titulo_programa.h"

#include <QFileInfo>
#include <QSet>

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

bool Documento::SaveFile(const QString& ruta) {
    if (d.Ocupado) return false;
    // Pictures the opened file could not give, still named and still missing, are left out.
    QStringList omitidas;
    if (!d.ImagenesPerdidas.isEmpty()) {
        omitidas = ImagenesQueFaltan(d.Coleccion, d.Problemas, CarpetasColeccion());
        const QSet<QString> perdidas(d.ImagenesPerdidas.begin(), d.ImagenesPerdidas.end());
        omitidas.removeIf(
            [&perdidas](const QString& nombre) { return !perdidas.contains(nombre); });
    }
    const ErrorGuardado error =
        GuardaColeccion(ruta, d.Coleccion, d.Problemas, CarpetasColeccion(), omitidas);
    if (!error.hayError()) {
        d.ArchivoActual = ruta;
        d.Modificado = false;
        if (!omitidas.isEmpty() && !d.ImagenesPerdidasAvisadas) {
            d.ImagenesPerdidasAvisadas = true;
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
    // The file's pictures go to a folder of their own, which takes the place of the folder of
    // the file opened before: no picture of another file is shown or saved as this one's.
    std::unique_ptr<CarpetaImagenes> carpeta = CarpetaImagenes::Nueva(s_.carpetas.temp);
    const ResultadoExtraccion extraidas = ExtraeImagenes(
        lectura.Datos.Imagenes, {s_.carpetas.img, carpeta ? carpeta->ruta() : QString()});
    carpetaImagenes_ = std::move(carpeta);
    if (s_.motor.pictures) s_.motor.pictures->useFolder(CarpetasColeccion().temp);

    d.Coleccion = lectura.Datos.Coleccion;
    d.Problemas = std::move(lectura.Datos.Problemas);
    d.ArchivoActual = ruta;
    d.ImagenesPerdidas = ImagenesQueFaltan(d.Coleccion, d.Problemas, CarpetasColeccion());
    // Names no file system of the common ones could hold are no pictures.
    for (const QString& nombre : lectura.Datos.ImagenesRechazadas) {
        if (!d.ImagenesPerdidas.contains(nombre)) d.ImagenesPerdidas.append(nombre);
    }
    d.ImagenesPerdidasAvisadas = false;
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
    if (!d.ImagenesPerdidas.isEmpty())
        s_.avisos.ask(MensajeImagenesNoLeidas(d.ImagenesPerdidas) + CausaExtraccion(extraidas),
                      TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    return true;
}

} // namespace vornith::document
