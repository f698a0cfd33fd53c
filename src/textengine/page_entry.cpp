#include "textengine/page_entry.h"

#include "platform/event_loop.h"
#include "platform/printers.h"
#include "platform/surface.h"
#include "platform/units.h"
#include "textengine/line_processor.h"
#include "textengine/markup.h"

#include <algorithm>

namespace vornith::textengine {

namespace {

// Any ordinary 18-character sentence: only the ratio of its widths in two fonts is used.
const QString& fraseMuestra() {
    static const QString frase = QStringLiteral("La masa del cuerpo");
    return frase;
}

constexpr double kMaxSangriaMm = 1000;

double tamanoValido(double puntos) {
    return std::clamp(puntos, 1.0, 1000.0);
}

// The number after "#MARK=": every digit of it, so that a fourth digit counts.
int numeroDeMarca(const QString& linea) {
    qsizetype i = 6;
    while (i < linea.size() && linea[i] == u' ')
        ++i;
    int n = 0;
    for (int cifras = 0; i < linea.size() && linea[i] >= u'0' && linea[i] <= u'9' && cifras < 9;
         ++i, ++cifras)
        n = n * 10 + (linea[i].unicode() - u'0');
    return n;
}

// The seven font properties saved at the start of an output line.
struct EstadoFuente {
    explicit EstadoFuente(const Surface& d)
        : nombre(d.fontName()), tamano(d.fontSize()), cursiva(d.fontItalic()),
          negrita(d.fontBold()), color(d.foreColor()), subrayado(d.fontUnderline()),
          tachado(d.fontStrikethru()) {}
    void restaura(Surface& d) const {
        d.setFontName(nombre);
        d.setFontSize(tamano);
        d.setFontItalic(cursiva);
        d.setFontBold(negrita);
        d.setForeColor(color);
        d.setFontUnderline(subrayado);
        d.setFontStrikethru(tachado);
    }
    QString nombre;
    double tamano;
    bool cursiva;
    bool negrita;
    Rgb color;
    bool subrayado;
    bool tachado;
};

// The lines of a text, separated by "&LF", handed out one at a time: a page often fills up
// long before the end of the text it is offered. An empty text is one empty line, and a
// trailing "&LF" gives a last empty line.
class Lineas {
  public:
    explicit Lineas(QStringView texto) : texto_(texto) {}
    bool quedan() const { return desde_ >= 0; }
    QString siguiente() {
        const qsizetype inicio = desde_;
        const qsizetype fin = BuscaEtiqueta(texto_, u"&LF", inicio);
        desde_ = fin < 0 ? -1 : fin + 3;
        return texto_.mid(inicio, fin < 0 ? -1 : fin - inicio).toString();
    }

