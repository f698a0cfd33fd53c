#include "document/composicion.h"
#include "document/documento.h"
#include "platform/measuring_surface.h"
#include "platform/units.h"
#include "textengine/page_entry.h"
#include "textengine/texto_sin_marcas.h"

#include <QFileInfo>

namespace vornith::document {

namespace {

const QString kFuenteTexto = QStringLiteral("Times New Roman");

// Where the page number goes across the page: by POSNUMPAG and 7, and the printed number's
// parity for inside and outside placement. `x` stays when the code places nothing.
double XNumero(int posNumPag, int numero, double ancho, double izq, double der, double w,
               double x) {
    const double izquierda = izq;
    const double derecha = ancho - der - w;
    switch (posNumPag & 7) {
    case 1:
        return derecha;
    case 2:
        return izquierda;
    case 3:
        return (ancho - der - izq) / 2 + izq - w / 2;
    case 4:
        return numero % 2 == 0 ? izquierda : derecha;
    case 5:
        return numero % 2 != 0 ? izquierda : derecha;
    default:
        return x;
    }
}

// Prints the page's printed number `numero` where POSNUMPAG puts it: in Times New Roman of
// `puntos`, plain, in `colour`, within the margins of the page drawn last.
void ImprimeNumero(Surface& s, const textengine::EstadoMotor& motor, int posNumPag, int numero,
                   double puntos, Rgb colour) {
    s.setFontName(kFuenteTexto);
    s.setFontSize(puntos);
    s.setFontBold(false);
    s.setFontItalic(false);
    s.setFontUnderline(false);
    s.setFontStrikethru(false);
    s.setForeColor(colour);
    const QString n = QString::number(numero);
    const double w = s.textWidth(n);
    const double alto = s.textHeight(n);
    const double x = XNumero(posNumPag, numero, s.widthTwips(), motor.MargenIzqPagina,
                             motor.MargenDerPagina, w, s.currentX());
    const double y =
        (posNumPag & 8) ? s.heightTwips() - motor.MargenInfPagina - alto : motor.MargenSupPagina;
    s.moveTo(x, y);
    s.print(n);
}

// The grey rule under the title, below the title's extra lines (`bajada`), on the page just laid
// out on `s` by BajadaTitulo: from its left to its right text margin, 0.3 h tall and h (2.2 h
// under a page number at the top) below its top margin, h being the height of "HH" in the
// page's text size, in the page box's grey. In proportion, the paper shows it where and as the
// page box does.
void ReglaTitulo(Surface& s, const textengine::EstadoMotor& motor, double h, double bajada,
                 bool numeroArriba) {
    const double y1 = motor.MargenSupPagina + (numeroArriba ? 2.2 : 1.0) * h + bajada;
    const double y2 = motor.MargenSupPagina + (numeroArriba ? 2.5 : 1.3) * h + bajada;
    // Outlined with one page box pixel, whatever pen a drawer left.
    const int pluma = s.drawWidth();
    s.setDrawWidth(penWidthPixels(kScreenTwipsPerPixel, s.twipsPerPixelX()));
    s.line(motor.MargenIzqPagina, y1, s.widthTwips() - motor.MargenDerPagina, y2,
           rgb(160, 160, 160), LineShape::FilledBox);
    s.setDrawWidth(pluma);
}

// The engine's Zoom set to `zoom` for the guard's lifetime, and put back after.
class ZoomDelMotor {
  public:
    ZoomDelMotor(textengine::EstadoMotor& m, double zoom) : m_(m), antes_(m.Zoom) { m.Zoom = zoom; }
    ~ZoomDelMotor() { m_.Zoom = antes_; }
    ZoomDelMotor(const ZoomDelMotor&) = delete;
    ZoomDelMotor& operator=(const ZoomDelMotor&) = delete;

