// "#CEQ(" n "'" equation "'" cells "#CEQ)": a reaction equation laid out as a table. Row 1 is
// the equation, its terms in columns separated by drawn "+" signs and by the reaction arrow;
// rows 2..n hold the cells "#A" r c "(" ... "#A" r c ")", a label in column 1 and one cell under
// each term, each row ruled off from the one above.

#include "platform/cp1252.h"
#include "textengine/construct_table.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"
#include "textengine/markup.h"
#include "textengine/symbol_table.h"

#include <QList>

#include <algorithm>
#include <array>
#include <optional>

namespace vornith::textengine {

namespace {

constexpr int kMaxFilas = 9;
constexpr int kMaxColumnas = 9;
constexpr double kHueco = 0.67; // the gap between columns, times h

enum class Flecha { Ninguna, Derecha, Izquierda, Equilibrio };

struct Reaccion {
    int n = 0; // rows
    int L = 0; // column of the last left-hand term
    int K = 0; // columns: the label column and every term
    Flecha flecha = Flecha::Ninguna;
    std::array<std::array<QString, kMaxColumnas + 1>, kMaxFilas + 1> T; // T[r][c], from 1
};

QStringView SinBlancos(QStringView s) {
    while (!s.isEmpty() && s.front() == u' ')
        s = s.mid(1);
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

// The length of the markup token that begins `v` (not empty), read as the line processor reads
// it: a construct whole, a value tag up to its ":" (to the end when it has none, since the line
// ends there), a symbol tag, a two-character tag or literal. So an "=" or " + " inside a tag or
// inside a nested construct is never taken for a part of the equation's structure.
qsizetype LargoToken(const EstadoMotor& motor, QStringView v) {
    const QChar c = v[0];
    const QChar s = v.size() > 1 ? v[1] : QChar();
    if (c == u'#') {
        if (v.startsWith(u"#MARK")) return std::min<qsizetype>(9, v.size());
        if (BuscaConstruccion(v)) {
            const QStringView abre = v.left(5);
            const qsizetype largo = LongitudBloque(v, abre, CierreDe(abre));
            return largo > 0 ? largo : abre.size();
        }
        return s == u'#' ? 2 : 1;
    }
    if (c == u'&') {
        if (v.size() >= 3) {
            const QStringView tag = v.mid(1, 2);
            for (const QStringView valor : {u"FS", u"FN", u"FC", u"BC", u"LC", u"FF", u"SP"}) {
                if (tag == valor) {
                    const qsizetype fin = v.indexOf(u':');
                    return fin < 0 ? v.size() : fin + 1;
                }
            }
        }
        if (const int k = BuscaSimbolo(motor, v)) return motor.SimboloTag[k].size();
        const bool dos =
            s == u' ' || s == u'Q' || s == u'=' || s == u'#' || s == u'_' || s == u'&' || s == u'E';
        return dos ? 2 : 1;
    }
    if ((c == u'_' || c == u'^') && v.size() > 1) return 2;
    return 1;
}

// The reaction arrow of an equation: its form, where it starts and how long it is.
struct FormaFlecha {
    Flecha flecha = Flecha::Ninguna;
    qsizetype pos = -1;
    qsizetype largo = 0;
};

// Of the forms "&Q", "&ars", "&als", "=" and "==", the last in that order that occurs wins, at
// its first occurrence; only forms that stand as tokens of their own count.
FormaFlecha BuscaFlecha(const EstadoMotor& motor, QStringView eq) {
    qsizetype q = -1, ars = -1, als = -1, igual = -1, doble = -1;
    const auto primera = [](qsizetype& donde, qsizetype i) {
        if (donde < 0) donde = i;
    };
    for (qsizetype i = 0; i < eq.size();) {
        const QStringView v = eq.mid(i);
        qsizetype largo = LargoToken(motor, v);
        if (v.startsWith(u"&Q")) {
            primera(q, i);
        } else if (v.startsWith(u"&ars")) {
            primera(ars, i);
        } else if (v.startsWith(u"&als")) {
            primera(als, i);
        } else if (v.startsWith(u"==")) {
            primera(doble, i);
            largo = 2;
        } else if (v[0] == u'=') {
            primera(igual, i);
        }
        i += largo;
    }
    if (doble >= 0) return {Flecha::Equilibrio, doble, 2};
    if (igual >= 0) return {Flecha::Derecha, igual, 1};
    if (als >= 0) return {Flecha::Izquierda, als, 4};
    if (ars >= 0) return {Flecha::Derecha, ars, 4};
    if (q >= 0) return {Flecha::Equilibrio, q, 2};
    return {};
}

// One side of the equation split at every " + " that stands between tokens.
QList<QStringView> Terminos(const EstadoMotor& motor, QStringView lado) {
    QList<QStringView> terminos;
    qsizetype desde = 0;
    for (qsizetype i = 0; i < lado.size();) {
        const QStringView v = lado.mid(i);
        if (v.startsWith(u" + ")) {
            terminos.append(lado.mid(desde, i - desde));
            i += 3;
            desde = i;
        } else {
            i += LargoToken(motor, v);
        }
    }
    terminos.append(lado.mid(desde));
    return terminos;
}

// Fills row 1 from column `c` with the terms, each trimmed and set between two blanks, so that
// the signs between the columns stand as clear of the last term of a side as of the others.
// Returns the last column filled.
int FilaEcuacion(Reaccion& r, int c, const QList<QStringView>& terminos) {
    for (const QStringView termino : terminos) {
        const QStringView t = SinBlancos(termino);
        r.T[1][c++] = t.isEmpty() ? QString() : u' ' + t.toString() + u' ';
    }
    return c - 1;
}

// The table of a construct, or nullopt when it cannot be laid out: no row count, no equation
// between apostrophes, or more columns than the table holds.
std::optional<Reaccion> Analiza(const EstadoMotor& motor, const QString& texto) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#CEQ(");
    if (!cuerpo || cuerpo->isEmpty()) return std::nullopt;
    Reaccion r;
    const QChar digito = cuerpo->front();
    r.n = digito >= u'0' && digito <= u'9' ? digito.unicode() - u'0' : 0;
    if (r.n == 0) return std::nullopt;

    QString s = cuerpo->mid(1).toString();
    // An apostrophe inside a nested construct (a picture's file name) does not end the equation.
    const qsizetype p1 = BuscaSeparador(s, u"'");
    const qsizetype largoEq = p1 < 0 ? -1 : BuscaSeparador(QStringView(s).mid(p1 + 1), u"'");
    if (largoEq < 0) return std::nullopt;
    const QStringView eq = SinBlancos(QStringView(s).mid(p1 + 1, largoEq));

    const FormaFlecha forma = BuscaFlecha(motor, eq);
    r.flecha = forma.flecha;
    const QStringView izquierda = forma.pos < 0 ? QStringView() : eq.left(forma.pos);
    const QStringView derecha = forma.pos < 0 ? QStringView() : eq.mid(forma.pos + forma.largo);
    const QList<QStringView> terminosIzq = Terminos(motor, izquierda);
    const QList<QStringView> terminosDer = Terminos(motor, derecha);
    if (1 + terminosIzq.size() + terminosDer.size() > kMaxColumnas) return std::nullopt;
    r.T[1][1] = QStringLiteral(" ");
    r.L = FilaEcuacion(r, 2, terminosIzq);
    r.K = FilaEcuacion(r, r.L + 1, terminosDer);
    s.remove(p1, largoEq + 2);

    // Each cell is taken out where it stands, so that one cell missing or out of order does not
    // spoil the others; a missing one shows the red error mark.
    for (int f = 2; f <= r.n; ++f) {
        for (int c = 1; c <= r.K; ++c) {
            const QString tag = QStringLiteral("#A") + QChar(u'0' + f) + QChar(u'0' + c);
            qsizetype inicio = 0;
            const qsizetype largo = LongitudBloque(s, tag + u'(', tag + u')', &inicio);
            if (largo < 0) {
                r.T[f][c] = u' ' + kTextoError.toString() + u' ';
                continue;
            }
            r.T[f][c] = u' ' + QStringView(s).mid(inicio + 5, largo - 10).toString() + u' ';
            s.remove(inicio, largo);
        }
    }
    return r;
}

// The extents of the rows and columns, from the measured boxes of the cells.
struct Medidas {
    std::array<double, kMaxFilas + 1> arriba{}; // up(r): above a row's axis
    std::array<double, kMaxFilas + 1> abajo{};  // down(r): below it
    std::array<double, kMaxColumnas + 1> ancho{};
    double W = 0;
};

int Parte(const Reaccion& r, int f, int c) {
    return (f - 1) * r.K + c;
}

Medidas Mide(const EstadoMotor& motor, int e, const Reaccion& r, double h) {
    Medidas m;
    for (int f = 1; f <= r.n; ++f) {
        for (int c = 1; c <= r.K; ++c) {
            const CajaElemento& b = CajaParte(motor, e, Parte(r, f, c));
            m.arriba[f] = std::max(m.arriba[f], b.Ascenso + b.AltoSobre);
            m.abajo[f] = std::max(m.abajo[f], b.Alto - b.Ascenso);
            m.ancho[c] = std::max(m.ancho[c], b.Ancho + b.DespIzq);
        }
    }
    m.W = kHueco * h * (r.K - 1);
    for (int c = 1; c <= r.K; ++c)
        m.W += m.ancho[c];
    return m;
}

// The arrow between the last left-hand term and the first right-hand one, centred at `x`; the
// top of that term is at `yq`.
void DibujaFlecha(const EstadoMotor& motor, Surface& d, const Reaccion& r, const QString& fuente,
                  double x, double yq, double h) {
    if (r.flecha == Flecha::Derecha || r.flecha == Flecha::Izquierda) {
        const QString flecha(cp1252Char(r.flecha == Flecha::Derecha ? 174 : 172));
        d.setFontName(QStringLiteral("Symbol"));
        d.setCurrentX(x - d.textWidth(flecha) / 2);
        d.print(flecha);
        // Going through another name makes the change back to the saved name take effect.
        d.setFontName(QStringLiteral("Courier New"));
        d.setFontName(fuente);
    } else if (r.flecha == Flecha::Equilibrio) {
        // Two harpoons 240 twips long at zoom 1, whatever the font size.
        const double z = motor.Zoom;
        const double x1 = x - 120 * z;
        FijaPluma(d, std::max(0.05 * h, 1.0));
        d.lineBy(x1, yq + h / 2.5, 240 * z, 0);
        d.lineBy(x1 + 240 * z, yq + h / 2.5, -60 * z, -50 * z);
        d.lineBy(x1, yq + h / 1.7, 240 * z, 0);
        d.lineBy(x1, yq + h / 1.7, 60 * z, 50 * z);
        d.setCurrentY(yq);
        d.setDrawWidth(1);
    }
}

} // namespace

void DibujaReaccion(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<Reaccion> analisis = Analiza(motor, texto);
    if (!analisis) {
        DibujaError(motor, texto, destino);
        return;
    }
    const Reaccion& r = *analisis;
    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const double h = AltoTexto(destino);

    if (Midiendo(motor)) {
        // Every cell starts from the construct's font, in both passes alike, so that a font
        // change inside one cell reaches neither the next cell nor the signs between them.
        for (int f = 1; f <= r.n; ++f) {
            for (int c = 1; c <= r.K; ++c) {
                marco.fuente.restaura(destino);
                ParteConstruccion(motor, e, Parte(r, f, c), r.T[f][c], destino);
            }
        }
        marco.fuente.restaura(destino);
        const Medidas m = Mide(motor, e, r, h);
        if (r.n == 1) {
            // The box of the whole row, its axis on the row's axis.
            EscribeCaja(motor, e, 0, m.W, 0, m.arriba[1], m.arriba[1] + m.abajo[1], texto);
        } else {
            double alto = 0.59 * h * (r.n - 1);
            for (int f = 1; f <= r.n; ++f)
                alto += m.arriba[f] + m.abajo[f];
            EscribeCaja(motor, e, 0, m.W, 0, (r.n - 1) * h / 2 + 0.7 * h, alto, texto);
        }
        return;
    }

    const Medidas m = Mide(motor, e, r, h);
    const double x0 = marco.X0;
    double yb = marco.Y0 + m.arriba[1]; // the axis of the row
    for (int f = 1; f <= r.n; ++f) {
        if (f > 1) yb += 0.59 * h + m.arriba[f];
        double xc = x0;
        for (int c = 1; c <= r.K; ++c) {
            const CajaElemento b = CajaParte(motor, e, Parte(r, f, c));
            marco.fuente.restaura(destino);
            destino.setCurrentY(yb - b.Ascenso);
            // The signs of row 1 stand in the middle of the gap before their column, so that
            // they keep clear of the terms on both sides.
            const double medio = xc + b.DespIzq - kHueco * h / 2;
            if (f == 1 && c > 2 && c != r.L + 1) {
                destino.setCurrentX(medio - destino.textWidth(QStringLiteral("+")) / 2);
                destino.print(QStringLiteral("+"));
            }
            if (f == 1 && c == r.L + 1)
                DibujaFlecha(motor, destino, r, marco.fuente.nombre(), medio, yb - b.Ascenso, h);
            // Labels are left-aligned, the other cells centred in their column.
            destino.setCurrentX(c == 1 ? xc + b.DespIzq : xc + (m.ancho[c] - b.Ancho) / 2);
            ParteConstruccion(motor, e, Parte(r, f, c), r.T[f][c], destino);
            xc += m.ancho[c] + kHueco * h;
        }
        FijaPluma(destino, std::max(0.05 * h, 1.0));
        if (f < r.n) destino.lineBy(x0, yb + 0.59 * h, m.W, 0, motor.ColorLinea);
        destino.setDrawWidth(1);
    }
    marco.fuente.restaura(destino);
}

} // namespace vornith::textengine
