#include "document/creacion.h"
#include "document/documento.h"
#include "generation/me_norv.h"
#include "platform/titulo_programa.h"

namespace vornith::document {

int Documento::NumSeleccionados() const {
    const textengine::EstadoMotor& m = s_.motor;
    int n = 0;
    for (int j = 1; j <= std::min(m.NumBloquesPagina, textengine::kMaxBloquesPagina); ++j)
        n += m.BloqueSel[j] ? 1 : 0;
    return n;
}

int Documento::ProblemaSeleccionado() const {
    const textengine::EstadoMotor& m = s_.motor;
    int problema = 0;
    for (int j = 1; j <= std::min(m.NumBloquesPagina, textengine::kMaxBloquesPagina); ++j) {
        const int ref = m.BloqueRef[j];
        if (m.BloqueSel[j] && ref >= 1 && ref <= d.NumBloques)
            problema = std::abs(d.TablaBloques[ref].NumProblema);
    }
    return problema >= 1 && problema <= d.Coleccion.NPROB ? problema : 0;
}

EstadoEdicion Documento::EstadoMenuEdicion() const {
    EstadoEdicion e;
    if (d.Coleccion.NPROB == 0) return e;
    const int n = NumSeleccionados();
    const int s = ProblemaSeleccionado();
    e.seleccion = n > 0 && s > 0;
    for (bool& m : e.mover)
        m = e.seleccion;
    if (n == 1 && s == 1) e.mover[0] = e.mover[2] = false;
    if (n == 1 && s == d.Coleccion.NPROB) e.mover[1] = e.mover[3] = false;
    return e;
}

bool Documento::PuedeEditar() const {
    return !d.Ocupado && d.NumBloques > 0 && d.Coleccion.NPROB > 0 && NumSeleccionados() == 1 &&
           ProblemaSeleccionado() > 0;
}

void Documento::FinEdicion() {
    s_.ventana.CortarCopiarHabilitado(false);
    s_.ventana.ActualizarBotones();
}

void Documento::Cortar() {
    if (!PuedeEditar()) return;
    Copiar();
    Borrar();
}

void Documento::Borrar() {
    if (!PuedeEditar()) return;
    const int s = ProblemaSeleccionado();
    SetUNDO(QStringLiteral("borrar"));
    int& n = d.Coleccion.NPROB;
    for (int i = s; i < n; ++i)
        d.Problemas[i] = d.Problemas[i + 1];
    --n;
    if (n == 0) {
        // The undo point stays: Undo brings the collection back.
        NoColeccion(true);
    } else {
        ComponerColeccion(std::min(s, n));
    }
    FinEdicion();
}

void Documento::RegeneraProblema(Problema& problema, int ProblemaVisible) {
    s_.cursor.setBusy(true);
    bool compuesta = false;
    try {
        s_.ventana.EstadoGenerando();
        generation::GeneraPorModulo(s_.generacion, problema.Clave, generation::IdProblema(problema),
                                    problema.Enunciado, problema.Solucion);
        ComponerColeccion(ProblemaVisible);
        compuesta = true; // the composition has given the window back
        d.ArchivoActual.clear();
        s_.ventana.PonTitulo(s_.ventana.TituloAplicacion());
        d.Modificado = true;
    } catch (...) {
        if (!compuesta) {
            s_.ventana.MuestraPagina();
            s_.ventana.HabilitaControles();
        }
        s_.cursor.setBusy(false);
        throw;
    }
    s_.cursor.setBusy(false);
}

bool Documento::AvisaSiNoGenerable(int s, const QString& mensaje) {
    if (generation::GeneraModulo(d.Problemas[s].Clave)) return false;
    s_.avisos.ask(mensaje, TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    return true;
}

void Documento::Regenerar(int s) {
    RegeneraProblema(d.Problemas[s], s);
}

void Documento::InsertarMismoTipo() {
    if (!PuedeEditar() || d.Coleccion.NPROB >= kMaxProblemas) return;
    const int s = ProblemaSeleccionado();
    if (AvisaSiNoGenerable(s, MensajeNoRegenerable())) return;
    SetUNDO(QStringLiteral("insertar problema del mismo tipo"));
    int& n = d.Coleccion.NPROB;
    for (int i = n; i >= s; --i)
        d.Problemas[i + 1] = d.Problemas[i];
    ++n;
    RandomSource& azar = s_.generacion.Azar;
    azar.reseedFromClock();
    d.Problemas[s].SemillaB = static_cast<std::int16_t>(Entero(azar, 9000));
    d.Problemas[s].SemillaA = static_cast<std::int16_t>(Entero(azar, 900));
    Regenerar(s);
    FinEdicion();
}

void Documento::Mover(int index) {
    if (!PuedeEditar() || index < 0 || index > 3) return;
    const int s = ProblemaSeleccionado();
    static const char* const descripciones[] = {"poner al principio", "poner al final",
                                                "mover hacia arriba", "mover hacia abajo"};
    const int destinos[] = {1, d.Coleccion.NPROB, s - 1, s + 1};
    const int destino = destinos[index];
    SetUNDO(QString::fromUtf8(descripciones[index]));
    if (MoverProblema(s, destino)) ComponerColeccion(destino);
    FinEdicion();
}

bool Documento::MoverProblema(int PosOrigen, int PosDestino) {
    const int n = d.Coleccion.NPROB;
    if (d.Ocupado || PosOrigen == PosDestino || PosOrigen < 1 || PosOrigen > n || PosDestino < 1 ||
        PosDestino > n)
        return false;
    const Problema copia = d.Problemas[PosOrigen];
    if (PosDestino > PosOrigen) {
        for (int i = PosOrigen + 1; i <= PosDestino; ++i)
            d.Problemas[i - 1] = d.Problemas[i];
    } else {
        for (int i = PosOrigen - 1; i >= PosDestino; --i)
            d.Problemas[i + 1] = d.Problemas[i];
    }
    d.Problemas[PosDestino] = copia;
    return true;
}

void Documento::RegenerarProblema() {
    if (!PuedeEditar()) return;
    const int s = ProblemaSeleccionado();
    if (AvisaSiNoGenerable(s, MensajeSinRegenerar(1))) return;
    SetUNDO(QStringLiteral("regenerar problema"));
    RandomSource& azar = s_.generacion.Azar;
    azar.reseedFromClock();
    d.Problemas[s].SemillaB = static_cast<std::int16_t>(Entero(azar, 9000));
    d.Problemas[s].SemillaA = static_cast<std::int16_t>(Entero(azar, 900));
    const int scroll = s_.ventana.PosicionScroll();
    Regenerar(s);
    s_.ventana.PonPosicionScroll(scroll);
    FinEdicion();
}

} // namespace vornith::document
