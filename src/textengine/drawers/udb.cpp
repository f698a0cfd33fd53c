// "#UDB(" c u d ["#R1(" upper group "#R1)"] ["#R2(" lower group "#R2)"] "#UDB)": a branch point
// of a structural formula. The centre character c stands on the line; the groups stand one and a
// half text heights above and below it, joined to it by u and d vertical bond lines ("S" one,
// "D" two, "T" three). A group may begin with a left part "#LP(" ... "#LP)", set to the left of
// the centre's column; the rest of it is set from that column on.

#include "textengine/drawers/bloque_interior.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

namespace vornith::textengine {

namespace {

// Parts by number: 1 upper right, 2 lower right, 3 upper left, 4 lower left, 5 the centre.
enum : int { kArriba = 1, kAbajo = 2, kArribaIzq = 3, kAbajoIzq = 4, kCentro = 5 };

struct Rama {
    std::array<QString, 6> partes;
    QChar enlaceArriba;
    QChar enlaceAbajo;
};

// The parts of the construct, or nullopt when it is not framed by its tags or holds no centre.
// Each group block, and each left part, is taken out where it stands, so groups in either order
// and a left part anywhere in its group leave the rest of the text whole.
std::optional<Rama> Separa(const QString& texto) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#UDB(");
    if (!cuerpo || cuerpo->isEmpty()) return std::nullopt;
    Rama r;
    r.partes[kCentro] = cuerpo->left(1).toString();
    r.enlaceArriba = cuerpo->size() > 1 ? (*cuerpo)[1] : QChar();
    r.enlaceAbajo = cuerpo->size() > 2 ? (*cuerpo)[2] : QChar();
    QString grupos = cuerpo->mid(3).trimmed().toString();
    for (int i : {kArriba, kAbajo}) {
        const QChar digito(u'0' + i);
        const auto grupo = BuscaBloqueInterior(grupos, QStringLiteral("#R") + digito + u'(',
                                               QStringLiteral("#R") + digito + u')');
        if (!grupo) continue;
        grupos.remove(grupo->inicio, grupo->largo);
        QString derecha = grupo->contenido;
        if (const auto izquierda = BuscaBloqueInterior(derecha, u"#LP(", u"#LP)")) {
            r.partes[static_cast<std::size_t>(i + 2)] = izquierda->contenido;
            derecha.remove(izquierda->inicio, izquierda->largo);
        }
        r.partes[static_cast<std::size_t>(i)] = derecha;
    }
    return r;
}

} // namespace

void DibujaUDB(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<Rama> rama = Separa(texto);
    if (!rama) {
        DibujaError(motor, texto, destino);
        return;
    }
    auto parte = [&rama](int k) -> const QString& {
        return rama->partes[static_cast<std::size_t>(k)];
    };
    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const double h = AltoTexto(destino);

    if (Midiendo(motor)) {
        ParteConstruccion(motor, e, kCentro, parte(kCentro), destino);
        // Whole twips at zoom 1, as the room above and below is kept.
        const auto entero = [&motor](double v) {
            return std::nearbyint(v / motor.Zoom) * motor.Zoom;
        };
        double up = 0;
        double down = 0;
        for (int k = kArriba; k <= kAbajoIzq; ++k) {
            if (parte(k).isEmpty()) continue;
            ParteConstruccion(motor, e, k, parte(k), destino);
            const CajaElemento& P = CajaParte(motor, e, k);
            const bool arriba = k == kArriba || k == kArribaIzq;
            const double alcance = 1.5 * h + (arriba ? P.AltoSobre : P.Alto);
            double& sitio = arriba ? up : down;
            if (alcance > sitio) sitio = entero(alcance);
        }
        const CajaElemento& C = CajaParte(motor, e, kCentro);
        if (C.AltoSobre > up) up = entero(C.AltoSobre);
        if (C.Alto > down) down = entero(C.Alto);
        marco.fuente.restaura(destino);
        EscribeCaja(motor, e, C.DespIzq, C.Ancho, up, C.Ascenso, down, texto);
        return;
    }

    const double x0 = marco.X0;
    const double y0 = marco.Y0;
    destino.moveTo(x0 + CajaParte(motor, e, kCentro).DespIzq, y0);
    ParteConstruccion(motor, e, kCentro, parte(kCentro), destino);
    for (int k = kArriba; k <= kAbajoIzq; ++k) {
        if (parte(k).isEmpty()) continue;
        const CajaElemento P = CajaParte(motor, e, k);
        const double x = k <= kAbajo ? x0 + P.DespIzq : x0 - P.DespIzq - P.Ancho;
        const double y = k == kArriba || k == kArribaIzq ? y0 - 1.5 * h : y0 + 1.5 * h;
        destino.moveTo(x, y);
        ParteConstruccion(motor, e, k, parte(k), destino);
    }

    // The stroke width stays set after the construct.
    const bool impresora = destino.kind() == SurfaceKind::Printer;
    destino.setDrawWidth(AnchoPluma(destino, std::max((impresora ? 0.04 : 0.0323) * h, 15.0)));
    auto enlaces = [&](QChar tipo, double y, double dy) {
        static constexpr double kS[] = {0.3};
        static constexpr double kD[] = {0.2, 0.4};
        static constexpr double kT[] = {0.1, 0.3, 0.5};
        std::span<const double> xs;
        if (tipo == u'S') xs = kS;
        if (tipo == u'D') xs = kD;
        if (tipo == u'T') xs = kT;
        for (double f : xs)
            destino.lineBy(x0 + f * h, y, 0, dy);
    };
    if (!parte(kArriba).isEmpty()) enlaces(rama->enlaceArriba, y0 + 0.05 * h, -0.6 * h);
    if (!parte(kAbajo).isEmpty()) enlaces(rama->enlaceAbajo, y0 + 0.95 * h, 0.6 * h);
    marco.fuente.restaura(destino);
}

} // namespace vornith::textengine
