#include "textengine/line_processor.h"

#include "platform/surface.h"
#include "textengine/construct_table.h"
#include "textengine/drawers/drawers.h"
#include "textengine/line_layout.h"
#include "textengine/markup.h"
#include "textengine/symbol_table.h"

#include <algorithm>

namespace vornith::textengine {

namespace {

enum class Paso {
    Sigue,      // the token is done
    FinLinea,   // a value tag without ":": nothing after it is laid out
    CortaAntes, // a limit of the tables: the line ends before this token
    CortaTras,  // a limit passed by the line's only token: the line ends after it
};

bool esDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool empiezaPor(const LineaEnCurso& l, QStringView tag) {
    return l.v.mid(l.i).startsWith(tag);
}

// "#MARK" takes "#MARK=" and the mark's digits: nine characters, more when the mark has more
// than three digits.
void marca(LineaEnCurso& l) {
    EstadoMotor& m = l.motor;
    // Only the page entry's lines record blocks: a mark inside a construct part records nothing.
    const int n = m.NumBloquesPagina;
    if (l.dibujando && m.partDepth == 0 && n >= 1 && n <= kMaxBloquesPagina) {
        const double arriba = l.Y0 - m.Cajas(l.b).AltoSobre;
        m.BloqueY1[static_cast<std::size_t>(n)] = arriba;
        if (n > 1) {
            const auto anterior = static_cast<std::size_t>(n - 1);
            m.BloqueY2[anterior] = std::max(m.BloqueY1[anterior], arriba - l.h / 8);
        }
    }
    qsizetype fin = std::min(l.i + 9, l.v.size());
    while (fin < l.v.size() && esDigito(l.v[fin]))
        ++fin;
    l.i = fin - 1;
}

Paso construccion(LineaEnCurso& l, const Construccion& c) {
    EstadoMotor& m = l.motor;
    Surface& d = l.destino;
    if (l.m >= kMaxCajasLinea) return Paso::CortaAntes;
    // Past the element limit the line ends here, before the construct is even looked at.
    if (m.NumElemento >= kMaxElemento) {
        ++m.NumElemento;
        return Paso::CortaAntes;
    }
    const QStringView abre = l.v.mid(l.i, 5);
    const QString cierra = CierreDe(abre);
    const qsizetype largo = LongitudBloque(l.v.mid(l.i), abre, cierra);
    QString texto;
    Dibujante dibuja = c.dibuja;
    qsizetype avance = largo;
    if (largo < 0) {
        // Unclosed: the red mark stands for the tag, and reading resumes right after it.
        texto = abre.toString();
        texto.append(kTextoError).append(cierra);
        dibuja = DibujaError;
        avance = abre.size();
    } else {
        texto = l.texto.mid(l.i, largo);
    }
    const int e = ++m.NumElemento;

    if (l.dibujando) {
        d.setCurrentX(l.Xt + m.Cajas(e).DespIzq);
        if (c.alineaEje) d.setCurrentY(l.Y0 + l.a - m.Cajas(e).Ascenso);
    }
    {
        // Parts laid out by the drawer are nested: never cut at the page width.
        struct Anidado {
            int& profundidad;
            explicit Anidado(int& p) : profundidad(++p) {}
            ~Anidado() { --profundidad; }
        } anidado(m.partDepth);
        dibuja(m, texto, d);
    }
    const CajaElemento& caja = m.Cajas(e);
    if (l.dibujando) {
        d.setCurrentX(l.Xt + caja.DespIzq + caja.Ancho);
        d.setCurrentY(l.Yt);
    }
    d.setFontName(l.fuenteEntrada);
    d.setFontSize(l.S);

    Paso paso = Paso::Sigue;
    if (m.NumElemento > kMaxElemento && m.partDepth == 0 && !l.dibujando) {
        // The construct's parts ran out of element numbers.
        if (l.i > 0) return Paso::CortaAntes;
        paso = Paso::CortaTras;
    }
    l.cajasLinea[static_cast<std::size_t>(++l.m)] = {caja.DespIzq, caja.Ancho, caja.AltoSobre,
                                                     caja.Ascenso, caja.Alto};
    l.i += avance - 1;
    return paso;
}

Paso almohadilla(LineaEnCurso& l) {
    if (empiezaPor(l, u"#MARK")) {
        marca(l);
    } else if (const Construccion* c = BuscaConstruccion(l.v.mid(l.i))) {
        return construccion(l, *c);
    } else if (empiezaPor(l, u"##")) {
        Literal(l, u'#');
        ++l.i;
    }
    // Otherwise the "#" is dropped and what follows reads as text.
    return Paso::Sigue;
}

Paso ampersand(LineaEnCurso& l) {
    const QStringView resto = l.v.mid(l.i);
    if (resto.size() >= 3) {
        const QChar s = resto[1];
        const QChar x = resto[2];
        if ((s == u'+' || s == u'-') && (x == u'I' || x == u'B' || x == u'U' || x == u'S')) {
            Estilo(l);
            return Paso::Sigue;
        }
        const QStringView tag = resto.mid(1, 2);
        for (const QStringView valor : {u"FS", u"FN", u"FC", u"BC", u"LC", u"FF", u"SP"}) {
            if (tag == valor) return EtiquetaValor(l) ? Paso::Sigue : Paso::FinLinea;
        }
    }
    if (const int k = BuscaSimbolo(l.motor, resto)) {
        Simbolo(l, k);
        return Paso::Sigue;
    }
    if (resto.size() < 2) return Paso::Sigue; // a lone "&" at the end is dropped
    switch (resto[1].unicode()) {
    case u' ':
        Literal(l, u' ');
        ++l.i;
        break;
    case u'Q':
    case u'=':
    case u'#':
        SignoDibujado(l, resto[1]);
        break;
    case u'_':
        GuionBlando(l);
        break;
    case u'&':
        Literal(l, u'&');
        ++l.i;
        break;
    case u'E':
        PotenciaDiez(l);
        break;
    default:
        break; // the "&" is dropped
    }
    return Paso::Sigue;
}

Paso token(LineaEnCurso& l) {
    const QChar c = l.v[l.i];
    switch (c.unicode()) {
    case u'#':
        return almohadilla(l);
    case u'&':
        return ampersand(l);
    case u'_':
    case u'^':
        if (l.i + 1 < l.v.size() && l.v[l.i + 1] == c) {
            Literal(l, c);
            ++l.i;
        } else {
            Script(l, c == u'_');
        }
        return Paso::Sigue;
    default:
        Caracter(l, c);
        return Paso::Sigue;
    }
}

double anchoOcupado(const LineaEnCurso& l) {
    double w = l.U;
    for (int j = l.t; j <= l.m; ++j) {
        const auto& c = l.cajasLinea[static_cast<std::size_t>(j)];
        w += c.DespIzq + c.Ancho;
    }
    return w;
}

// The measured line's box into Cajas(b).
void cierraLinea(LineaEnCurso& l) {
    double sobre = 0;
    double bajo = 0;
    for (int j = 0; j <= l.m; ++j) {
        const auto& c = l.cajasLinea[static_cast<std::size_t>(j)];
        if (j == 0 || c.AltoSobre + c.Ascenso > sobre) sobre = c.AltoSobre + c.Ascenso;
        if (j == 0 || c.Alto - c.Ascenso > bajo) bajo = c.Alto - c.Ascenso;
    }
    CajaElemento& caja = l.motor.Cajas(l.b);
    caja.AltoSobre = sobre - l.a;
    caja.Alto = bajo + l.a;
    caja.Ancho = anchoOcupado(l);
    caja.DespIzq = 0;
    caja.Ascenso = l.a;
    caja.Texto = l.texto;
}

} // namespace

void ProcesaLinea(EstadoMotor& motor, const QString& texto, Surface& destino, QString& resto) {
    const QString linea = texto; // `resto` may be the caller's `texto`
    resto.clear();
    // Past the element limit a nested part lays out nothing: the line is ended by the caller.
    if (motor.partDepth > 0 && motor.NumElemento > kMaxElemento) return;

    LineaEnCurso l(motor, linea, destino);
    const bool pagina = motor.partDepth == 0;
    if (l.dibujando) {
        l.X0 = destino.currentX();
        l.Y0 = destino.currentY();
        motor.Cajas(motor.NumElemento).PosX = l.X0;
        motor.Cajas(motor.NumElemento).PosY = l.Y0;
    }
    l.b = motor.NumElemento;
    l.fuenteEntrada = destino.fontName();
    l.S = destino.fontSize();
    MetricasLinea(l);
    l.A0 = l.A;
    l.clase = l.h < 120 ? 1 : (l.h < 300 ? 2 : 3);
    l.cajasLinea[0] = {0, 0, 0, l.a, l.h};

    qsizetype rotura = 0; // characters up to the last break point, 0 when none
    for (l.i = 0; l.i < l.v.size(); ++l.i) {
        const qsizetype inicio = l.i;
        const QChar c = l.v[l.i];
        if (l.dibujando) {
            l.Xt = destino.currentX();
            l.Yt = destino.currentY();
        }
        l.guionBlando = false;
        const Paso paso = token(l);
        if (paso == Paso::FinLinea) break;
        if (paso == Paso::CortaAntes) {
            if (pagina && !l.dibujando) resto = linea.left(std::max<qsizetype>(inicio, 1));
            break;
        }
        if (l.dibujando) continue;
        if (paso == Paso::CortaTras) {
            resto = linea.left(l.i + 1);
            break;
        }
        if (pagina &&
            anchoOcupado(l) + motor.SangriaIzq + motor.MargenIzqPagina + motor.MargenDerPagina >
                motor.AnchoPagina) {
            resto = linea.left(rotura > 0 ? rotura : l.i + 1);
            break;
        }
        if (c == u' ' || l.guionBlando) rotura = l.i + 1;
    }
    if (!l.dibujando) cierraLinea(l);
}

} // namespace vornith::textengine
