#include "generation/number_services.h"

#include "generation/module_interface.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vornith::generation {

namespace {

// Draws that may fail the non-zero test before Aleatorio gives up.
constexpr int kMaxSorteos = 100000;

// How far outside [-1, 1] a cosine may stray by rounding and still count as +-1.
constexpr double kRuidoCoseno = 1e-12;

void exigeFinito(double x) {
    if (!std::isfinite(x))
        throw FalloGeneracion(kFalloDesbordamiento,
                              QStringLiteral("Desbordamiento: valor numérico no finito"));
}

int cuentaDigitos(const QString& s) {
    int n = 0;
    for (const QChar c : s)
        if (c >= u'0' && c <= u'9') ++n;
    return n;
}

} // namespace

QString RecortaBlancos(const QString& s) {
    qsizetype start = 0;
    qsizetype end = s.size();
    while (start < end && s[start] == u' ')
        ++start;
    while (end > start && s[end - 1] == u' ')
        --end;
    return s.mid(start, end - start);
}

std::optional<double> Aleatorio(RandomSource& rng, double min, double max, double step,
                                double noCero) {
    const double range = max - min;
    if (range == 0) return min;
    const bool continuo = std::fabs(step / range) <= 1e-6;
    for (int sorteos = 1; sorteos <= kMaxSorteos; ++sorteos) {
        const double r = rng.next();
        double v = 0;
        if (continuo) {
            v = (max - min) * r + min;
        } else {
            const double n = range / step;
            v = std::floor(r * n + 0.5) * step + min;
        }
        v = LimpiaEntero(v);
        if (noCero == 0 || v != 0) return v;
    }
    return std::nullopt;
}

double Generador::Aleatorio(double min, double max, double step, double noCero) {
    return generation::Aleatorio(rng_, min, max, step, noCero).value_or(0.0);
}

double Redondea(double x, double n) {
    // A value that is already not finite is passed on, so that the text service it reaches
    // reports the failure instead of a silent 0.
    if (!std::isfinite(x)) return x;
    const double p = std::pow(10.0, -1.0 - n);
    const double r = std::floor(x * p + 0.5) / p;
    return std::isfinite(r) ? r : 0.0;
}

double LimpiaEntero(double x) {
    const double m = std::floor(x + 0.5);
    return std::floor(x * 1e7 + 0.5) == m * 1e7 ? m : x;
}

QString TextoPlano(double x) {
    exigeFinito(x);
    if (x == 0) x = 0.0; // no "-0"
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::general, 15);
    QString s = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    s.replace(u'e', u'E');
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

QString TextoNumero(double x) {
    exigeFinito(x);
    QString s = TextoPlano(std::fabs(x));
    if (s.startsWith(u'.')) s.prepend(u'0');
    const qsizetype e = s.indexOf(u'E');
    if (e >= 0) {
        QString exponente = s.mid(e + 1);
        s = s.left(e) + QLatin1String("&E");
        if (exponente.startsWith(u'-')) {
            s += u'-';
            exponente.remove(0, 1);
        }
        if (exponente.startsWith(u'0')) exponente.remove(0, 1);
        s += exponente;
    }
    if (x < 0) s.prepend(u'-');
    s.replace(QLatin1String("."), QLatin1String("&."));
    return s;
}

QString TextoCifras(double x, double n) {
    exigeFinito(x);
    if (x == 0) return QStringLiteral("0");
    const double a = std::fabs(x);
    // The quotient of logarithms, not log10: an exact power of ten may come out one too low,
    // and the exponent form below is written for that.
    const double e = std::floor(std::log(a) / std::log(10.0));
    if (a >= 0.01 && a < 100000) return TextoNumero((x < 0 ? -1 : 1) * Redondea(a, e - n));

    QString s = TextoNumero(Redondea(a, e - n) / std::pow(10.0, e));
    if (n >= 2 && !s.contains(QLatin1String("&."))) s += QLatin1String("&.");
    // Bounded so that an absurd figure count cannot build an endless text.
    for (int digitos = cuentaDigitos(s); digitos < n && digitos < 64; ++digitos)
        s += u'0';
    s += QLatin1String("&E") + TextoPlano(e);
    if (x < 0) s.prepend(u'-');
    return s;
}

