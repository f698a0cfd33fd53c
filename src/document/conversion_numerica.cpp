#include "document/conversion_numerica.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace vornith::document {

namespace {

bool esCifra(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool esBlancoInicial(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Reads the longest number at `pos` into `ascii` (exponent letter as "e"); the position behind
// it, and whether any digit of the mantissa was seen.
struct Lectura {
    qsizetype fin = 0;
    bool hayCifras = false;
};

Lectura LeeNumero(QStringView t, qsizetype pos, std::string& ascii) {
    Lectura r;
    const qsizetype n = t.size();
    if (pos < n && (t[pos] == u'+' || t[pos] == u'-')) {
        if (t[pos] == u'-') ascii.push_back('-');
        ++pos;
    }
    for (; pos < n && esCifra(t[pos]); ++pos) {
        ascii.push_back(static_cast<char>(t[pos].unicode()));
        r.hayCifras = true;
    }
    if (pos < n && t[pos] == u'.') {
        ascii.push_back('.');
        ++pos;
        for (; pos < n && esCifra(t[pos]); ++pos) {
            ascii.push_back(static_cast<char>(t[pos].unicode()));
            r.hayCifras = true;
        }
    }
    if (r.hayCifras && pos < n &&
        (t[pos] == u'E' || t[pos] == u'e' || t[pos] == u'D' || t[pos] == u'd')) {
        // The exponent only counts when digits follow it.
        qsizetype p = pos + 1;
        std::string exponente = "e";
        if (p < n && (t[p] == u'+' || t[p] == u'-')) {
            exponente.push_back(static_cast<char>(t[p].unicode()));
            ++p;
        }
        const qsizetype inicioCifras = p;
        for (; p < n && esCifra(t[p]); ++p)
            exponente.push_back(static_cast<char>(t[p].unicode()));
        if (p > inicioCifras) {
            ascii += exponente;
            pos = p;
        }
    }
    r.fin = pos;
    return r;
}

// Whether an out-of-range number is too large (rather than too small): the decimal place of its
// first significant digit plus its exponent.
bool EsDemasiadoGrande(const std::string& ascii) {
    long long lugar = 0;
    bool significativa = false;
    bool trasPunto = false;
    std::size_t i = 0;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            trasPunto = true;
        } else if (c >= '0' && c <= '9') {
            if (!trasPunto && (significativa || c != '0')) {
                if (significativa) ++lugar;
                significativa = true;
            } else if (trasPunto && !significativa) {
                --lugar;
                if (c != '0') significativa = true;
            }
        }
    }
    long long exponente = 0;
    bool negativo = false;
    for (++i; i < ascii.size(); ++i) {
        if (ascii[i] == '-') negativo = true;
        if (ascii[i] >= '0' && ascii[i] <= '9' && exponente < 1000000000)
            exponente = exponente * 10 + (ascii[i] - '0');
    }
    return lugar + (negativo ? -exponente : exponente) > 0;
}

std::optional<double> Convierte(const std::string& ascii) {
    double valor = 0;
    const char* inicio = ascii.data();
    const char* fin = inicio + ascii.size();
    const auto [ptr, ec] = std::from_chars(inicio, fin, valor);
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is an overflow.
        if (ptr == fin && !EsDemasiadoGrande(ascii)) return 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != fin || !std::isfinite(valor)) return std::nullopt;
    return valor;
}

// Half to even, as the conversions of whole numbers round.
double RedondeaPar(double x) {
    const double abajo = std::floor(x);
    const double resto = x - abajo;
    if (resto > 0.5) return abajo + 1;
    if (resto < 0.5) return abajo;
    return std::fmod(abajo, 2.0) == 0 ? abajo : abajo + 1;
}

} // namespace

std::optional<double> ValorNumerico(QStringView texto) {
    qsizetype pos = 0;
    while (pos < texto.size() && esBlancoInicial(texto[pos]))
        ++pos;
    std::string ascii;
    const Lectura r = LeeNumero(texto, pos, ascii);
    if (!r.hayCifras) return 0.0;
    return Convierte(ascii);
}

std::optional<std::int16_t> EnteroCorto(QStringView texto) {
    const QStringView t = SinBlancos(texto);
    std::string ascii;
    const Lectura r = LeeNumero(t, 0, ascii);
    if (!r.hayCifras || r.fin != t.size()) return std::nullopt;
    const std::optional<double> valor = Convierte(ascii);
    if (!valor) return std::nullopt;
    const double redondo = RedondeaPar(*valor);
    if (redondo < std::numeric_limits<std::int16_t>::min() ||
        redondo > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(redondo);
}

std::optional<std::int32_t> EnteroLargo(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const double redondo = RedondeaPar(x);
    if (redondo < std::numeric_limits<std::int32_t>::min() ||
        redondo > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(redondo);
}

QString Decimal(std::int64_t n) {
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
    return QString::fromLatin1(buffer, ptr - buffer);
}

QString NumeroConBlanco(std::int32_t n) {
    return n < 0 ? Decimal(n) : QStringLiteral(" ") + Decimal(n);
}

QString CifrasFijas(std::int64_t n, int ancho) {
    // The magnitude as unsigned, so that the most negative value has digits too.
    const std::uint64_t magnitud =
        n < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitud);
    const QString cifras = QString::fromLatin1(buffer, ptr - buffer);
    if (cifras.size() >= ancho) return cifras.right(ancho);
    return QString(ancho - cifras.size(), u'0') + cifras;
}

namespace {

template <typename Vista> Vista SinBlancosEn(Vista texto) {
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto[inicio] == u' ')
        ++inicio;
    while (fin > inicio && texto[fin - 1] == u' ')
        --fin;
    return texto.sliced(inicio, fin - inicio);
}

} // namespace

QStringView SinBlancos(QStringView texto) {
    return SinBlancosEn(texto);
}

QByteArrayView SinBlancos(QByteArrayView texto) {
    return SinBlancosEn(texto);
}

QString AnchoFijo(const QString& texto, int ancho) {
    if (texto.size() >= ancho) return texto.left(ancho);
    return texto + QString(ancho - texto.size(), u' ');
}

} // namespace vornith::document
