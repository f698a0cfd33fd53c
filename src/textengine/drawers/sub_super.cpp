// "#SPB(" a upper "#T)(" lower "#SPB)": a superscript over a subscript, both one script level
// smaller, aligned left, centre ("C") or right ("R") of each other.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/escritos.h"
#include "textengine/drawers/separador.h"

namespace vornith::textengine {

void DibujaSubSuper(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#SPB(");
    // "#T)(" of a labelled arrow inside the upper part is not this pair's separator.
    const qsizetype corte = cuerpo ? BuscaSeparador(*cuerpo, u"#T)(") : -1;
    // The alignment letter is required: an empty first part is malformed.
    if (corte < 1) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QChar alinea = cuerpo->at(0).toUpper();
    const QString arriba = cuerpo->mid(1, corte - 1).toString();
    const QString abajo = cuerpo->mid(corte + 4).toString();

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    ++motor.NivelCociente; // a fraction in either part is a nested one
    ReduceExponente(motor, destino);
    const double hr = AltoTexto(destino); // h' at the reduced size

    if (midiendo) {
        ParteConstruccion(motor, e, 1, arriba, destino);
        ParteConstruccion(motor, e, 2, abajo, destino);
    }
    const CajaElemento U = CajaParte(motor, e, 1);
    const CajaElemento L = CajaParte(motor, e, 2);
    const double wU = U.DespIzq + U.Ancho;
    const double wL = L.DespIzq + L.Ancho;
    const double W = wU > wL ? wU : wL;

    if (!midiendo) {
        // The wider part starts at X0 + its DespIzq; the narrower one moves for "R" and "C".
        double xU = marco.X0 + U.DespIzq;
        double xL = marco.X0 + L.DespIzq;
        if (alinea == u'R') {
            if (wL >= wU) xU = marco.X0 + W - U.Ancho;
            if (wU >= wL) xL = marco.X0 + W - L.Ancho;
        } else if (alinea == u'C') {
            if (wL >= wU) xU = marco.X0 + U.DespIzq + (wL - wU) / 2;
            if (wU >= wL) xL = marco.X0 + L.DespIzq + (wU - wL) / 2;
        }
        destino.moveTo(xU, marco.Y0 - U.Alto + hr);
        ParteConstruccion(motor, e, 1, arriba, destino);
        destino.moveTo(xL, marco.Y0 + U.Alto + L.AltoSobre);
        ParteConstruccion(motor, e, 2, abajo, destino);
    }
    --motor.NivelExponente;
    --motor.NivelCociente;
    marco.fuente.restaura(destino);
    if (midiendo) {
        EscribeCaja(motor, e, 0, W, U.AltoSobre + U.Alto - hr, U.Alto,
                    U.Alto + L.AltoSobre + L.Alto, texto);
    }
}

} // namespace vornith::textengine
