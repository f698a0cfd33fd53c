// "#COC(" numerator "#N)(" denominator "#COC)" and the bar-less "#DDL(" upper "#L)(" lower
// "#DDL)": two rows centred over each other, with a bar between them for "#COC".

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>

namespace vornith::textengine {

void DibujaCociente(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const bool conBarra = !texto.startsWith(u"#DDL(");
    const QStringView abre = conBarra ? QStringView(u"#COC(") : QStringView(u"#DDL(");
    const QStringView separador = conBarra ? QStringView(u"#N)(") : QStringView(u"#L)(");
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, abre);
    const qsizetype corte = cuerpo ? BuscaSeparador(*cuerpo, separador) : -1;
    if (corte < 0) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QString arriba = cuerpo->left(corte).toString();
    const QString abajo = cuerpo->mid(corte + separador.size()).toString();

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    ++motor.NivelCociente;
    const double h = AltoTexto(destino);
    // A fraction inside another fraction, a script pair or a labelled arrow gets a thinner bar.
    const double t = std::max(motor.NivelCociente == 1 ? 0.04 * h : 0.02 * h, PixelMinimo(motor));
    const double g1 = std::max(0.0354 * h, PixelMinimo(motor));
    const double g2 = g1;
    const double p = std::max(0.09 * h, PixelMinimo(motor));

    if (midiendo) {
        ParteConstruccion(motor, e, 1, arriba, destino);
        ParteConstruccion(motor, e, 2, abajo, destino);
    }
    const CajaElemento N = CajaParte(motor, e, 1);
    const CajaElemento D = CajaParte(motor, e, 2);
    const double wN = N.DespIzq + N.Ancho;
    const double wD = D.DespIzq + D.Ancho;
    const double d = (wD - wN) / 2;
    const double W = 2 * p + (d <= 0 ? wN : wD);
    const double sN = d <= 0 ? 0 : d;
    const double sD = d <= 0 ? -d : 0;

    if (!midiendo) {
        destino.moveTo(marco.X0 + sN + p + N.DespIzq, marco.Y0);
        ParteConstruccion(motor, e, 1, arriba, destino);
        destino.moveTo(marco.X0 + sD + p + D.DespIzq,
                       marco.Y0 + N.Alto + g1 + t + g2 + D.AltoSobre);
        ParteConstruccion(motor, e, 2, abajo, destino);
        FijaPluma(destino, t);
        // The pen's ends reach t/2 beyond the end points: the bar covers exactly X0 to X0 + W.
        if (conBarra) destino.lineBy(marco.X0 + t / 2, marco.Y0 + N.Alto + g1 + t / 2, W - t, 0);
        destino.setDrawWidth(1);
    }
    --motor.NivelCociente;
    marco.fuente.restaura(destino);
    if (midiendo) {
        EscribeCaja(motor, e, 0, W, N.AltoSobre, N.Alto + g1 + t / 2,
                    N.Alto + g1 + t + g2 + D.AltoSobre + D.Alto, texto);
    }
}

} // namespace vornith::textengine
