#include "document/documento.h"

namespace vornith::document {

namespace {

// Copies header and problems 1..NPROB; entries beyond are left as they were.
void Copia(const DatosColeccion& c, const TablaProblemas& p, DatosColeccion& destinoC,
           TablaProblemas& destinoP) {
    destinoC = c;
    const int n = std::clamp(c.NPROB, 0, kMaxProblemas);
    std::copy(p.begin() + 1, p.begin() + 1 + n, destinoP.begin() + 1);
}

} // namespace

QString Documento::TituloDeshacer(const PuntoRestauracion& undo) {
    return undo.Hay ? QStringLiteral("Deshacer ") + undo.Descripcion
                    : QStringLiteral("No se puede deshacer");
}

QString Documento::TituloRehacer(const PuntoRestauracion& redo) {
    return redo.Hay ? QStringLiteral("Rehacer ") + redo.Descripcion
                    : QStringLiteral("No se puede rehacer");
}

void Documento::MostrarDeshacer() {
    s_.ventana.EstadoDeshacer(TituloDeshacer(d.Undo), d.Undo.Hay, TituloRehacer(d.Redo),
                              d.Redo.Hay);
}

void Documento::SetUNDO(const QString& descripcion) {
    d.Redo.Hay = false;
    d.Redo.Descripcion.clear();
    if (descripcion.isEmpty()) {
        d.Undo.Hay = false;
        d.Undo.Descripcion.clear();
    } else {
        Copia(d.Coleccion, d.Problemas, d.Undo.Coleccion, d.Undo.Problemas);
        d.Undo.Hay = true;
        d.Undo.Descripcion = descripcion;
    }
    MostrarDeshacer();
}

void Documento::Deshacer() {
    if (!d.Undo.Hay || d.Ocupado) return;
    Copia(d.Coleccion, d.Problemas, d.Redo.Coleccion, d.Redo.Problemas);
    const QString descripcion = d.Undo.Descripcion;
    d.Coleccion = d.Undo.Coleccion;
    if (d.Coleccion.NPROB == 0) {
        // Back to no collection; Redo brings the collection back.
        d.Undo.Hay = false;
        d.Undo.Descripcion.clear();
        d.Redo.Hay = true;
        d.Redo.Descripcion = descripcion;
        NoColeccion(true);
        return;
    }
    Copia(d.Undo.Coleccion, d.Undo.Problemas, d.Coleccion, d.Problemas);
    const bool habiaColeccion = d.Redo.Coleccion.NPROB > 0;
    if (!habiaColeccion) s_.ventana.HayColeccion();
    ComponerColeccion(0);
    SetUNDO(QString());
    d.Redo.Hay = true;
    d.Redo.Descripcion = descripcion;
    MostrarDeshacer();
    s_.ventana.ActualizarBotones();
}

void Documento::Rehacer() {
    if (!d.Redo.Hay || d.Ocupado) return;
    const QString descripcion = d.Redo.Descripcion;
    // SetUNDO discards the redo point: keep it until it is restored.
    const PuntoRestauracion redo = d.Redo;
    SetUNDO(descripcion);
    Copia(redo.Coleccion, redo.Problemas, d.Coleccion, d.Problemas);
    if (d.Coleccion.NPROB == 0) {
        NoColeccion(true);
    } else {
        if (d.Undo.Coleccion.NPROB == 0) s_.ventana.HayColeccion();
        ComponerColeccion(0);
    }
    s_.ventana.ActualizarBotones();
}

} // namespace vornith::document
