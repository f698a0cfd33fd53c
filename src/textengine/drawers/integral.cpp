// "#INT(" body "#INT)": an integral sign of the "Symbol" font at twice the size, followed by the
// body (its limits are written in the body, with script constructs).

#include "platform/cp1252.h"
#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <algorithm>

namespace vornith::textengine {

void DibujaIntegral(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const std::optional<QStringView> cuerpo = CuerpoConstruccion(texto, u"#INT(");
    if (!cuerpo) {
        DibujaError(motor, texto, destino);
        return;
    }
    const QString interior = cuerpo->toString();

    const MarcoConstruccion marco(motor, destino);
    const int e = marco.e;
    const double h = AltoTexto(destino);
    const double a = std::max(0.6 * h, 1.0); // room of the sign before the body
    const double b = std::max(0.4 * h, 1.0); // how far the sign rises above the text

    if (Midiendo(motor)) {
        ParteConstruccion(motor, e, 1, interior, destino);
        marco.fuente.restaura(destino);
        const CajaElemento B = CajaParte(motor, e, 1);
        EscribeCaja(motor, e, a + B.DespIzq, B.Ancho, 1.2 * b + B.AltoSobre, B.Ascenso,
                    1.2 * b + B.Alto, texto);
        return;
    }
    // The sign is black whatever the text colour.
    const Rgb color = destino.foreColor();
    destino.moveTo(marco.X0 - a, marco.Y0 - b);
    destino.setFontName(QStringLiteral("Symbol"));
    destino.setFontSize(2 * marco.fuente.tamano());
    destino.setFontItalic(false);
    destino.setForeColor(0);
    destino.print(QString(cp1252Char(242)));
    // Going through another name makes the change back to the saved name take effect.
    destino.setFontName(QStringLiteral("Courier New"));
    marco.fuente.restaura(destino);
    destino.setForeColor(color);

    destino.moveTo(marco.X0, marco.Y0);
    ParteConstruccion(motor, e, 1, interior, destino);
    marco.fuente.restaura(destino);
    destino.setDrawWidth(1);
}

} // namespace vornith::textengine
