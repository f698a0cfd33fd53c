// Measuring and drawing of the tokens of a line that are not constructs.

#include "platform/cp1252.h"
#include "platform/surface.h"
#include "platform/units.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/line_layout.h"
#include "textengine/markup.h"
#include "textengine/symbol_table.h"

#include <algorithm>

namespace vornith::textengine {

namespace {

constexpr double kTamanoMinimo = 1;
constexpr double kTamanoMaximo = 1000;
constexpr double kMaxFiguraMm = 1000; // "&FF" boxes beyond a metre are held to it

QChar guionLargo() {
    static const QChar c = cp1252Char(150);
    return c;
}

bool esDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Punctuation printed upright in italic text, as digits are.
bool esSignoRecto(QChar c) {
    switch (c.unicode()) {
    case u'.':
    case u',':
    case u':':
    case u';':
    case u'(':
    case u')':
    case u'[':
    case u']':
    case u'|':
    case u'{':
    case u'}':
        return true;
    default:
        return false;
    }
}

// Turns italic off for the duration of an upright character and back on afterwards.
class Recta {
  public:
    Recta(Surface& d, bool recta) : d_(d), restaurar_(recta && d.fontItalic()) {
        if (restaurar_) d_.setFontItalic(false);
    }
    ~Recta() {
        if (restaurar_) d_.setFontItalic(true);
    }
    Recta(const Recta&) = delete;
    Recta& operator=(const Recta&) = delete;

