#include "document/composicion.h"
#include "document/documento.h"
#include "platform/measuring_surface.h"
#include "platform/titulo_programa.h"
#include "textengine/page_entry.h"

#include <algorithm>

namespace vornith::document {

namespace {

constexpr int kMaxPaginasFase = 500;
// Blocks offered to the engine per candidate page.
constexpr int kVentanaBloques = 49;

} // namespace

void Documento::ComponerColeccion(int ProblemaVisible) {
    const Ocupacion ocupado(d.Ocupado);
    ComponerBloques(
        d.Coleccion, d.Problemas, d.TablaBloques, d.NumBloques,
        [this](const QString& linea) { return AnchoLinea(linea); }, [this] { s_.eventos.yield(); });
    Paginar(ProblemaVisible);
    d.Modificado = true;
}

int Documento::PaginaDeProblema(int ProblemaVisible) const {
    if (ProblemaVisible != 0) {
        if (d.NumBloques < 1) return 1;
        const int buscado = std::abs(ProblemaVisible);
        for (int j = 1; j <= d.NumBloques; ++j) {
            if (std::abs(d.TablaBloques[j].NumProblema) == buscado) return d.TablaBloques[j].Pagina;
        }
        return 1;
    }
    return d.PaginaActual >= 1 && d.PaginaActual <= d.NumPaginas ? d.PaginaActual : 1;
}

void Documento::Paginar(int ProblemaVisible) {
    textengine::EstadoMotor& motor = s_.motor;
    const Ocupacion ocupado(d.Ocupado);
    s_.ventana.EstadoGenerando();
    // Candidate pages are laid out on a surface that measures like the page box and paints
    // nothing: the layout is the same, and the page on screen is left alone.
    MeasuringSurface medida(s_.cajaPagina);
    const DatosColeccion& c = d.Coleccion;

    int ultimoProblema = d.NumBloques;
    if (c.POSSOL == kSolucionesAparte) {
        for (int j = 1; j <= d.NumBloques; ++j) {
            if (d.TablaBloques[j].NumProblema < 0) {
                ultimoProblema = j - 1;
                break;
            }
        }
    }

    // Lays out a candidate page of `bloques`, as DibujaContenido draws it: a page number at the
    // top takes a blank first line, one at the bottom the room of a blank last line, in which
    // the drawn page prints it above the margin.
    struct Intento {
        int resultado; // MarcaResultado
        int cortado;   // BloqueCortado
        int bloques;   // blocks whose mark line was drawn
    };
    const auto mide = [&](const QString& bloques, bool conTitulo) {
        QString texto = bloques;
        if (conTitulo) texto.prepend(LineaTitulo(c.TITULO));
        if (c.POSNUMPAG != 0 && (c.POSNUMPAG & 8) == 0) texto.prepend(QStringLiteral(" &LF"));
        medida.clear();
        motor.MarcaResultado = 0;
        s_.eventos.yield();
        double tamano = motor.Zoom * 12;
        textengine::DibujaTextoFormateado(motor, texto, tamano, medida, (c.POSNUMPAG & 8) != 0);
        return Intento{motor.MarcaResultado, motor.BloqueCortado, motor.NumBloquesPagina};
    };

    d.PaginasSinTitulo.clear();
    QList<int> cortados; // problems whose block does not fit on a page
    int paginas = 0;
    // Places blocks first..last (those still without a page) from page `p` on; returns the
    // last page used.
    const auto fase = [&](int primero, int ultimo, int p) {
        int s = primero;
        for (int intentos = 0; intentos < kMaxPaginasFase; ++intentos, ++p) {
            while (s <= ultimo && d.TablaBloques[s].Pagina != 0)
                ++s;
            if (s > ultimo) return p - 1;
            const int fin = std::min(ultimo, s + kVentanaBloques - 1);
            QString bloques;
            for (int j = s; j <= fin; ++j) {
                if (d.TablaBloques[j].Pagina == 0) bloques += d.TablaBloques[j].Texto;
            }
            Intento intento = mide(bloques, !c.TITULO.isEmpty());
            // A title that leaves no room for block s whole: page 1 holds the title alone, and
            // a later page goes without it, when the block fits there without the title (or
            // the title fills the page by itself).
            if (!c.TITULO.isEmpty() && (intento.bloques == 0 || intento.cortado == s)) {
                const Intento sinTitulo = mide(bloques, false);
                if (intento.bloques == 0 || sinTitulo.cortado != s) {
                    if (p == 1) continue;
                    d.PaginasSinTitulo.append(p);
                    intento = sinTitulo;
                }
            }
            const int r = intento.resultado;
            if (const int k = intento.cortado; k >= 1 && k <= d.NumBloques) {
                const int problema = std::abs(d.TablaBloques[k].NumProblema);
                if (!cortados.contains(problema)) cortados.append(problema);
            }

            // The blocks s..hasta fitted on page p.
            int hasta = r > 0 ? std::min(r, fin) : std::min(-r, fin + 1) - 1;
            // A block taller than an empty page stands alone on its page (clipped).
            if (hasta < s) hasta = s;
            for (int j = s; j <= hasta; ++j) {
                if (d.TablaBloques[j].Pagina == 0) d.TablaBloques[j].Pagina = p;
            }
            s = hasta + 1;
            if (r < 0) s_.ventana.PonEtiquetaPagina(QStringLiteral("Pág. 1/%1").arg(p));
        }
        return p - 1;
    };

    paginas = fase(1, ultimoProblema, 1);
    if (c.POSSOL == kSolucionesAparte && ultimoProblema < d.NumBloques)
        paginas = fase(ultimoProblema + 1, d.NumBloques, paginas + 1);
    d.NumPaginas = std::max(1, paginas);

    d.PaginaActual = static_cast<std::int16_t>(PaginaDeProblema(ProblemaVisible));
    s_.ventana.PonPosicionScroll(0);
    s_.ventana.HabilitaControles();
    DibujaPagina();
    s_.ventana.MuestraPagina();
    AvisaProblemasCortados(cortados);
}

void Documento::AvisaProblemasCortados(const QList<int>& cortados) {
    // Told once: composing the same collection again says nothing new. Compared element by
    // element: QList<int>'s operator== hands memcmp a null pointer when one empty list has
    // storage (a cleared list keeps it) and the other none.
    if (std::ranges::equal(cortados, d.ProblemasCortados)) return;
    d.ProblemasCortados = cortados;
    if (cortados.isEmpty()) return;
    QStringList numeros; // as printed
    for (const int problema : cortados)
        numeros.append(QString::number(std::int64_t{d.Coleccion.PROINI} + problema - 1));
    s_.avisos.ask(QStringLiteral("El texto de estos problemas no cabe en una página: ") +
                      numeros.join(QStringLiteral(", ")) +
                      QStringLiteral(".\r\nEn la página se muestra cortado, con una nota en "
                                     "rojo; al imprimir sale igual."),
                  TituloPrograma(), Notifier::Buttons::Ok, Notifier::Icon::Exclamation);
}

} // namespace vornith::document
