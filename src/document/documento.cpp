#include "document/documento.h"

#include "document/creacion.h"
#include "generation/me_norv.h"
#include "platform/titulo_programa.h"

#include <cmath>

namespace vornith::document {

Documento::Documento(ServiciosColeccion servicios) : s_(std::move(servicios)) {}

QString TituloConArchivo(const QString& tituloAplicacion, const QString& ruta) {
    const qsizetype barra = std::max(ruta.lastIndexOf(u'/'), ruta.lastIndexOf(u'\\'));
    return tituloAplicacion + QStringLiteral("  -  ") + ruta.mid(barra + 1);
}

void Documento::PonCabecera(const DatosColeccion& cabecera) {
    const int nprob = d.Coleccion.NPROB;
    d.Coleccion = cabecera;
    d.Coleccion.NPROB = nprob;
}

void Documento::PonPaginaActual(int pagina) {
    d.PaginaActual = static_cast<std::int16_t>(std::clamp(pagina, 1, 32767));
}

void Documento::PonZoom(double zoom) {
    s_.motor.Zoom = zoom;
}

int Documento::Arbol_to_Var(ListaTemas& temas) {
    const int omitidos =
        document::Arbol_to_Var(temas, d.Coleccion, d.Problemas, s_.generacion.Azar);
    d.ImagenesOmitidasAvisadas.clear();
    d.ImagenesNoLeidas.clear();
    s_.ventana.ActualizaMenusCheckeados();
    return omitidos;
}

void Documento::CrearColeccion(int IDProb) {
    if (d.Coleccion.NPROB <= 0 || d.Ocupado) return;
    s_.cursor.setBusy(true);
    s_.ventana.EstadoGenerando();
    d.ProblemasCortados.clear(); // new texts: told again
    const int n = std::min(d.Coleccion.NPROB, kMaxProblemas);
    if (!d.Coleccion.ORDENA) BarajarGenerables(d.Problemas, n, s_.generacion.Azar);
    for (int i = 1; i <= n; ++i) {
        Problema& p = d.Problemas[i];
        // Another module's problem keeps the texts it came with.
        if (!generation::GeneraModulo(p.Clave)) continue;
        generation::GeneraPorModulo(s_.generacion, p.Clave, generation::IdProblema(p), p.Enunciado,
                                    p.Solucion);
    }
    ComponerColeccion(IDProb);
    d.ArchivoActual.clear();
    s_.ventana.PonTitulo(s_.ventana.TituloAplicacion());
    d.Modificado = true;
    s_.cursor.setBusy(false);
}

void Documento::RegenerarColeccion() {
    if (d.Coleccion.NPROB <= 0 || d.Ocupado) return;
    const int n = std::min(d.Coleccion.NPROB, kMaxProblemas);
    const int sinRegenerar = NoGenerables(d.Problemas, n);
    const auto avisa = [&] {
        if (sinRegenerar > 0)
            s_.avisos.ask(MensajeSinRegenerar(sinRegenerar), TituloPrograma(),
                          Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
    };
    if (sinRegenerar == n) {
        avisa(); // nothing changes, nothing to undo
        return;
    }
    SetUNDO(QStringLiteral("regenerar colección"));
    RandomSource& azar = s_.generacion.Azar;
    azar.reseedFromClock();
    // One shift of both seeds for the whole collection keeps each row's seeds consecutive.
    const double dB = static_cast<double>(azar.next()) * 9000;
    const double dA = static_cast<double>(azar.next()) * 900;
    const auto desplaza = [](int semilla, double delta, int tope) {
        int v = static_cast<int>(std::nearbyint(semilla + delta));
        if (v >= tope) v -= tope;
        return static_cast<std::int16_t>(v);
    };
    for (int i = 1; i <= n; ++i) {
        Problema& p = d.Problemas[i];
        if (!generation::GeneraModulo(p.Clave)) continue;
        p.SemillaB = desplaza(p.SemillaB, dB, 9000);
        p.SemillaA = desplaza(p.SemillaA, dA, 900);
    }
    CrearColeccion(0);
    s_.ventana.ActualizarBotones();
    avisa();
}

} // namespace vornith::document
