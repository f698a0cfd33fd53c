#include "lectura_polinomios.h"

#include "generated_text.h"

#include <QRegularExpression>

namespace vornith::test {

namespace {

// One term without its sign: "3&+It&-I^2", "&+It&-I", "5", "2&.5".
std::optional<std::pair<int, double>> leeTermino(const QString& termino) {
    static const QRegularExpression forma(
        QStringLiteral("^(\\d+(?:&\\.\\d+)?)?(&\\+It&-I(?:\\^([23]))?)?$"));
    const QRegularExpressionMatch m = forma.match(termino);
    if (!m.hasMatch() || termino.isEmpty()) return std::nullopt;
    const bool conNumero = m.hasCaptured(1);
    const bool conT = m.hasCaptured(2);
    const int grado = !conT ? 0 : m.hasCaptured(3) ? m.captured(3).toInt() : 1;
    return std::pair{grado, conNumero ? valorMarkup(m.captured(1)) : 1.0};
}

// A component after its sign: empty for a unit coefficient, a number, or a polynomial with
// or without parentheses.
std::optional<ComponenteLeida> leeCuerpo(const QString& cuerpo, double signo) {
    ComponenteLeida c;
    QString s = cuerpo;
    if (s.isEmpty()) {
        c.valor.c[0] = signo;
        return c;
    }
    if (s.startsWith(u'(') && s.endsWith(u')')) {
        c.parentesis = true;
        s = s.mid(1, s.size() - 2);
    }
    const std::optional<PolinomioT> p = leePolinomio(s);
    if (!p) return std::nullopt;
    c.valor = *p;
    for (double& k : c.valor.c)
        k *= signo;
    return c;
}

// A component that may begin with "-" (the first written term).
std::optional<ComponenteLeida> leePrimera(const QString& s) {
    return s.startsWith(u'-') ? leeCuerpo(s.mid(1), -1) : leeCuerpo(s, 1);
}

// A component after an earlier one: " + body" or " - body".
std::optional<ComponenteLeida> leeSiguiente(const QString& s) {
    if (s.startsWith(QLatin1String(" + "))) return leeCuerpo(s.mid(3), 1);
    if (s.startsWith(QLatin1String(" - "))) return leeCuerpo(s.mid(3), -1);
    return std::nullopt;
}

} // namespace

std::optional<PolinomioT> leePolinomio(const QString& texto) {
    QString s = texto;
    s.replace(QLatin1String("& "), QLatin1String(" "));
    if (s.isEmpty()) return std::nullopt;
    PolinomioT p;
    std::array<bool, 4> visto{};
    double signo = 1;
    if (s.startsWith(u'-')) {
        signo = -1;
        s = s.mid(1);
    }
    for (;;) {
        const qsizetype mas = s.indexOf(QLatin1String(" + "));
        const qsizetype menos = s.indexOf(QLatin1String(" - "));
        qsizetype corte = mas < 0 ? menos : menos < 0 ? mas : std::min(mas, menos);
        const auto termino = leeTermino(corte < 0 ? s : s.left(corte));
        if (!termino || visto[termino->first]) return std::nullopt;
        visto[termino->first] = true;
        p.c[termino->first] = signo * termino->second;
        if (corte < 0) return p;
        signo = s[corte + 1] == u'-' ? -1 : 1;
        s = s.mid(corte + 3);
    }
}

std::optional<VectorLeido> leeVector(const QString& texto) {
    QString s = texto;
    s.replace(QLatin1String("& "), QLatin1String(" "));
    VectorLeido v;
    if (s == QLatin1String("#VEC(0#VEC)")) return v;
    const QString unidadI = QStringLiteral(" #VED(&+B i &-B#VED)");
    const QString unidadJ = QStringLiteral(" #VED(&+B j &-B#VED)");
    if (!s.endsWith(unidadI) && !s.endsWith(unidadJ)) return std::nullopt;

    const qsizetype posI = s.indexOf(unidadI);
    QString resto = s;
    if (posI >= 0) {
        const auto i = leePrimera(s.left(posI));
        if (!i) return std::nullopt;
        v.i = *i;
        resto = s.mid(posI + unidadI.size());
    }
    if (resto.isEmpty()) return v;
    if (!resto.endsWith(unidadJ)) return std::nullopt;
    resto.chop(unidadJ.size());
    const auto j = posI >= 0 ? leeSiguiente(resto) : leePrimera(resto);
    if (!j) return std::nullopt;
    v.j = *j;
    return v;
}

std::optional<QString> entre(const QString& texto, const QString& antes, const QString& despues) {
    const qsizetype a = texto.indexOf(antes);
    if (a < 0) return std::nullopt;
    const qsizetype inicio = a + antes.size();
    const qsizetype b = texto.indexOf(despues, inicio);
    if (b < 0) return std::nullopt;
    return texto.mid(inicio, b - inicio);
}

} // namespace vornith::test
