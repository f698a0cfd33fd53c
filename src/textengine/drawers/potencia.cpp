// "#POT(" base "#PB)(" exponent "#POT)" and "#EXP(" exponent "#EXP)": a base followed by a
// smaller, raised exponent; "#EXP" takes an italic "e" as its base.

#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/escritos.h"
#include "textengine/drawers/separador.h"

namespace vornith::textengine {

void DibujaPotencia(EstadoMotor& motor, const QString& texto, Surface& destino) {
    QString base;
    QString exponente;
    if (texto.startsWith(u"#EXP(")) {
        const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#EXP(");
        if (!cuerpo) {
            DibujaError(motor, texto, destino);
            return;
        }
        base = QStringLiteral("&+Ie&-I");
        exponente = cuerpo->toString();
    } else {
        const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#POT(");
        const qsizetype corte = cuerpo ? BuscaSeparador(*cuerpo, u"#PB)(") : -1;
        if (corte < 0) {
            DibujaError(motor, texto, destino);
            return;
        }
        base = cuerpo->left(corte).toString();
        exponente = cuerpo->mid(corte + 5).toString();
    }

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const bool midiendo = Midiendo(motor);
    const double h = AltoTexto(destino);
    // The exponent's bottom lies this far below the top of the base's room.
    const double elevacion = 8.0 / 12.0 * h;

    if (midiendo) {
        ParteConstruccion(motor, e, 1, base, destino);
        // An italic left on by the base does not reach the exponent.
        destino.setFontItalic(marco.fuente.cursiva());
        ReduceExponente(motor, destino);
        ParteConstruccion(motor, e, 2, exponente, destino);
        --motor.NivelExponente;
    }
    const CajaElemento B = CajaParte(motor, e, 1);
    const CajaElemento E = CajaParte(motor, e, 2);
    if (!midiendo) {
        destino.moveTo(marco.X0 + B.DespIzq, marco.Y0);
        ParteConstruccion(motor, e, 1, base, destino);
        destino.setFontItalic(marco.fuente.cursiva());
        destino.moveTo(marco.X0 + B.Ancho + E.DespIzq, marco.Y0 - B.AltoSobre - E.Alto + elevacion);
        ReduceExponente(motor, destino);
        ParteConstruccion(motor, e, 2, exponente, destino);
        --motor.NivelExponente;
    }
    marco.fuente.restaura(destino);
    if (midiendo) {
        EscribeCaja(motor, e, B.DespIzq, B.Ancho + E.DespIzq + E.Ancho,
                    B.AltoSobre + E.AltoSobre + E.Alto - elevacion, B.Ascenso, B.Alto, texto);
    }
}

} // namespace vornith::textengine
