#include "document/documento.h"
#include "platform/units.h"
#include "textengine/page_entry.h"

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

} // namespace

QString Documento::TextoPagina(int pagina) const {
    QString texto;
    for (int j = 1; j <= d.NumBloques; ++j) {
        const Bloque& b = d.TablaBloques[j];
        if (b.Pagina > pagina) break;
        if (b.Pagina == pagina) texto += b.Texto;
    }
    if (!d.Coleccion.TITULO.isEmpty()) {
        texto.prepend(QStringLiteral("&+B&FN=Arial:") + d.Coleccion.TITULO +
                      QStringLiteral("&FN=Times New Roman:&-B&LF&LF"));
    }
    return texto;
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
    QString texto = TextoPagina(d.PaginaActual);
    const double margen = 16 * kTwipsPerMm * zoom;
    motor.MargenIzqPagina = motor.MargenDerPagina = margen;
    motor.MargenSupPagina = motor.MargenInfPagina = margen;
    caja.setFontSize(zoom * 12);
    const double h = caja.textHeight(QStringLiteral("HH"));
    const bool numeroArriba = c.POSNUMPAG != 0 && (c.POSNUMPAG & 8) == 0;
    if (numeroArriba) texto.prepend(QStringLiteral(" &LF"));
    if (!c.TITULO.isEmpty()) {
        const double y1 = margen + (numeroArriba ? 2.2 : 1.0) * h;
        const double y2 = margen + (numeroArriba ? 2.5 : 1.3) * h;
        caja.line(motor.MargenIzqPagina, y1, caja.widthTwips() - motor.MargenDerPagina, y2,
                  rgb(160, 160, 160), LineShape::FilledBox);
    }
    double tamano = zoom * 12;
    textengine::DibujaTextoFormateado(motor, texto, tamano, caja);

    if (c.POSNUMPAG != 0) {
        ImprimeNumero(caja, motor, c.POSNUMPAG, c.PAGINI + d.PaginaActual - 1, zoom * 11,
                      rgb(128, 128, 128));
    }
    s_.cursor.setBusy(false);
}

void Documento::ImprimirPagina(Surface& impresora, int pagina, double zoom) {
    const DatosColeccion& c = d.Coleccion;
    textengine::EstadoMotor& motor = s_.motor;
    // The engine draws at its Zoom: the printer's for this page, the page box's again after.
    struct ZoomDeImpresion {
        textengine::EstadoMotor& motor;
        const double pantalla;
        ~ZoomDeImpresion() { motor.Zoom = pantalla; }
    } guarda{motor, motor.Zoom};
    motor.Zoom = zoom;
    s_.cursor.setBusy(true);
    QString texto = TextoPagina(pagina);
    impresora.setFontSize(zoom * 12);
    const double h = impresora.textHeight(QStringLiteral("HH"));
    const bool numeroArriba = c.POSNUMPAG != 0 && (c.POSNUMPAG & 8) == 0;
    if (numeroArriba) texto.prepend(QStringLiteral(" &LF"));
    if (!c.TITULO.isEmpty()) {
        const double borde = 9.5 * kTwipsPerMm;
        const double y1 = (numeroArriba ? 5.1 : 3.3) * h;
        const double y2 = (numeroArriba ? 5.5 : 3.9) * h;
        const double x2 = impresora.widthTwips() - borde - 2;
        impresora.line(borde, y1, x2, y2, rgb(128, 128, 128), LineShape::FilledBox);
        impresora.setFillStyle(FillStyle::Transparent);
        impresora.line(borde, y1, x2, y2, rgb(255, 255, 255), LineShape::Box);
    }
    double tamano = zoom * 12;
    textengine::DibujaTextoFormateado(motor, texto, tamano, impresora);

    if (c.POSNUMPAG != 0) {
        ImprimeNumero(impresora, motor, c.POSNUMPAG, c.PAGINI + pagina - 1, zoom * 11,
                      rgb(0, 0, 0));
    }
    s_.cursor.setBusy(false);
}

void Documento::ImprimirPaginas(PrintJob& trabajo, const std::vector<int>& paginas, double zoom) {
    bool primera = true;
    for (const int p : paginas) {
        if (!primera) trabajo.newPage();
        primera = false;
        ImprimirPagina(trabajo.surface(), p, zoom);
    }
}

} // namespace vornith::document