QString TextoPolinomio(double a4, double a3, double a2, double a1, double a0,
                       const QString& variable) {
    const QString x = variable.isEmpty() ? QStringLiteral("&+Ix&-I") : variable;
    const std::array<double, 5> coeficientes = {a4, a3, a2, a1, a0};
    QString s;
    bool hayMayor = false;
    for (int i = 0; i < 5; ++i) {
        const double c = coeficientes[static_cast<std::size_t>(i)];
        exigeFinito(c);
        if (c == 0) continue;
        const int grado = 4 - i;
        if (c < 0)
            s += QLatin1String(" -");
        else if (hayMayor)
            s += QLatin1String(" +");
        if (hayMayor) s += u' ';
        if (std::fabs(c) != 1 || grado == 0) s += TextoPlano(std::fabs(c));
        if (grado >= 2)
            s += x + u'^' + QString::number(grado);
        else if (grado == 1)
            s += x;
        hayMayor = true;
    }
    if (!hayMayor) return QStringLiteral("0");
    s = RecortaBlancos(s);
    s.replace(QLatin1String(" "), QLatin1String("& "));
    s.replace(QLatin1String("."), QLatin1String("&."));
    return s;
}

QString TextoVector(double x, double y, double z, const QString& tx, const QString& ty,
                    const QString& tz) {
    const auto limpio = [](const QString& t) { return t == QLatin1String("0") ? QString() : t; };
    const std::array<double, 3> valores = {x, y, z};
    const std::array<QString, 3> textos = {limpio(tx), limpio(ty), limpio(tz)};
    const std::array<QLatin1String, 3> unitarios = {QLatin1String(" #VED(&+B i &-B#VED)"),
                                                    QLatin1String(" #VED(&+B j &-B#VED)"),
                                                    QLatin1String(" #VEC(&+B k &-B#VEC)")};

    QString s;
    QString mas;
    QString menos = QStringLiteral("-");
    for (std::size_t i = 0; i < 3; ++i) {
        QString texto = textos[i];
        const double v = valores[i];
        bool escrito = false;
        if (!texto.isEmpty()) {
            // The first component keeps its own sign; the others have theirs turned into
            // the joining sign.
            if (i > 0) {
                if (texto.startsWith(u'-')) {
                    s += menos;
                    texto.remove(0, 1);
                } else {
                    s += mas;
                }
            }
            s += texto;
            escrito = true;
        } else {
            exigeFinito(v);
            if (v != 0) {
                s += v < 0 ? menos : mas;
                if (std::fabs(v) != 1) s += TextoPlano(std::fabs(v));
                escrito = true;
            }
        }
        if (escrito) {
            s += unitarios[i];
            mas = QStringLiteral(" + ");
            menos = QStringLiteral(" - ");
        }
    }
    if (s.isEmpty()) s = QStringLiteral("#VEC(0#VEC)");
    s.replace(QLatin1String("& "), QLatin1String(" "));
    s.replace(QLatin1String(" "), QLatin1String("& "));
    s.replace(QLatin1String("&."), QLatin1String("."));
    s.replace(QLatin1String("."), QLatin1String("&."));
    return s;
}

double ArcoCoseno(double x) {
    if (std::isnan(x)) return x; // passed on, to fail where it becomes text
    if (std::fabs(x) > 1 && std::fabs(x) - 1 <= kRuidoCoseno) x = x > 0 ? 1.0 : -1.0;
    if (std::fabs(x) == 1) return (PI / 2) * (1 - x);
    if (std::fabs(x) < 1) return PI / 2 - std::atan(x / std::sqrt(1 - x * x));
    return 0;
}

} // namespace vornith::generation
