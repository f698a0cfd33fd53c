#include "textengine/markup.h"

#include "textengine/symbol_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

namespace vornith::textengine {

namespace {

bool esDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

struct ColorConNombre {
    const char16_t* nombre;
    Rgb color;
};

// Looked up in this order.
constexpr ColorConNombre kColores[] = {
    {u"BLACK", rgb(0, 0, 0)},         {u"NEGRO", rgb(0, 0, 0)},
    {u"BLUE", rgb(0, 0, 255)},        {u"AZUL", rgb(0, 0, 255)},
    {u"CYAN", rgb(0, 255, 255)},      {u"CIAN", rgb(0, 255, 255)},
    {u"GREEN", rgb(0, 255, 0)},       {u"VERDE", rgb(0, 255, 0)},
    {u"MAGENTA", rgb(255, 0, 255)},   {u"PINK", rgb(255, 128, 255)},
    {u"ROSA", rgb(255, 128, 255)},    {u"FUCSIA", rgb(255, 128, 255)},
    {u"VIOLETA", rgb(128, 0, 255)},   {u"RED", rgb(255, 0, 0)},
    {u"ROJO", rgb(255, 0, 0)},        {u"WHITE", rgb(255, 255, 255)},
    {u"BLANCO", rgb(255, 255, 255)},  {u"YELLOW", rgb(255, 255, 0)},
    {u"AMARILLO", rgb(255, 255, 0)},  {u"BROWN", rgb(128, 64, 0)},
    {u"MARRON", rgb(128, 64, 0)},     {u"CANELO", rgb(128, 64, 0)},
    {u"GREY", rgb(192, 192, 192)},    {u"GRIS", rgb(192, 192, 192)},
    {u"ORANGE", rgb(255, 128, 0)},    {u"NARANJA", rgb(255, 128, 0)},
    {u"NARANJADO", rgb(255, 128, 0)},
};

// A colour component: rounded half to even and held to 0..255.
int componente(double v) {
    return static_cast<int>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

} // namespace

void IniciaMotor(EstadoMotor& motor) {
    motor.ColorLinea = 0;
    motor.PI = 4.0 * std::atan(1.0);
    auto& d = motor.DesplOperador;
    d = {};
    d[1][1] = 0.072F; // "+"
    d[2][1] = 0.07F;
    d[3][1] = 0.072F;
    d[1][2] = -0.012F; // the minus sign (en dash)
    d[2][2] = 0.0F;
    d[3][2] = -0.012F;
    d[1][3] = 0.07F; // "="
    d[2][3] = 0.07F;
    d[3][3] = 0.07F;
    LlenaTablaSimbolos(motor);
}

qsizetype BuscaEtiqueta(QStringView texto, QStringView etiqueta, qsizetype desde) {
    if (etiqueta.isEmpty()) return -1;
    const QChar primero = etiqueta[0];
    for (qsizetype p = texto.indexOf(primero, desde); p >= 0; p = texto.indexOf(primero, p + 1)) {
        if (texto.mid(p).startsWith(etiqueta)) return p;
    }
    return -1;
}

namespace {

// The six escapes of SustituyeEscapes, in the order they are replaced.
constexpr QStringView kEscapes[] = {u"&.", u"&,", u"&(", u"&)", u"&FA", u"&DT"};

// Which escapes `s` holds, one bit each (bit k for kEscapes[k]), found in one pass.
unsigned escapesPresentes(QStringView s) {
    unsigned presentes = 0;
    for (qsizetype p = s.indexOf(u'&'); p >= 0 && p + 1 < s.size(); p = s.indexOf(u'&', p + 1)) {
        const QStringView resto = s.mid(p);
        for (std::size_t k = 0; k < std::size(kEscapes); ++k) {
            if (resto[1] == kEscapes[k][1] && resto.startsWith(kEscapes[k])) presentes |= 1U << k;
        }
    }
    return presentes;
}

} // namespace

QString SustituyeEscapes(const QString& linea, const Notacion& notacion) {
    QString s = linea;
    const QString* valores[] = {&notacion.SeparadorDecimal, &notacion.SeparadorLista,
                                &notacion.SimboloParAbre,   &notacion.SimboloParCierra,
                                &notacion.SimboloFA,        &notacion.SimboloDT};
    // In order, each on the result of the one before: a replacement may bring in an escape that
    // the line did not hold, so the line is looked at again after each one.
    unsigned presentes = escapesPresentes(s);
    for (std::size_t k = 0; presentes != 0 && k < std::size(kEscapes); ++k) {
        if ((presentes & (1U << k)) == 0) continue;
        s.replace(kEscapes[k].data(), kEscapes[k].size(), valores[k]->data(), valores[k]->size());
        presentes = escapesPresentes(s);
    }
    return s;
}

double NumeroInicial(QStringView texto) {
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    std::string numero;
    if (i < n && (texto[i] == u'+' || texto[i] == u'-')) {
        if (texto[i] == u'-') numero += '-';
        ++i;
    }
    bool cifras = false;
    while (i < n && esDigito(texto[i])) {
        numero += static_cast<char>(texto[i++].unicode());
        cifras = true;
    }
    if (i < n && texto[i] == u'.') {
        numero += '.';
        ++i;
        while (i < n && esDigito(texto[i])) {
            numero += static_cast<char>(texto[i++].unicode());
            cifras = true;
        }
    }
    if (!cifras) return 0;
    // An exponent counts only when digits follow it.
    if (i + 1 < n &&
        (texto[i] == u'E' || texto[i] == u'e' || texto[i] == u'D' || texto[i] == u'd')) {
        qsizetype j = i + 1;
        std::string exponente = "e";
        if (texto[j] == u'+' || texto[j] == u'-') {
            if (texto[j] == u'-') exponente += '-';
            ++j;
        }
        if (j < n && esDigito(texto[j])) {
            while (j < n && esDigito(texto[j]))
                exponente += static_cast<char>(texto[j++].unicode());
            numero += exponente;
        }
    }
    double valor = 0;
    const char* fin = numero.data() + numero.size();
    const auto [ptr, ec] = std::from_chars(numero.data(), fin, valor);
    if (ec != std::errc() || !std::isfinite(valor)) return 0;
    return valor;
}

Rgb InterpretaColor(const QString& color) {
    const QString s = color.trimmed();
    const qsizetype p1 = s.indexOf(u';');
    if (p1 >= 0) {
        const QStringView v(s);
        const qsizetype p2 = s.indexOf(u';', p1 + 1);
        const double r = NumeroInicial(v.left(p1));
        const double g = NumeroInicial(v.mid(p1 + 1));
        const double b = p2 >= 0 ? NumeroInicial(v.mid(p2 + 1)) : g;
        return rgb(componente(r), componente(g), componente(b));
    }
    if (!s.isEmpty() && esDigito(s[0])) {
        const double v = std::clamp(std::nearbyint(NumeroInicial(s)), 0.0, double(0xFFFFFF));
        return static_cast<Rgb>(v);
    }
    const QString nombre = s.toUpper();
    for (const auto& c : kColores) {
        if (nombre == QStringView(c.nombre)) return c.color;
    }
    return 0;
}

qsizetype LongitudBloque(QStringView texto, QStringView abre, QStringView cierra,
                         qsizetype* inicio) {
    if (abre.isEmpty() || cierra.isEmpty()) return -1;
    const qsizetype p = texto.indexOf(abre);
    if (inicio) *inicio = p;
    if (p < 0) return -1;
    // One pass over the text: the next closing tag is kept until the search passes it, and
    // opening tags are only looked for before it.
    int profundidad = 1;
    qsizetype desde = p + abre.size();
    for (qsizetype c = texto.indexOf(cierra, desde); c >= 0;) {
        const qsizetype o = texto.first(c).indexOf(abre, desde);
        if (o >= 0) {
            ++profundidad;
            desde = o + abre.size();
            continue;
        }
        if (--profundidad == 0) return c + cierra.size() - p;
        desde = c + cierra.size();
        c = texto.indexOf(cierra, desde);
    }
    return -1;
}

QString ExtraeBloque(const QString& texto, const QString& abre, const QString& cierra) {
    qsizetype p = 0;
    const qsizetype n = LongitudBloque(texto, abre, cierra, &p);
    if (n < 0) {
        QString error = abre;
        error.append(kTextoError).append(cierra);
        return error;
    }
    return texto.mid(p, n);
}

void SeparaFigura(const QString& figura, QString& nombre, double& a, double& b) {
    const QString s = figura.trimmed();
    const qsizetype c1 = s.indexOf(u',');
    a = 0;
    b = 0;
    if (c1 < 0) {
        nombre = s;
        return;
    }
    nombre = s.left(c1);
    const QStringView v(s);
    a = NumeroInicial(v.mid(c1 + 1));
    const qsizetype c2 = s.indexOf(u',', c1 + 1);
    if (c2 >= 0) b = NumeroInicial(v.mid(c2 + 1));
}

} // namespace vornith::textengine