  private:
    QStringView texto_;
    qsizetype desde_ = 0; // the start of the next line; -1 after the last
};

// The margins of the surface, and the usable page of kAnchoUtilPagina x kAltoUtilPagina
// inside them: times Zoom on the page box, as it stands on the printer.
void fijaGeometria(EstadoMotor& m, const Surface& d) {
    if (d.kind() == SurfaceKind::PageBox) {
        const double margen = kMargenPaginaMm * kTwipsPerMm * m.Zoom;
        m.MargenIzqPagina = margen;
        m.MargenDerPagina = margen;
        m.MargenSupPagina = margen;
        m.MargenInfPagina = margen;
        m.AnchoPagina = kAnchoUtilPagina * m.Zoom + 2 * margen;
        m.AltoPagina = kAltoUtilPagina * m.Zoom + 2 * margen;
    } else if (m.printerCount >= 1) {
        // The printer's surface starts at its printable area: the margins leave out the
        // unprintable edges.
        const double margen = kMargenPaginaMm * kTwipsPerMm;
        m.MargenIzqPagina = margen - kUnprintableLeft;
        m.MargenDerPagina = margen - kUnprintableRight;
        m.MargenSupPagina = margen - kUnprintableTop;
        m.MargenInfPagina = margen - kUnprintableBottom;
        m.AnchoPagina = kAnchoUtilPagina + m.MargenIzqPagina + m.MargenDerPagina;
        m.AltoPagina = kAltoUtilPagina + m.MargenSupPagina + m.MargenInfPagina;
    }
}

void dibujaMargenes(const EstadoMotor& m, Surface& d) {
    const Rgb gris = rgb(240, 240, 240);
    const double w = d.widthPixels() * kScreenTwipsPerPixel;
    const double h = d.heightPixels() * kScreenTwipsPerPixel;
    d.setFillStyle(FillStyle::Transparent);
    d.lineBy(0, 0, m.MargenIzqPagina, h, gris, LineShape::Box);
    d.lineBy(0, 0, w, m.MargenSupPagina, gris, LineShape::Box);
    d.lineBy(0, h, w, -m.MargenInfPagina, gris, LineShape::Box);
    d.lineBy(w, 0, -m.MargenDerPagina, h, gris, LineShape::Box);
}

// Under the last line drawn of a block cut at the bottom margin, in the margin: a red note
// that the rest of the block is not shown.
void marcaCorte(Surface& d, double x, double y, double tamano) {
    const EstadoFuente fuente(d);
    d.setFontName(QStringLiteral("Times New Roman"));
    d.setFontSize(tamanoValido(tamano * 0.8));
    d.setFontItalic(true);
    d.setFontBold(false);
    d.setFontUnderline(false);
    d.setFontStrikethru(false);
    d.setForeColor(rgb(255, 0, 0));
    d.moveTo(x, y);
    d.print(QStringLiteral("[...] Este bloque no cabe en una página: el resto no se muestra."));
    fuente.restaura(d);
}

// Lays `linea` out without drawing: its boxes in m.Cajas, what fits the width in `ajuste`.
void mideLinea(EstadoMotor& m, const QString& linea, Surface& d, QString& ajuste) {
    m.NumElemento = 1;
    m.NivelCociente = 0;
    m.NivelExponente = 0;
    m.ModoDibujo = 0;
    ProcesaLinea(m, linea, d, ajuste);
}

} // namespace

void DibujaTextoFormateado(EstadoMotor& m, const QString& texto, double& tamano, Surface& destino,
                           bool reservaPie) {
    if (!(tamano > 0)) tamano = 5 * m.Zoom;
    m.partDepth = 0;
    m.ColorLinea = 0;
    m.NumBloquesPagina = 0;
    m.SangriaIzq = 0;

    QString copia = texto;
    if (copia.contains(u'\r')) copia.remove(QStringLiteral("\r\n"));
    Lineas lineas(copia);

    destino.setFontName(QStringLiteral("Times New Roman"));
    destino.setFontItalic(false);
    destino.setFontBold(false);
    destino.setForeColor(0);
    destino.setFontStrikethru(false);
    destino.setFontUnderline(false);
    destino.setFontSize(tamanoValido(12 * m.Zoom));
    const double anchoReferencia = destino.textWidth(fraseMuestra());
    destino.setFontSize(tamanoValido(tamano));
    fijaGeometria(m, destino);
    const double limite = m.AltoPagina - m.MargenInfPagina;
    // With the foot reserved: the room an empty line of the starting font (measured as a line
    // " " of the text) takes below the line before it, and the place of a cut's red note, under
    // that room, in the margin.
    double reserva = 0;
    double notaAlPie = 0;
    if (reservaPie) {
        QString resto;
        mideLinea(m, QStringLiteral(" "), destino, resto);
        reserva = 2 * m.Cajas(1).AltoSobre + m.Cajas(1).Alto;
        notaAlPie = limite + destino.textHeight(QStringLiteral("H")) / 5;
    }

    m.MarcaResultado = 0;
    m.BloqueCortado = 0;
    double y = 0;                     // top of the next line, from the top margin
    double fondo = m.MargenSupPagina; // bottom of the last line drawn, in page twips
    bool recortando = false;          // the first block ran past the surface's bottom
    QString ajuste;

    for (qsizetype n = 0; lineas.quedan(); ++n) {
        QString linea = SustituyeEscapes(lineas.siguiente(), m.notacion);
        const bool esMarca = linea.startsWith(QStringLiteral("#MARK"));
        if (n >= kMaxLineas || (esMarca && m.NumBloquesPagina >= kMaxBloquesPagina)) {
            // Past the limits of a page: as if this line did not fit.
            if (esMarca) m.MarcaResultado = numeroDeMarca(linea);
            m.MarcaResultado = -m.MarcaResultado;
            break;
        }
        if (esMarca) {
            m.MarcaResultado = numeroDeMarca(linea);
            const auto k = static_cast<std::size_t>(++m.NumBloquesPagina);
            m.BloqueSel[k] = false;
            m.BloqueRef[k] = m.MarcaResultado;
            recortando = false;
        }
        if (recortando) continue;
        // The page's first block stays on the page even when it is taller: were it left for
        // the next page, it would not fit there either. What does not fit is cut, and marked.
        const bool dispensa = m.NumBloquesPagina == 1;

        const qsizetype p = BuscaEtiqueta(linea, u"&LSAN=");
        if (p >= 0) {
            const qsizetype q = linea.indexOf(u':', p);
            if (q < 0) {
                linea.truncate(p); // a value tag without ":" ends the line
            } else {
                const double mm = std::clamp(NumeroInicial(QStringView(linea).mid(p + 6)),
                                             -kMaxSangriaMm, kMaxSangriaMm);
                linea.remove(p, q + 1 - p);
                m.SangriaIzq =
                    mm * kTwipsPerMm * destino.textWidth(fraseMuestra()) / anchoReferencia * 0.73;
            }
        }

        bool primeraSalida = true;
        bool lleno = false;
        for (;;) {
            const EstadoFuente fuente(destino);
            const double h = destino.textHeight(QStringLiteral("H"));
            mideLinea(m, linea, destino, ajuste);

            m.NumElemento = 1;
            m.ModoDibujo = 1;
            m.NivelCociente = 0;
            m.NivelExponente = 0;
            fuente.restaura(destino);
            const double sobre = m.Cajas(1).AltoSobre;
            const double alto = m.Cajas(1).Alto;
            const double arriba = y + sobre + m.MargenSupPagina;
            destino.moveTo(m.Cajas(1).DespIzq + m.SangriaIzq + m.MargenIzqPagina, arriba);
            // With the foot reserved, an empty line must still fit after this one.
            const bool cabe = destino.currentY() < limite - (alto + sobre) &&
                              (!reservaPie || arriba + alto + h / 5 + reserva < limite);
            const double nota = reservaPie ? notaAlPie : fondo + h / 5;
            if (!dispensa && !cabe) {
                // What stands before the page's first block (a title) is cut here, and marked,
                // as a tall block is.
                if (m.NumBloquesPagina == 0 && fondo > m.MargenSupPagina)
                    marcaCorte(destino, m.MargenIzqPagina, nota, tamano);
                m.MarcaResultado = -m.MarcaResultado;
                // A block whose mark line was not drawn is not on this page.
                if (esMarca && primeraSalida) --m.NumBloquesPagina;
                lleno = true;
                break;
            }
            if (dispensa && !cabe && !(esMarca && primeraSalida)) {
                // The rest of the first block is skipped, leaving Y past the bottom so that the
                // next block is known not to fit.
                m.BloqueCortado = m.MarcaResultado;
                marcaCorte(destino, m.MargenIzqPagina, nota, tamano);
                y = std::max(y + sobre + alto + h / 5, m.AltoPagina);
                recortando = true;
                break;
            }
            QString dibujada;
            if (ajuste.isEmpty()) {
                ProcesaLinea(m, linea, destino, dibujada);
                linea.clear();
            } else {
                ProcesaLinea(m, ajuste, destino, dibujada);
                linea.remove(0, ajuste.size());
                // The next output line starts at the margin: blanks left after the break
                // are neither drawn nor measured.
                qsizetype blancos = 0;
                while (blancos < linea.size() && linea[blancos] == u' ')
                    ++blancos;
                linea.remove(0, blancos);
            }
            if (m.eventLoop) m.eventLoop->yield();
            fondo = arriba + alto;
            y += sobre + alto + h / 5;
            primeraSalida = false;
            if (linea.isEmpty()) break;
        }
        if (lleno) break;
    }

    if (m.NumBloquesPagina >= 1) {
        const auto k = static_cast<std::size_t>(m.NumBloquesPagina);
        m.BloqueY2[k] = std::max(m.BloqueY1[k], fondo);
    }
    if (destino.kind() == SurfaceKind::PageBox && m.MostrarMargenes) dibujaMargenes(m, destino);
}

} // namespace vornith::textengine
