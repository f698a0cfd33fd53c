// A body with a mark over, under, across or around it: "#VEC(" and "#VED(" vector arrows,
// "#AND(" wedge, "#ARC(" arc, "#SED(" bar, "#TDX(", "#TDD(", "#TDU(" diagonals, "#SEG(",
// "#DOL(", "#UDL(" lines over and under, "#REC(" frame. Every mark is drawn in ColorLinea.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace vornith::textengine {

namespace {

constexpr std::array<QStringView, 12> kMarcas = {u"#VEC(", u"#VED(", u"#AND(", u"#ARC(",
                                                 u"#SED(", u"#TDX(", u"#TDD(", u"#TDU(",
                                                 u"#REC(", u"#UDL(", u"#SEG(", u"#DOL("};

} // namespace

void DibujaDecoracion(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const QStringView abre = QStringView(texto).left(5);
    const bool conocida = std::find(kMarcas.begin(), kMarcas.end(), abre) != kMarcas.end();
    const std::optional<QStringView> cuerpo =
        conocida ? CuerpoConstruccion(texto, abre) : std::nullopt;
    if (!cuerpo) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QString parte = cuerpo->toString();
    const QStringView tag = abre.left(4);
    const auto es = [tag](std::initializer_list<QStringView> tags) {
        return std::find(tags.begin(), tags.end(), tag) != tags.end();
    };

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    const double h = AltoTexto(destino);
    const double t = std::max(0.04 * h, 1.0); // line thickness
    const double m = 0.18 * h;                // size of arrows, wedge and arc

    if (midiendo) ParteConstruccion(motor, e, 1, parte, destino);
    const CajaElemento b = CajaParte(motor, e, 1);

    if (!midiendo) {
        destino.moveTo(marco.X0 + b.DespIzq, marco.Y0);
        ParteConstruccion(motor, e, 1, parte, destino);
        FijaPluma(destino, t);
        const Rgb c = motor.ColorLinea;
        const double L = marco.X0 - b.DespIzq;
        const double W = b.DespIzq + b.Ancho;
        const double R = marco.X0 + b.Ancho;
        const double T = marco.Y0 - b.AltoSobre;
        const double B = marco.Y0 + b.Alto;
        if (tag == u"#VEC") {
            destino.lineBy(L, T + m / 2, R - L, 0, c);
            destino.lineBy(R, T + m / 2, -m, -m, c);
        }
        if (tag == u"#VED") {
            destino.lineBy(L, T + 1.33 * m, R - L, 0, c);
            destino.lineBy(R, T + 1.33 * m, -m, -m, c);
        }
        if (tag == u"#AND") {
            destino.lineBy(L, T + 1.33 * m, W / 2, -m, c);
            destino.lineBy(R, T + 1.33 * m, -W / 2, -m, c);
        }
        if (tag == u"#ARC") {
            const std::array<std::pair<double, double>, 5> p = {{{L + m / 4, T + 0.9 * m},
                                                                 {L + W / 3, T + 0.2 * m},
                                                                 {L + W / 2, T + 0.1 * m},
                                                                 {R - W / 3, T + 0.2 * m},
                                                                 {R - m / 4, T + 0.9 * m}}};
            for (std::size_t i = 0; i + 1 < p.size(); ++i)
                destino.line(p[i].first, p[i].second, p[i + 1].first, p[i + 1].second, c);
        }
        if (tag == u"#SED") destino.lineBy(L, T + 1.33 * m, R - L, 0, c);
        if (es({u"#TDX", u"#TDD"})) destino.lineBy(L, T, R - L, B - T, c);
        if (es({u"#TDX", u"#TDU"})) destino.lineBy(L, B, R - L, T - B, c);
        // The frame's lines lie t/2 outside the body: a pen t wide fills the box's margin.
        if (tag == u"#REC") {
            destino.lineBy(L - t / 2, B + t / 2, 0, T - B - t, c);
            destino.lineBy(R + t / 2, B + t / 2, 0, T - B - t, c);
        }
        if (es({u"#REC", u"#UDL", u"#SEG"})) destino.lineBy(L - t / 2, T - t / 2, R - L + t, 0, c);
        if (es({u"#DOL", u"#REC", u"#UDL"})) destino.lineBy(L - t / 2, B + t / 2, R - L + t, 0, c);
        destino.setDrawWidth(1);
    }
    marco.fuente.restaura(destino);
    if (midiendo) {
        EscribeCaja(motor, e, b.DespIzq + t, b.Ancho + t, b.AltoSobre + t, b.Ascenso, b.Alto + t,
                    texto);
    }
}

} // namespace vornith::textengine
