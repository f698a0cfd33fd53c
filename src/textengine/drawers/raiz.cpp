// "#SQR(" body "#SQR)", "#CUR(" body "#CUR)" and "#RAD(" ["#RI(" index "#RI)"] body "#RAD)":
// a radical sign of four straight strokes over the body, with the index in the crook.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"
#include "textengine/markup.h"

#include <algorithm>
#include <optional>

namespace vornith::textengine {

namespace {

struct PartesRaiz {
    QString cuerpo;
    QString indice; // empty: no index
};

// The body and index of a radical, or nothing when `texto` is not a framed radical. The index of
// "#RAD(" is taken only from a "#RI(" block that opens the body, so a radical never takes the
// index of one nested in its body; an unclosed block shows the red error mark as the index.
std::optional<PartesRaiz> LeeRaiz(const QString& texto) {
    const QStringView abre = QStringView(texto).left(5);
    if (abre != u"#SQR(" && abre != u"#CUR(" && abre != u"#RAD(") return std::nullopt;
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, abre);
    if (!cuerpo) return std::nullopt;
    PartesRaiz partes{cuerpo->toString(), QString()};
    if (abre == u"#CUR(") {
        partes.indice = QStringLiteral("3");
    } else if (abre == u"#RAD(" && cuerpo->startsWith(u"#RI(")) {
        constexpr qsizetype kTag = 4;
        const qsizetype largo = LongitudBloque(*cuerpo, u"#RI(", u"#RI)");
        if (largo < 0) {
            partes.indice = kTextoError.toString();
            partes.cuerpo = cuerpo->mid(kTag).toString();
        } else {
            partes.indice = cuerpo->mid(kTag, largo - 2 * kTag).toString();
            partes.cuerpo = cuerpo->mid(largo).toString();
        }
    }
    return partes;
}

} // namespace

void DibujaRaiz(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<PartesRaiz> partes = LeeRaiz(texto);
    if (!partes) {
        DibujaError(motor, texto, destino);
        return;
    }
    const bool conIndice = !partes->indice.isEmpty();

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    const Rgb colorEntrada = destino.foreColor();
    const double h = AltoTexto(destino);
    const double pixel = PixelMinimo(motor);
    const auto medida = [h, pixel](double fraccion) { return std::max(fraccion * h, pixel); };
    const double s1 = medida(0.0323); // thin strokes: tick, long stroke, bar
    const double s2 = medida(0.05);   // thick stroke
    const double g1 = medida(0.0354); // body top to bar
    const double g2 = medida(0.0754); // depth of the sign below the body
    const double g3 = medida(0.04);   // index bottom to knee
    const double g4 = medida(0.067);  // drop of the tick's left end below the knee
    const double w0 = medida(0.09);   // bar beyond the body
    const double w1 = medida(0.08);   // body's reference point back to the top corner
    const double w2 = medida(0.215);  // run of the long stroke
    const double w3 = medida(0.175);  // run of the thick stroke
    const double w4 = medida(0.12);   // run of the tick
    const double w5 = medida(0.26);   // body's reference point back to the index's right end

    // The index is set in the font in force on entry, whatever the body left behind.
    const auto indiceMenor = [&] {
        marco.fuente.restaura(destino);
        destino.setFontSize(marco.fuente.tamano() * 8 / 12);
    };

    if (midiendo) {
        ParteConstruccion(motor, e, 1, partes->cuerpo, destino);
        if (conIndice) {
            indiceMenor();
            ParteConstruccion(motor, e, 2, partes->indice, destino);
        }
    }
    const CajaElemento B = CajaParte(motor, e, 1);
    const CajaElemento I = conIndice ? CajaParte(motor, e, 2) : CajaElemento{};
    const double H = B.AltoSobre + B.Alto + g1 + s1 + g2;
    const double q = std::max(0.4 * H, 1.0); // height of the knee above the sign's bottom
    // How far the index's bottom lies below the body's top.
    const double pieIndice = B.Alto + g2 - q - g3;

    if (!midiendo) {
        const double x0 = marco.X0;
        const double y0 = marco.Y0;
        destino.moveTo(x0 + B.DespIzq, y0);
        ParteConstruccion(motor, e, 1, partes->cuerpo, destino);
        if (conIndice) {
            destino.moveTo(x0 - B.DespIzq - w5 - I.Ancho, y0 + pieIndice - I.Alto);
            indiceMenor();
            ParteConstruccion(motor, e, 2, partes->indice, destino);
        }
        const double xr = x0 - B.DespIzq;    // the body's reference point
        const double yt = y0 - B.AltoSobre;  // top of the body
        const double yb = y0 + B.Alto + g2;  // bottom of the sign
        const double yv = yt - g1 - s1 / 2;  // centre line of the bar
        const double xk = xr - w1 - w2 - w3; // the knee
        const double yk = yb - q;
        FijaPluma(destino, s1);
        destino.line(xr - w1 + s1 / 2, yv, x0 + B.Ancho + w0 - s1 / 2, yv);
        FijaPluma(destino, s2);
        destino.line(xr - w1 - w2 - s1 / 2, yb - s2 / 2, xk, yk);
        FijaPluma(destino, s1);
        destino.line(xr - w1 - w2, yb - s1 / 2, xr - w1, yv);
        destino.line(xk - w4 + s1 / 2, yk + g4 - s1 / 1.5, xk, yk - s1 / 1.5);
        destino.setDrawWidth(1);
        // A colour set inside the body or the error mark of the index stays inside the radical.
        destino.setForeColor(colorEntrada);
    }
    marco.fuente.restaura(destino);
    if (midiendo) {
        double despIzq = B.DespIzq + w1 + w2 + w3 + w4;
        double altoSobre = B.AltoSobre + g1 + s1;
        if (conIndice) {
            despIzq = std::max(despIzq, B.DespIzq + w5 + I.Ancho + I.DespIzq);
            altoSobre = std::max(altoSobre, I.AltoSobre + I.Alto - pieIndice);
        }
        EscribeCaja(motor, e, despIzq, B.Ancho + w0, altoSobre, B.Ascenso, B.Alto + g2, texto);
    }
}

} // namespace vornith::textengine
