// The selection of one block on the displayed page.

#include "document/documento.h"

#include <algorithm>

namespace vornith::document {

// Page-box twips compared in single precision, as the view hands them over.
int Documento::BloqueEn(float y) const {
    const textengine::EstadoMotor& m = s_.motor;
    for (int n = 1; n <= std::min(m.NumBloquesPagina, textengine::kMaxBloquesPagina); ++n)
        if (static_cast<float>(m.BloqueY1[n]) <= y && y <= static_cast<float>(m.BloqueY2[n]))
            return n;
    return 0;
}

// Inverting the block a second time restores the page under it.
void Documento::InvierteBloque(int n) {
    const textengine::EstadoMotor& m = s_.motor;
    Surface& caja = s_.cajaPagina;
    const auto izquierda = static_cast<float>(m.MargenIzqPagina);
    const auto derecha =
        static_cast<float>(caja.widthPixels() * caja.twipsPerPixelX() - m.MargenDerPagina);
    caja.invertBox(izquierda, static_cast<float>(m.BloqueY1[n]), derecha,
                   static_cast<float>(m.BloqueY2[n]));
}

void Documento::Selecciona(int bloque) {
    if (bloque < 1 || bloque > std::min(s_.motor.NumBloquesPagina, textengine::kMaxBloquesPagina))
        return;
    QuitaSeleccion();
    InvierteBloque(bloque);
    s_.motor.BloqueSel[bloque] = true;
}

void Documento::QuitaSeleccion() {
    textengine::EstadoMotor& m = s_.motor;
    for (int n = 1; n <= std::min(m.NumBloquesPagina, textengine::kMaxBloquesPagina); ++n) {
        if (!m.BloqueSel[n]) continue;
        InvierteBloque(n);
        m.BloqueSel[n] = false;
    }
}

} // namespace vornith::document
