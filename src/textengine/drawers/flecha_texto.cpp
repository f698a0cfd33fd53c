// "#ATX(" upper "#T)(" lower "#ATX)": an arrow pointing right, one text centred above it and one
// below it.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>

namespace vornith::textengine {

void DibujaFlechaTexto(EstadoMotor& motor, const QString& texto, Surface& destino) {
    constexpr QStringView kSeparador = u"#T)(";
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#ATX(");
    // The separator of this arrow, not one of a script pair or arrow nested in its texts.
    const qsizetype corte = cuerpo ? BuscaSeparador(*cuerpo, kSeparador) : -1;
    if (corte < 0) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QString arriba = cuerpo->left(corte).toString();
    const QString abajo = cuerpo->mid(corte + kSeparador.size()).toString();

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    // A fraction in either text is a nested one.
    ++motor.NivelCociente;
    const double h = AltoTexto(destino);
    const double t = std::max(0.02 * h, PixelMinimo(motor));
    const double ga = std::max(0.0354 * h, PixelMinimo(motor)); // upper text to shaft
    const double gb = ga;                                       // shaft to lower text
    const double p = std::max(0.09 * h, PixelMinimo(motor));

    if (midiendo) {
        ParteConstruccion(motor, e, 1, arriba, destino);
        ParteConstruccion(motor, e, 2, abajo, destino);
    }
    const CajaElemento U = CajaParte(motor, e, 1);
    const CajaElemento D = CajaParte(motor, e, 2);
    const double wU = U.DespIzq + U.Ancho;
    const double wD = D.DespIzq + D.Ancho;
    const double d = (wD - wU) / 2;
    const double W = 2 * p + (d <= 0 ? wU : wD);
    const double sU = d <= 0 ? 0 : d;
    const double sD = d <= 0 ? -d : 0;

    if (!midiendo) {
        const double X0 = marco.X0;
        const double Y0 = marco.Y0;
        destino.moveTo(X0 + sU + p + U.DespIzq, Y0 - 2 * p);
        ParteConstruccion(motor, e, 1, arriba, destino);
        destino.moveTo(X0 + sD + p + D.DespIzq, Y0 + U.Alto + ga + t + gb + D.AltoSobre);
        ParteConstruccion(motor, e, 2, abajo, destino);
        FijaPluma(destino, t);
        const double ys = Y0 + U.Alto + ga + t / 2;
        const double punta = X0 + W + 6 * p - t / 2;
        destino.lineBy(X0 - 6 * p + t / 2, ys, W - t + 12 * p, 0);
        destino.lineBy(punta, ys, -4 * p, -3 * p);
        destino.lineBy(punta, ys, -4 * p, 3 * p);
        destino.setDrawWidth(1);
    }
    --motor.NivelCociente;
    marco.fuente.restaura(destino);
    if (midiendo) {
        EscribeCaja(motor, e, 7 * p, 7 * p + W, U.AltoSobre, ga + U.Alto + t / 2,
                    ga + U.Alto + t + gb + D.AltoSobre + D.Alto, texto);
    }
}

} // namespace vornith::textengine
