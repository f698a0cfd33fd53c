#include "document/documento.h"
#include "document/texto_portapapeles.h"

namespace vornith::document {

void Documento::Copiar() {
    if (d.Ocupado || d.NumBloques == 0 || d.Coleccion.NPROB == 0) return;
    if (NumSeleccionados() != 1) return;
    const int s = ProblemaSeleccionado();
    if (s == 0) return;
    s_.portapapeles.clear();
    s_.portapapeles.setText(TextoPortapapeles(d.Problemas[s]));
    s_.ventana.PegarHabilitado(true);
    s_.ventana.ActualizarBotones();
}

void Documento::Pegar() {
    int& n = d.Coleccion.NPROB;
    if (d.Ocupado || d.NumBloques == 0 || n == 0 || !s_.portapapeles.hasText() || n + 1 > kMaxProblemas) return;
    const auto pegado = LeeTextoPortapapeles(s_.portapapeles.text());
    if (!pegado) {
        s_.ventana.PegarHabilitado(false);
        return;
    }
    const int seleccionado = NumSeleccionados() > 0 ? ProblemaSeleccionado() : 0;
    const int p = seleccionado > 0 ? seleccionado : 1;
    const int scroll = s_.ventana.PosicionScroll();
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