  private:
    Surface& d_;
    bool restaurar_;
};

// Prints `texto` (drawing pass) or adds its width to U (measuring pass).
void imprime(LineaEnCurso& l, const QString& texto) {
    if (l.dibujando)
        l.destino.print(texto);
    else
        l.U += l.destino.textWidth(texto);
}

void fijaTamano(LineaEnCurso& l, double tamano) {
    l.destino.setFontSize(std::clamp(tamano, kTamanoMinimo, kTamanoMaximo));
}

// After "&FS" or "&FN": new metrics; the text goes on on the line's starting baseline. A
// taller font widens the text run's box, so that the line makes room for it.
void cambioDeFuente(LineaEnCurso& l) {
    l.S = l.destino.fontSize();
    MetricasLinea(l);
    const double arriba = l.A0 - l.A; // the top of the text, below the line's top
    LineaEnCurso::Medidas& texto = l.cajasLinea[0];
    texto.AltoSobre = std::max(texto.AltoSobre, -arriba);
    texto.Alto = std::max(texto.Alto, arriba + l.h);
    if (l.dibujando) l.destino.setCurrentY(l.Y0 + arriba);
}

void figura(LineaEnCurso& l, const QString& valor) {
    EstadoMotor& m = l.motor;
    Surface& d = l.destino;
    QString nombre;
    double a = 0;
    double b = 0;
    SeparaFigura(valor, nombre, a, b);
    const double x = d.currentX();
    const double y = d.currentY();
    if (nombre == u"REC") {
        // A zero size spans the whole surface, in its own twips.
        if (a == 0) {
            d.setCurrentX(0);
            a = d.widthTwips() / kTwipsPerMm / m.Zoom;
        }
        if (b == 0) {
            d.setCurrentY(0);
            b = d.heightTwips() / kTwipsPerMm / m.Zoom;
        }
        a = std::clamp(a, -kMaxFiguraMm, kMaxFiguraMm);
        b = std::clamp(b, -kMaxFiguraMm, kMaxFiguraMm);
        d.lineBy(d.currentX(), d.currentY(), a * kTwipsPerMm * m.Zoom, b * kTwipsPerMm * m.Zoom,
                 m.ColorRelleno, LineShape::FilledBox);
    }
    d.moveTo(x, y);
}

} // namespace

void MetricasLinea(LineaEnCurso& l) {
    l.h = AltoTexto(l.destino);
    l.a = kFraccionEje * l.h;
    l.A = AscensoFuente(l.destino);
}

void Caracter(LineaEnCurso& l, QChar c) {
    if (c == u'-') c = guionLargo();
    int operador = 0;
    bool recta = false;
    if (c == u'+') {
        operador = 1;
    } else if (c == guionLargo()) {
        operador = 2;
    } else if (c == u'=') {
        operador = 3;
    } else if (esDigito(c) || esSignoRecto(c)) {
        recta = true;
    }
    double desplazamiento = 0;
    double lado = 0;
    if (operador != 0) {
        desplazamiento = l.motor.DesplOperador[l.clase][operador] * l.h;
        lado = 0.04 * l.h;
        recta = true;
    }
    // At least one twip of side space at zoom 1, scaled with the page so lines break alike.
    lado = std::max(lado, l.motor.Zoom);
    const Recta r(l.destino, recta);
    const QString& texto = l.motor.textoDe(c);
    if (l.dibujando) {
        Surface& d = l.destino;
        const double y = d.currentY();
        d.setCurrentY(y + desplazamiento);
        d.setCurrentX(d.currentX() + lado);
        d.print(texto);
        d.setCurrentX(d.currentX() + lado);
        d.setCurrentY(y);
    } else {
        l.U += l.destino.textWidth(texto) + 2 * lado;
    }
}

void Literal(LineaEnCurso& l, QChar c) {
    imprime(l, l.motor.textoDe(c));
}

void Simbolo(LineaEnCurso& l, int k) {
    EstadoMotor& m = l.motor;
    Surface& d = l.destino;
    d.setFontName(FuenteSimbolo(k).toString());
    if (l.dibujando) {
        const double y = d.currentY();
        // On the text's baseline: the symbol font's ascent differs from the text's.
        d.setCurrentY(y + (l.A - AscensoFuente(d)));
        d.print(m.SimboloCar[k]);
        d.setCurrentY(y);
    } else {
        l.U += d.textWidth(m.SimboloCar[k]);
    }
    d.setFontName(l.fuenteEntrada);
    l.i += m.SimboloTag[k].size() - 1;
}

void Script(LineaEnCurso& l, bool subindice) {
    Surface& d = l.destino;
    // A "_" or "^" that ends the text is a script of itself.
    QChar c = l.i + 1 < l.v.size() ? l.v[l.i + 1] : l.v[l.i];
    if (l.i + 1 < l.v.size()) ++l.i;
    if (c == u'-') c = guionLargo();
    fijaTamano(l, l.S * 8 / 12);
    {
        const Recta r(d, esDigito(c));
        const QString& texto = l.motor.textoDe(c);
        if (l.dibujando) {
            const double y = d.currentY();
            if (subindice) d.setCurrentY(y + d.textHeight(QStringLiteral("9")) / 1.4);
            d.print(texto);
            d.setCurrentY(y);
        } else {
            l.U += d.textWidth(texto);
        }
    }
    fijaTamano(l, l.S);
    if (subindice) l.cajasLinea[0].Alto = std::max(l.cajasLinea[0].Alto, 1.1 * l.h);
}

void PotenciaDiez(LineaEnCurso& l) {
    Surface& d = l.destino;
    const qsizetype desde = l.i + 2;
    qsizetype j = desde;
    if (j < l.v.size() && (l.v[j] == u'+' || l.v[j] == u'-')) ++j;
    while (j < l.v.size() && esDigito(l.v[j]))
        ++j;
    QString exponente = l.v.mid(desde, j - desde).toString();
    if (exponente.startsWith(u'+'))
        exponente.remove(0, 1);
    else if (exponente.startsWith(u'-'))
        exponente[0] = guionLargo();
    {
        const Recta r(d, true);
        imprime(l, l.motor.notacion.TextoPor10);
        if (!exponente.isEmpty()) {
            fijaTamano(l, l.S * 8 / 12);
            imprime(l, exponente);
            fijaTamano(l, l.S);
        }
    }
    l.i = j - 1;
}

void SignoDibujado(LineaEnCurso& l, QChar clase) {
    Surface& d = l.destino;
    const QString& espacios = clase == u'Q' ? QStringLiteral("    ") : QStringLiteral("   ");
    ++l.i;
    if (!l.dibujando) {
        l.U += d.textWidth(espacios);
        return;
    }
    const double z = l.motor.Zoom;
    const double h = l.h;
    const double x = d.currentX();
    const double y = d.currentY();
    FijaPluma(d, 0.05 * h);
    if (clase == u'Q') {
        d.line(x, y + h / 2.5, x + 240 * z, y + h / 2.5);
        d.lineBy(x + 240 * z, y + h / 2.5, -60 * z, -50 * z);
        d.line(x, y + h / 1.7, x + 240 * z, y + h / 1.7);
        d.lineBy(x, y + h / 1.7, 60 * z, 50 * z);
    } else {
        const double rayas[2][3] = {{0.351, 0.588, 0}, {0.30, 0.48, 0.66}};
        const int n = clase == u'=' ? 2 : 3;
        for (int k = 0; k < n; ++k) {
            const double yk = y + rayas[n - 2][k] * h;
            d.lineBy(x + 20 * z, yk, 130 * z, 0);
        }
    }
    d.moveTo(x + d.textWidth(espacios), y);
}

void GuionBlando(LineaEnCurso& l) {
    static const QString kGuion = QStringLiteral("-");
    const bool alFinal = l.i + 2 == l.v.size();
    ++l.i;
    l.guionBlando = true;
    if (!l.dibujando)
        l.U += l.destino.textWidth(kGuion);
    else if (alFinal)
        l.destino.print(kGuion);
}

void Estilo(LineaEnCurso& l) {
    Surface& d = l.destino;
    const bool on = l.v[l.i + 1] == u'+';
    switch (l.v[l.i + 2].unicode()) {
    case u'I':
        d.setFontItalic(on);
        break;
    case u'B':
        d.setFontBold(on);
        break;
    case u'U':
        d.setFontUnderline(on);
        break;
    default:
        d.setFontStrikethru(on);
        break;
    }
    l.i += 2;
}

bool EtiquetaValor(LineaEnCurso& l) {
    EstadoMotor& m = l.motor;
    Surface& d = l.destino;
    const qsizetype fin = l.v.indexOf(u':', l.i);
    if (fin < 0) return false;
    const QStringView etiqueta = l.v.mid(l.i + 1, 2);
    const QStringView valor = fin > l.i + 4 ? l.v.mid(l.i + 4, fin - l.i - 4) : QStringView();
    l.i = fin;
    if (etiqueta == u"FS") {
        fijaTamano(l, NumeroInicial(valor) * m.Zoom);
        cambioDeFuente(l);
    } else if (etiqueta == u"FN") {
        d.setFontName(valor.toString());
        cambioDeFuente(l);
    } else if (etiqueta == u"LC") {
        m.ColorLinea = InterpretaColor(valor.toString());
    } else if (etiqueta == u"SP") {
        const double p = std::clamp(NumeroInicial(valor), 0.0, 100.0);
        l.U = p / 100 * (m.AnchoPagina - m.MargenIzqPagina - m.MargenDerPagina);
        l.t = l.m + 1;
        if (l.dibujando) d.setCurrentX(l.X0 + l.U);
    } else if (l.dibujando) {
        if (etiqueta == u"FC")
            d.setForeColor(InterpretaColor(valor.toString()));
        else if (etiqueta == u"BC")
            m.ColorRelleno = InterpretaColor(valor.toString());
        else
            figura(l, valor.toString());
    }
    return true;
}

} // namespace vornith::textengine
