#include "document/disco_coleccion.h"
#include "document/documento.h"
#include "document/imagenes_pegadas.h"
#include "document/texto_portapapeles.h"
#include "platform/picture.h"

#include <QSet>

namespace vornith::document {

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
    s_.ventana.PegarHabilitado(true);
    s_.ventana.ActualizarBotones();
}

// Each picture keeps its name unless the collection names it already for other bytes (or for a
// picture it lacks): it then takes the first other name that holds the same bytes or is free,
// and the problem's texts are changed to match. New bytes are kept for saves and put into the
// collection's folder for display.
void Documento::AcogeImagenes(Problema& problema, const std::vector<ImagenColeccion>& imagenes) {
    constexpr int kNombresProbados = 1000;
    const FuenteImagenes fuente = FuenteImagenesColeccion();
    QSet<QString> nombradas; // case-folded, as pictures are looked up
    for (const QString& nombre : ImagenesNombradas(d.Coleccion, d.Problemas))
        nombradas.insert(nombre.toCaseFolded());
    std::vector<ImagenColeccion> nuevas;
    for (const ImagenColeccion& imagen : imagenes) {
        if (imagen.datos.isEmpty()) continue;
        for (int n = 1; n <= kNombresProbados; ++n) {
            const QString nombre = NombreAlternativo(imagen.nombre, n);
            if (nombre.isEmpty()) break;
            const std::optional<QByteArray> actual = fuente(nombre);
            const bool igual = actual && *actual == imagen.datos;
            if (!igual && (actual || nombradas.contains(nombre.toCaseFolded()))) continue;
            if (!igual) {
                d.Imagenes.Anade(nombre, imagen.datos);
                nuevas.push_back({nombre, imagen.datos});
            }
            if (nombre != imagen.nombre) {
                problema.Enunciado = RenombraImagen(problema.Enunciado, imagen.nombre, nombre);
                problema.Solucion = RenombraImagen(problema.Solucion, imagen.nombre, nombre);
            }
            break;
        }
    }
    if (nuevas.empty()) return;
    if (!carpetaImagenes_) {
        carpetaImagenes_ = CarpetaImagenes::Nueva(s_.carpetas.temp);
        if (carpetaImagenes_ && s_.motor.pictures)
            s_.motor.pictures->useFolder(carpetaImagenes_->ruta());
    }
    // Without a folder they show as placeholders, and are saved all the same.
    if (carpetaImagenes_) ExtraeImagenes(nuevas, CarpetasColeccion());
}

void Documento::Pegar() {
    int& n = d.Coleccion.NPROB;
    if (d.Ocupado || d.NumBloques == 0 || n == 0 || !s_.portapapeles.hasText() ||
        n + 1 > kMaxProblemas)
        return;
    auto pegado = LeeTextoPortapapeles(s_.portapapeles.text());
    if (!pegado) {
        s_.ventana.PegarHabilitado(false);
        return;
    }
    const int seleccionado = NumSeleccionados() > 0 ? ProblemaSeleccionado() : 0;
    const int p = seleccionado > 0 ? seleccionado : 1;
    const int scroll = s_.ventana.PosicionScroll();
    AcogeImagenes(*pegado, ImagenesPortapapeles(s_.portapapeles.data(), *pegado));
    SetUNDO(QStringLiteral("pegar"));
    for (int i = n; i >= p; --i)
        d.Problemas[i + 1] = d.Problemas[i];
    ++n;
    d.Problemas[p] = *pegado;
    s_.ventana.ActualizarBotones();
    ComponerColeccion(p);
    if (seleccionado > 0) s_.ventana.PonPosicionScroll(scroll);
}

void Documento::SondeaPortapapeles() {
    const bool copiado = s_.portapapeles.hasText() && EsTextoPortapapeles(s_.portapapeles.text());
    if (s_.ventana.PegarEstaHabilitado() != copiado) {
        s_.ventana.PegarHabilitado(copiado);
        s_.ventana.ActualizarBotones();
    }
}

} // namespace vornith::document
