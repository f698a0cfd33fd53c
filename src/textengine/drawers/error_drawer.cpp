#include "textengine/drawers/drawer_frame.h"
#include "textengine/drawers/drawers.h"
#include "textengine/markup.h"

namespace vornith::textengine {

void DibujaError(EstadoMotor& motor, const QString& texto, Surface& destino) {
    static const QString kParte = kTextoError.toString();
    const MarcoConstruccion marco(motor, destino);
    const Rgb color = destino.foreColor();
    if (!Midiendo(motor)) destino.moveTo(marco.X0, marco.Y0);
    ParteConstruccion(motor, marco.e, 1, kParte, destino);
    marco.fuente.restaura(destino);
    if (Midiendo(motor)) {
        const CajaElemento p = CajaParte(motor, marco.e, 1);
        EscribeCaja(motor, marco.e, p.DespIzq, p.Ancho, p.AltoSobre, p.Ascenso, p.Alto, texto);
    } else {
        destino.setForeColor(color);
    }
}

} // namespace vornith::textengine
