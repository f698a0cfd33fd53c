#include "document/disco_coleccion.h"
#include "document/documento.h"
#include "document/imagenes_pegadas.h"
#include "document/imagenes_perdidas.h"
#include "document/texto_portapapeles.h"
#include "platform/picture.h"
#include "platform/picture_files.h"
#include "platform/titulo_programa.h"

namespace vornith::document {

namespace {

// What Pegar says of a read that brought nothing to paste; empty for one that brought text.
QString AvisoLectura(ClipboardRead::Outcome resultado) {
    using enum ClipboardRead::Outcome;
    switch (resultado) {
    case NoAnswer:
        return QStringLiteral("No se puede pegar: el programa que tiene el contenido del "
                              "portapapeles no responde. Vuelva a intentarlo más tarde.");
    case Slow:
        return QStringLiteral("El programa que tiene el portapapeles tarda demasiado en enviar su "
                              "contenido. No se ha pegado nada.");
    case TooBig:
        return QStringLiteral("El contenido del portapapeles es demasiado grande para pegarlo.");
    case Unreadable:
        return QStringLiteral("No se puede pegar: el contenido del portapapeles no se puede leer.");
    case Read:
        break;
    }
    return {};
}

} // namespace

void Documento::Copiar() {
    if (d.Ocupado || d.NumBloques == 0 || d.Coleccion.NPROB == 0) return;
    if (NumSeleccionados() != 1) return;
    const int s = ProblemaSeleccionado();
    if (s == 0) return;
    const Problema& problema = d.Problemas[s];
    s_.portapapeles.clear();
    // Its pictures go with it, for a paste after this file is closed or in another instance.
    s_.portapapeles.setTextAndData(TextoPortapapeles(problema),
                                   DatosPortapapeles(problema, FuenteImagenesColeccion()));
    SiguePortapapeles(true);
}

void Documento::MuestraImagenesPegadas(const std::vector<ImagenColeccion>& nuevas) {
    if (nuevas.empty()) return;
    for (const ImagenColeccion& imagen : nuevas)
        d.Imagenes.Anade(imagen.nombre, imagen.datos);
    QString motivo;
    if (!carpetaImagenes_) {
        carpetaImagenes_ = CarpetaImagenes::Nueva(s_.carpetas.temp, &motivo);
        if (carpetaImagenes_ && s_.motor.pictures)
            s_.motor.pictures->useFolder(carpetaImagenes_->ruta());
    }
    // What the folder cannot hold shows as the placeholder, and is saved all the same.
    const QString carpeta = carpetaImagenes_ ? carpetaImagenes_->ruta() : QString();
    ResultadoExtraccion extraidas;
    QStringList sinMostrar;
    if (carpetaImagenes_) {
        extraidas = ExtraeImagenes(nuevas, CarpetasColeccion());
        sinMostrar = extraidas.Fallidas + extraidas.Omitidas;
    } else {
        for (const ImagenColeccion& imagen : nuevas)
            sinMostrar.append(imagen.nombre);
    }
    if (!sinMostrar.isEmpty())
        s_.avisos.ask(MensajeImagenesSinMostrar(sinMostrar, true) +
                          CausaExtraccion(extraidas, carpeta, motivo),
                      TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
}

void Documento::Pegar() {
    int& n = d.Coleccion.NPROB;
    if (d.Ocupado || d.NumBloques == 0 || n == 0 || n + 1 > kMaxProblemas) return;
    // What the clipboard holds now, which a change notice may not have told yet. An owner that
    // does not answer, or sends too slowly, keeps Paste available; content too big, or text that
    // cannot be read, turns it off until the next change.
    // The program's data are taken up to the bound of the collection reader, which reads them.
    ClipboardRead leido = s_.portapapeles.content(kMaxBytesArchivo);
    using enum ClipboardRead::Outcome;
    if (const QString aviso = AvisoLectura(leido.outcome); !aviso.isEmpty()) {
        if (leido.outcome == TooBig || leido.outcome == Unreadable) SiguePortapapeles(false);
        s_.avisos.ask(aviso, TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
        return;
    }
    std::optional<Problema> pegado =
        leido.outcome == Read ? LeeTextoPortapapeles(leido.content.text) : std::nullopt;
    SiguePortapapeles(pegado.has_value());
    if (!pegado) return;
    // Every picture's name is decided before any tag is renamed, and each tag is renamed once.
    // The names its texts give are read once; only plain file names can be pictures.
    const QStringList nombradas = ImagenesDelProblema(*pegado, false);
    QStringList delPegado = nombradas;
    delPegado.removeIf([](const QString& nombre) { return !isPlainFileName(nombre); });
    // Damaged data name every picture, img/'s too: the stock one shows in place of the carried.
    // The data go once their pictures are copied out, before a picture shown is read again from
    // its file.
    const std::optional<std::vector<ImagenColeccion>> leidas =
        leido.content.dataDamaged ? std::nullopt
                                  : ImagenesPortapapeles(std::move(leido.content.data), delPegado);
    const std::vector<ImagenColeccion> traidas = leidas.value_or(std::vector<ImagenColeccion>());
    const QStringList noTraidas =
        ImagenesNoTraidas(nombradas, traidas, s_.carpetas.img, leidas.has_value());
    const AcogidaImagenes acogida = AcogeImagenes(
        traidas, delPegado, ImagenesNombradas(d.Coleccion, d.Problemas), FuenteImagenesColeccion());
    if (!acogida.sinNombre.isEmpty()) {
        s_.avisos.ask(QStringLiteral("No se puede pegar el problema: la colección ya tiene otra "
                                     "imagen llamada «") +
                          acogida.sinNombre +
                          QStringLiteral("» y no queda ningún otro nombre para la suya."),
                      TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
        return;
    }
    pegado->Enunciado = RenombraImagenes(pegado->Enunciado, acogida.nombres);
    pegado->Solucion = RenombraImagenes(pegado->Solucion, acogida.nombres);
    const int seleccionado = NumSeleccionados() > 0 ? ProblemaSeleccionado() : 0;
    const int p = seleccionado > 0 ? seleccionado : 1;
    const int scroll = s_.ventana.PosicionScroll();
    SetUNDO(QStringLiteral("pegar"));
    for (int i = n; i >= p; --i)
        d.Problemas[i + 1] = d.Problemas[i];
    ++n;
    d.Problemas[p] = *pegado;
    MuestraImagenesPegadas(acogida.nuevas);
    s_.ventana.ActualizarBotones();
    ComponerColeccion(p);
    if (seleccionado > 0) s_.ventana.PonPosicionScroll(scroll);
    if (!noTraidas.isEmpty())
        s_.avisos.ask(MensajeImagenesNoTraidas(noTraidas, !leidas.has_value()), TituloPrograma(),
                      Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
}

void Documento::PortapapelesCambiado() {
    // Read without waiting; an owner that does not answer, or sends too slowly, leaves Paste
    // available, and Pegar asks again. Text too long to be a problem's is not kept.
    s_.portapapeles.readText([this](const ClipboardRead& leido) {
        using enum ClipboardRead::Outcome;
        SiguePortapapeles(leido.outcome == NoAnswer || leido.outcome == Slow ||
                          (leido.outcome == Read && EsTextoPortapapeles(leido.content.text)));
    });
}

void Documento::SiguePortapapeles(bool copiado) {
    hayProblemaCopiado_ = copiado;
    s_.ventana.PegarHabilitado(PegarDisponible());
    s_.ventana.ActualizarBotones();
}

} // namespace vornith::document