  private:
    textengine::EstadoMotor& m_;
    const double antes_;
};

// What the engine keeps of the page drawn last, which the page view reads (margins, block
// places and the selection) and printing overwrites.
class PaginaDelMotor {
  public:
    explicit PaginaDelMotor(const textengine::EstadoMotor& m)
        : ancho_(m.AnchoPagina), alto_(m.AltoPagina), izq_(m.MargenIzqPagina),
          der_(m.MargenDerPagina), sup_(m.MargenSupPagina), inf_(m.MargenInfPagina),
          sangria_(m.SangriaIzq), colorLinea_(m.ColorLinea), colorRelleno_(m.ColorRelleno),
          marca_(m.MarcaResultado), bloques_(m.NumBloquesPagina), ref_(m.BloqueRef),
          sel_(m.BloqueSel), y1_(m.BloqueY1), y2_(m.BloqueY2) {}
    void restaura(textengine::EstadoMotor& m) const {
        m.AnchoPagina = ancho_;
        m.AltoPagina = alto_;
        m.MargenIzqPagina = izq_;
        m.MargenDerPagina = der_;
        m.MargenSupPagina = sup_;
        m.MargenInfPagina = inf_;
        m.SangriaIzq = sangria_;
        m.ColorLinea = colorLinea_;
        m.ColorRelleno = colorRelleno_;
        m.MarcaResultado = marca_;
        m.NumBloquesPagina = bloques_;
        m.BloqueRef = ref_;
        m.BloqueSel = sel_;
        m.BloqueY1 = y1_;
        m.BloqueY2 = y2_;
    }

