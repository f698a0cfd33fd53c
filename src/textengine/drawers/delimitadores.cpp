// "#NES(" o c body "#NES)": the body between an opening delimiter o and a closing one c that
// stretch to its full height: "(", "[", "{", "|" on the left, ")", "]", "}", "|" on the right,
// drawn as lines and tapered arcs. Any other character draws nothing but keeps the room.

#include "textengine/drawers/arco_afilado.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>

namespace vornith::textengine {

namespace {

// The geometry shared by both sides, from the body's box B at (X0, Y0).
struct Trazo {
    Surface& d;
    double X0, Y0;
    CajaElemento B;
    double u, t;
    double yT() const { return Y0 - B.AltoSobre; } // top of the body with its overhang
    double yB() const { return Y0 + B.Alto; }      // bottom of the body
    double ym() const { return Y0 + (B.Alto - B.AltoSobre) / 2; }
    double alto() const { return B.AltoSobre + B.Alto; }

    // Arcs have 6 segments and taper to a third of the stroke at their tips.
    void arco(double cx, double cy, double r, double a1, double a2, bool puntaAlFinal) const {
        const double w1 = puntaAlFinal ? t : t / 3;
        const double w2 = puntaAlFinal ? t / 3 : t;
        DibujaArco(cx, cy, r, a1, a2, w1, w2, 6, d);
    }

    void izquierdo(QChar o) const {
        const double xL = X0 - B.DespIzq - 2 * u - t / 2;
        switch (o.unicode()) {
        case u'|':
            d.lineBy(xL, yT() - u, 0, alto() + 2 * u);
            break;
        case u'[':
            d.lineBy(xL, yT() - u, 2 * u, 0);
            d.lineBy(xL, yT() - u, 0, alto() + 2 * u);
            d.lineBy(xL, yB() + u, 2 * u, 0);
            break;
        case u'(': {
            const double cx = X0 - B.DespIzq + 2 * u - t / 2;
            arco(cx, yT() + 2 * u, 4 * u, 120, 180, false);
            d.lineBy(xL, yT() + 2 * u, 0, alto() - 4 * u);
            arco(cx, yB() - 2 * u, 4 * u, 180, 240, true);
            break;
        }
        case u'{': {
            const double cx = X0 - B.DespIzq + u - t / 2;
            const double cm = X0 - B.DespIzq - 5 * u - t / 2;
            arco(cx, yT() + u, 3 * u, 105, 180, false);
            d.lineBy(xL, yT() + u, 0, alto() / 2 - 4 * u);
            arco(cm, ym() - 3 * u, 3 * u, 285, 360, false);
            arco(cm, ym() + 3 * u, 3 * u, 0, 75, true);
            d.lineBy(xL, ym() + 3 * u, 0, alto() / 2 - 4 * u);
            arco(cx, yB() - u, 3 * u, 180, 255, true);
            break;
        }
        default:
            break;
        }
    }

    void derecho(QChar c) const {
        const double xR = X0 + B.Ancho + 2 * u + t / 2;
        switch (c.unicode()) {
        case u'|':
            d.lineBy(xR, yT() - u, 0, alto() + 2 * u);
            break;
        case u']':
            d.lineBy(xR, yT() - u, -2 * u, 0);
            d.lineBy(xR, yT() - u, 0, alto() + 2 * u);
            d.lineBy(xR, yB() + u, -2 * u, 0);
            break;
        case u')': {
            const double cx = X0 + B.Ancho - 2 * u + t / 2;
            arco(cx, yT() + 2 * u, 4 * u, 0, 60, true);
            d.lineBy(xR, yT() + 2 * u, 0, alto() - 4 * u);
            arco(cx, yB() - 2 * u, 4 * u, 300, 360, false);
            break;
        }
        case u'}': {
            const double cx = X0 + B.Ancho - u + t / 2;
            const double cm = X0 + B.Ancho + 5 * u + t / 2;
            arco(cx, yT() + u, 3 * u, 0, 75, true);
            d.lineBy(xR, yT() + u, 0, alto() / 2 - 4 * u);
            arco(cm, ym() - 3 * u, 3 * u, 180, 255, true);
            arco(cm, ym() + 3 * u, 3 * u, 105, 180, false);
            d.lineBy(xR, ym() + 3 * u, 0, alto() / 2 - 4 * u);
            arco(cx, yB() - u, 3 * u, 285, 360, false);
            break;
        }
        default:
            break;
        }
    }
};

} // namespace

void DibujaDelimitadores(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#NES(");
    // Both delimiter characters must be there; the body may be empty.
    if (!cuerpo || cuerpo->size() < 2) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QChar abre = (*cuerpo)[0];
    const QChar cierra = (*cuerpo)[1];
    const QString interior = cuerpo->mid(2).toString();

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const double h = AltoTexto(destino);
    const double u = 0.1 * h;
    const double t = std::max(0.04 * h, 1.0);

    if (Midiendo(motor)) {
        ParteConstruccion(motor, e, 1, interior, destino);
        marco.fuente.restaura(destino);
        const CajaElemento B = CajaParte(motor, e, 1);
        // Braces need room for their middle points.
        const double eL = abre == u'{' ? 2 * u : 0;
        const double eR = cierra == u'}' ? 2 * u : 0;
        EscribeCaja(motor, e, 3 * u + B.DespIzq + t + eL, 3 * u + B.Ancho + t + eR,
                    B.AltoSobre + 2 * u, B.Ascenso, B.Alto + 2 * u, texto);
        return;
    }
    destino.moveTo(marco.X0, marco.Y0);
    ParteConstruccion(motor, e, 1, interior, destino);
    marco.fuente.restaura(destino);
    const Trazo trazo{destino, marco.X0, marco.Y0, CajaParte(motor, e, 1), u, t};
    FijaPluma(destino, t);
    trazo.izquierdo(abre);
    trazo.derecho(cierra);
    destino.setDrawWidth(1);
}

} // namespace vornith::textengine
