// Ring structures "#BCV(", "#BCH(" and "#A3V(" to "#A9D(": a regular polygon centred on the
// line's baseline, groups of atoms printed beside its vertices and joined to them by bond lines,
// double and triple bonds drawn inside along chosen edges, and an inner circle for "#B".
//
// Content: vertex codes (characters 1..n: "S" single or "D" double bond to the vertex's group),
// edge codes after "&EC=" ("D" double, "T" triple), groups "#Rj(" ... "#Rj)" for vertex j.

#include "textengine/drawers/bloque_interior.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace vornith::textengine {

namespace {

constexpr int kMaxVertices = 9;

QChar caracter(QStringView texto, qsizetype i) {
    return i >= 0 && i < texto.size() ? texto[i] : QChar();
}

// The start angle of an orientation, clockwise from straight up: "V" a vertex on top, "H" and
// "L" an edge on top, "I" the first vertex leftmost, "D" the first vertex rightmost.
std::optional<double> AnguloInicial(QChar orientacion, double delta, double pi) {
    switch (orientacion.unicode()) {
    case u'V':
        return 0.0;
    case u'H':
    case u'L':
        return delta / 2;
    case u'I':
        return -pi / 2;
    case u'D':
        return pi / 2;
    default:
        return std::nullopt;
    }
}

struct Contenido {
    QString vertices;                                // vertex codes, by position
    QString aristas;                                 // what follows "&EC="
    std::array<QString, kMaxVertices + 1> etiquetas; // groups of vertices 1..n
};

Contenido Lee(QStringView cuerpo, int n) {
    Contenido c;
    const QStringView contenido = cuerpo.trimmed();
    c.vertices = contenido.left(n).toString();
    const qsizetype p = BuscaSeparador(contenido, u"&EC=");
    if (p >= 0) c.aristas = contenido.mid(p + 4, n).toString();
    for (int j = 1; j <= n; ++j) {
        const QChar digito(u'0' + j);
        const QString abre = QStringLiteral("#R") + digito + u'(';
        const QString cierra = QStringLiteral("#R") + digito + u')';
        if (const auto bloque = BuscaBloqueInterior(contenido, abre, cierra))
            c.etiquetas[static_cast<std::size_t>(j)] = bloque->contenido;
    }
    return c;
}

struct Segmento {
    double x1, y1, x2, y2;
};

// Where the ring stands and how its groups and bonds are placed, in one font. Positions are
// absolute in the drawing pass; in the measuring pass they are taken from (0, 0), the box's
// origin, to find how far the drawing reaches.
struct Geometria {
    double pi, delta, phi;
    double h, b, s1, s2, R;
    double xl = 0, xr = 0, top = 0, bottom = 0; // the ring's reach from its centre
    double cx = 0, cy = 0;

    double theta(int j) const { return (j - 1) * delta + phi; }
    // theta(j) in degrees, within [0, 360).
    double grados(int j) const {
        double a = theta(j) * 180 / pi;
        if (a < 0) a += 360;
        if (a >= 360) a -= 360;
        return a;
    }
    double vx(int j) const { return cx + R * std::sin(theta(j)); }
    double vy(int j) const { return cy - R * std::cos(theta(j)); }
    std::array<double, 2> punto(int k, double radio) const {
        const double a = k * delta + phi;
        return {cx + radio * std::sin(a), cy - radio * std::cos(a)};
    }

    // The top left of group j's text line: above, beside or below its vertex.
    std::array<double, 2> posicionGrupo(int j, const CajaElemento& L) const {
        const double tau = std::sqrt(0.501);
        const double c = std::cos(theta(j));
        const double s = std::sin(theta(j));
        if (c > tau) return {vx(j) - 0.3 * h + L.DespIzq, vy(j) - 0.45 * h - L.Alto};
        if (c >= -tau && s >= 0) return {vx(j) + 0.7 * h + L.DespIzq, vy(j) - 0.55 * h};
        if (c >= -tau) return {vx(j) - 0.65 * h - L.Ancho, vy(j) - 0.55 * h};
        return {vx(j) - 0.3 * h + L.DespIzq, vy(j) + 0.5 * h + L.AltoSobre};
    }

