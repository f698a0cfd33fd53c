#include "textengine/drawers/drawer_frame.h"

#include "platform/units.h"
#include "textengine/line_processor.h"

namespace vornith::textengine {

double AltoTexto(const Surface& destino) {
    return destino.textHeight(QStringLiteral("Hp"));
}

double PixelMinimo(const EstadoMotor& motor) {
    return kScreenTwipsPerPixel * motor.Zoom;
}

double AscensoFuente(const Surface& destino) {
    return destino.fontAscentTwips();
}

double TwipsPorPixelPluma(const Surface& destino) {
    return destino.kind() == SurfaceKind::Printer ? destino.twipsPerPixelX() : kScreenTwipsPerPixel;
}

int AnchoPluma(const Surface& destino, double grosor) {
    return penWidthPixels(grosor, TwipsPorPixelPluma(destino));
}

void FijaPluma(Surface& destino, double grosor) {
    destino.setDrawWidth(AnchoPluma(destino, grosor));
}

FuenteGuardada::FuenteGuardada(const Surface& destino)
    : nombre_(destino.fontName()), tamano_(destino.fontSize()), cursiva_(destino.fontItalic()) {}

void FuenteGuardada::restaura(Surface& destino) const {
    destino.setFontName(nombre_);
    destino.setFontSize(tamano_);
    destino.setFontItalic(cursiva_);
}

MarcoConstruccion::MarcoConstruccion(EstadoMotor& motor, Surface& destino)
    : e(motor.NumElemento), X0(0), Y0(0), fuente(destino) {
    if (!Midiendo(motor)) {
        X0 = destino.currentX();
        Y0 = destino.currentY();
        motor.Cajas(e).PosX = X0;
        motor.Cajas(e).PosY = Y0;
    }
}

int ParteConstruccion(EstadoMotor& motor, int e, int k, const QString& parte, Surface& destino) {
    const int n = ++motor.NumElemento;
    if (Midiendo(motor)) motor.TablaNivel(e, k) = n;
    QString resto;
    ProcesaLinea(motor, parte, destino, resto);
    return n;
}

const CajaElemento& CajaParte(const EstadoMotor& motor, int e, int k) {
    return motor.Cajas(motor.TablaNivel(e, k));
}

void EscribeCaja(EstadoMotor& motor, int e, double despIzq, double ancho, double altoSobre,
                 double ascenso, double alto, const QString& texto) {
    CajaElemento& c = motor.Cajas(e);
    c.DespIzq = despIzq;
    c.Ancho = ancho;
    c.AltoSobre = altoSobre;
    c.Ascenso = ascenso;
    c.Alto = alto;
    c.Texto = texto;
}

} // namespace vornith::textengine