  private:
    double ancho_, alto_, izq_, der_, sup_, inf_, sangria_;
    Rgb colorLinea_, colorRelleno_;
    int marca_, bloques_;
    decltype(textengine::EstadoMotor::BloqueRef) ref_;
    decltype(textengine::EstadoMotor::BloqueSel) sel_;
    decltype(textengine::EstadoMotor::BloqueY1) y1_;
    decltype(textengine::EstadoMotor::BloqueY2) y2_;
};

} // namespace

QString LineaTitulo(const QString& titulo) {
    return QStringLiteral("&+B&FN=Arial:") + titulo +
           QStringLiteral("&FN=Times New Roman:&-B&LF&LF");
}

QString Documento::TextoPagina(int pagina) const {
    QString texto;
    for (int j = 1; j <= d.NumBloques; ++j) {
        const Bloque& b = d.TablaBloques[j];
        if (b.Pagina > pagina) break;
        if (b.Pagina == pagina) texto += b.Texto;
    }
    // The empty line after the last block is not the page's: pagination tried the first line
    // of the next block there instead.
    if (texto.endsWith(QStringLiteral("&LF"))) texto.chop(3);
    if (ConTitulo(pagina)) texto.prepend(LineaTitulo(d.Coleccion.TITULO));
    return texto;
}

bool Documento::ConTitulo(int pagina) const {
    return !d.Coleccion.TITULO.isEmpty() && !d.PaginasSinTitulo.contains(pagina);
}

double Documento::BajadaTitulo(Surface& destino, double tamano) {
    textengine::EstadoMotor& motor = s_.motor;
    MeasuringSurface medida(destino);
    const auto alto = [&](const QString& titulo) {
        double t = tamano;
        textengine::DibujaTextoFormateado(motor, MarcaBloque(1) + LineaTitulo(titulo), t, medida);
        return motor.BloqueY2[1] - motor.BloqueY1[1];
    };
    return std::max(0.0, alto(d.Coleccion.TITULO) - alto(QStringLiteral("H")));
}

double Documento::AnchoLinea(const QString& linea) {
    textengine::EstadoMotor& motor = s_.motor;
    MeasuringSurface medida(s_.cajaPagina);
    // At zoom 1 whatever the page box's, so that the width does not depend on it.
    const ZoomDelMotor zoomUno(motor, 1);
    double tamano = 12;
    textengine::DibujaTextoFormateado(motor, linea, tamano, medida);
    return motor.Cajas(1).Ancho;
}

void Documento::DibujaPagina() {
    s_.ventana.PonEtiquetaPagina(QString());
    const DatosColeccion& c = d.Coleccion;
    if (c.NPROB == 0) return;
    textengine::EstadoMotor& motor = s_.motor;
    Surface& caja = s_.cajaPagina;
    const double zoom = motor.Zoom;
    s_.cursor.setBusy(true);
    s_.ventana.PonEtiquetaPagina(
        QStringLiteral("Pág. %1/%2").arg(d.PaginaActual).arg(d.NumPaginas));

    caja.clear();
    const double margen = 16 * kTwipsPerMm * zoom;
    motor.MargenIzqPagina = motor.MargenDerPagina = margen;
    motor.MargenSupPagina = motor.MargenInfPagina = margen;
    DibujaContenido(caja, d.PaginaActual, zoom, rgb(128, 128, 128));
    s_.cursor.setBusy(false);
}

void Documento::DibujaContenido(Surface& destino, int pagina, double zoom, Rgb colorNumero) {
    const DatosColeccion& c = d.Coleccion;
    textengine::EstadoMotor& motor = s_.motor;
    QString texto = TextoPagina(pagina);
    destino.setFontSize(zoom * 12);
    const double h = destino.textHeight(QStringLiteral("HH"));
    const bool numeroArriba = c.POSNUMPAG != 0 && (c.POSNUMPAG & 8) == 0;
    if (numeroArriba) texto.prepend(QStringLiteral(" &LF"));
    if (ConTitulo(pagina))
        ReglaTitulo(destino, motor, h, BajadaTitulo(destino, zoom * 12), numeroArriba);
    double tamano = zoom * 12;
    textengine::DibujaTextoFormateado(motor, texto, tamano, destino, (c.POSNUMPAG & 8) != 0);
    if (c.POSNUMPAG != 0)
        ImprimeNumero(destino, motor, c.POSNUMPAG, c.PAGINI + pagina - 1, zoom * 11, colorNumero);
}

bool Documento::ImprimirPagina(Surface& impresora, int pagina, double zoom) {
    textengine::EstadoMotor& motor = s_.motor;
    // The engine draws at its Zoom: the printer's for this page, the page box's again after.
    const ZoomDelMotor deImpresion(motor, zoom);
    s_.cursor.setBusy(true);
    DibujaContenido(impresora, pagina, zoom, rgb(0, 0, 0));
    // Whole when the engine drew every block of the page and reached the end of the text.
    int bloques = 0;
    for (int j = 1; j <= d.NumBloques; ++j)
        if (d.TablaBloques[j].Pagina == pagina) ++bloques;
    const bool entera = motor.MarcaResultado >= 0 && motor.NumBloquesPagina == bloques;
    s_.cursor.setBusy(false);
    return entera;
}

QString Documento::NombreImpresion() const {
    const QString titulo = textengine::TextoSinMarcas(s_.motor, d.Coleccion.TITULO);
    return titulo.isEmpty() ? QFileInfo(d.ArchivoActual).fileName() : titulo;
}

ResultadoImpresion Documento::ImprimirPaginas(PrintJob& trabajo, const std::vector<int>& paginas,
                                              double zoom, const std::function<void(int)>& antes,
                                              int* incompleta) {
    if (d.Ocupado) return ResultadoImpresion::Ocupado;
    const Ocupacion ocupado(d.Ocupado);
    // The page view keeps reading the page on screen, as if nothing had been printed.
    const PaginaDelMotor enPantalla(s_.motor);
    ResultadoImpresion resultado = ResultadoImpresion::Impreso;
    bool primera = true;
    for (const int p : paginas) {
        if (!primera && !trabajo.newPage()) {
            resultado = ResultadoImpresion::SinPaginaNueva;
            break;
        }
        primera = false;
        if (antes) antes(p);
        if (!ImprimirPagina(trabajo.surface(), p, zoom) &&
            resultado != ResultadoImpresion::PaginaIncompleta) {
            resultado = ResultadoImpresion::PaginaIncompleta;
            if (incompleta) *incompleta = p;
        }
    }
    if (!trabajo.endDoc()) resultado = ResultadoImpresion::SinTerminar;
    enPantalla.restaura(s_.motor);
    return resultado;
}

} // namespace vornith::document