    // The bond lines from vertex j to its group, by the direction of the vertex.
    std::vector<Segmento> enlaces(int j, bool doble, const CajaElemento& L) const {
        std::vector<Segmento> r;
        auto linea = [&r](double x, double y, double dx, double dy) {
            r.push_back({x, y, x + dx, y + dy});
        };
        const double A = grados(j);
        const double x = vx(j);
        const double y = vy(j);
        const double dh = 0.075 * h; // half the gap of a double bond
        const double dv = 0.13 * h;  // the stagger of a slanted double bond
        const double u = 0.15 * h + L.Alto - L.Ascenso;
        const double w = s2 + L.Alto - L.Ascenso;
        const double z = L.AltoSobre;
        // The rows overlap at exactly 359 degrees, where both draw.
        if (A >= 359 || A <= 1) {
            if (doble) {
                linea(x - dh, y, 0, -u);
                linea(x + dh, y, 0, -u);
            } else {
                linea(x, y, 0, -u);
            }
        }
        if (A > 1 && A <= 44) {
            if (doble) {
                linea(x - dh, y, 0, -w);
                linea(x + dh, y + dv, 0, -(w + dv));
            } else {
                linea(x, y, 0, -w);
            }
        }
        if (A > 44 && A <= 136) {
            if (doble) {
                linea(x, y - dh, 0.6 * h, 0);
                linea(x, y + dh, 0.6 * h, 0);
            } else {
                linea(x, y, 0.6 * h, 0);
            }
        }
        if (A > 136 && A <= 179) {
            if (doble) {
                linea(x - dh, y, 0, 0.6 * h + s2 + z);
                linea(x + dh, y - dv, 0, 0.58 * h + s2 + z);
            } else {
                linea(x, y, 0, 0.6 * h + s2 + z);
            }
        }
        if (A > 179 && A <= 181) {
            if (doble) {
                linea(x - dh, y, 0, 0.58 * h + z);
                linea(x + dh, y, 0, 0.58 * h + z);
            } else {
                linea(x, y, 0, 0.54 * h + z);
            }
        }
        if (A > 181 && A <= 224) {
            if (doble) {
                linea(x - dh, y - dv, 0, 0.58 * h + s2 + z);
                linea(x + dh, y, 0, 0.45 * h + s2 + z);
            } else {
                linea(x, y, 0, 0.45 * h + s2 + z);
            }
        }
        if (A > 224 && A <= 316) {
            if (doble) {
                linea(x, y - dh, -0.6 * h, 0);
                linea(x, y + dh, -0.6 * h, 0);
            } else {
                linea(x, y, -0.6 * h, 0);
            }
        }
        if (A > 316 && A <= 359) {
            if (doble) {
                linea(x - dh, y + dv, 0, -(w + dv));
                linea(x + dh, y, 0, -w);
            } else {
                linea(x, y, 0, -w);
            }
        }
        return r;
    }
};

// The bond kind of vertex j: "S" single, "D" double; nullopt for none.
std::optional<bool> EnlaceDoble(const Contenido& c, int j) {
    const QChar codigo = caracter(c.vertices, j - 1);
    if (codigo == u'S') return false;
    if (codigo == u'D') return true;
    return std::nullopt;
}

// Grows a box given by its edges (left, top, right, bottom) to hold a point.
void Cubre(std::array<double, 4>& caja, double x, double y) {
    caja[0] = std::min(caja[0], x);
    caja[1] = std::min(caja[1], y);
    caja[2] = std::max(caja[2], x);
    caja[3] = std::max(caja[3], y);
}

} // namespace

void DibujaAnillo(EstadoMotor& motor, const QString& texto, Surface& destino, int vertices,
                  bool circulo, QChar orientacion) {
    const int n = vertices;
    const double pi = motor.PI;
    const double delta = n > 0 ? 2 * pi / n : 0;
    const std::optional<double> fase = AnguloInicial(orientacion, delta, pi);
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, QStringView(texto).left(5));
    if (!cuerpo || !fase || n < 3 || n > kMaxVertices) {
        DibujaError(motor, texto, destino);
        return;
    }
    const Contenido c = Lee(*cuerpo, n);
    auto grupo = [&c](int j) -> const QString& { return c.etiquetas[static_cast<std::size_t>(j)]; };

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const Rgb color = destino.foreColor();
    Geometria g{pi, delta, *fase, 0, 0, 0, 0, 0};
    g.h = AltoTexto(destino);
    g.b = kFraccionEje * g.h;
    g.s1 = std::max(0.0323 * g.h, PixelMinimo(motor));
    g.s2 = std::max(0.05 * g.h, PixelMinimo(motor));
    g.R = std::max(1.5 * g.h, PixelMinimo(motor));
    for (int j = 1; j <= n; ++j) {
        g.xl = std::max(g.xl, -g.R * std::sin(g.theta(j)));
        g.xr = std::max(g.xr, g.R * std::sin(g.theta(j)));
        g.top = std::max(g.top, g.R * std::cos(g.theta(j)));
        g.bottom = std::max(g.bottom, -g.R * std::cos(g.theta(j)));
    }
    g.cx = marco.X0 + g.xl;
    g.cy = marco.Y0 + g.b;

    if (Midiendo(motor)) {
        double up = 0, right = 0, down = 0, left = 0;
        for (int j = 1; j <= n; ++j) {
            if (grupo(j).isEmpty()) continue;
            ParteConstruccion(motor, e, j, grupo(j), destino);
            const CajaElemento& L = CajaParte(motor, e, j);
            const double A = g.grados(j);
            if (A <= 44 || A >= 316) {
                up = std::max(up, L.AltoSobre + L.Alto + 0.3 * g.R);
            } else if (A <= 136) {
                right = std::max(right, L.DespIzq + L.Ancho + 0.5 * g.R);
            } else if (A <= 224) {
                down = std::max(down, L.AltoSobre + L.Alto + 0.3 * g.R);
            } else {
                left = std::max(left, L.DespIzq + L.Ancho + 0.5 * g.R);
            }
        }
        marco.fuente.restaura(destino);
        // The box takes the ring's reach on both sides across and its taller half above and
        // below, the room of the groups on their sides, and then grows to hold whatever else
        // the groups and their bonds reach, so that it covers the whole drawing.
        const double mitad = std::max(g.top, g.bottom);
        std::array<double, 4> caja = {-left, -(mitad - g.b + g.s2 + up),
                                      g.xl + std::max(g.xl, g.xr) + g.s2 + right,
                                      mitad + g.b + g.s2 + down};
        for (int j = 1; j <= n; ++j) {
            if (grupo(j).isEmpty()) continue;
            const CajaElemento& L = CajaParte(motor, e, j);
            const auto [x, y] = g.posicionGrupo(j, L);
            Cubre(caja, x, y - L.AltoSobre);
            Cubre(caja, x + L.DespIzq + L.Ancho, y + L.Alto);
            if (const std::optional<bool> doble = EnlaceDoble(c, j)) {
                for (const Segmento& t : g.enlaces(j, *doble, L)) {
                    Cubre(caja, t.x1, t.y1);
                    Cubre(caja, t.x2, t.y2);
                }
            }
        }
        EscribeCaja(motor, e, -caja[0], caja[2], -caja[1], g.b, caja[3], texto);
        return;
    }

    for (int j = 1; j <= n; ++j) {
        if (grupo(j).isEmpty()) continue;
        const auto [x, y] = g.posicionGrupo(j, CajaParte(motor, e, j));
        destino.moveTo(x, y);
        ParteConstruccion(motor, e, j, grupo(j), destino);
    }
    // A colour set inside a group stays with the group: the ring takes the colour it was
    // written in, and so does the text after it.
    destino.setForeColor(color);

    const bool impresora = destino.kind() == SurfaceKind::Printer;
    destino.setDrawWidth(AnchoPluma(destino, impresora ? g.s2 : g.s1));
    auto cuerda = [&](int k, double radio) {
        const auto p = g.punto(k, radio);
        const auto q = g.punto(k + 1, radio);
        destino.line(p[0], p[1], q[0], q[1]);
    };
    for (int k = 0; k < n; ++k)
        cuerda(k, g.R);
    if (circulo) {
        destino.setFillStyle(FillStyle::Transparent);
        destino.circle(g.cx, g.cy, 0.62 * g.R);
    } else {
        const double d = 0.18 * g.h * (n == 3 ? 1.6 : n == 4 ? 1.3 : 1.0);
        for (int k = 0; k < n; ++k) {
            const QChar codigo = caracter(c.aristas, k);
            if (codigo == u'D' || codigo == u'T') cuerda(k, g.R - d);
            if (codigo == u'T') cuerda(k, g.R - 2 * d);
        }
    }

    destino.setDrawWidth(AnchoPluma(destino, impresora ? 0.8 * g.s2 : g.s1));
    for (int j = 1; j <= n; ++j) {
        const std::optional<bool> doble = EnlaceDoble(c, j);
        if (grupo(j).isEmpty() || !doble) continue;
        for (const Segmento& t : g.enlaces(j, *doble, CajaParte(motor, e, j)))
            destino.line(t.x1, t.y1, t.x2, t.y2);
    }
    destino.setDrawWidth(1);
    marco.fuente.restaura(destino);
}

} // namespace vornith::textengine
