#pragma once

// The frame every construct drawer works in: what the line processor hands it, what it must
// leave behind, and the shared helpers to do so. Read this before writing a drawer.
//
// Call. The line processor meets an opening tag ("#COC(", ...), cuts the whole construct out
// (opening tag to matching closing tag), adds 1 to NumElemento and calls the drawer
//     void DibujaX(EstadoMotor& motor, const QString& texto, Surface& destino)
// once in the measuring pass (motor.ModoDibujo == 0) and once in the drawing pass
// (ModoDibujo == 1) of the same line. `texto` must not be changed.
//
// Own box. The drawer's element number e is NumElemento at entry (MarcoConstruccion::e); its
// box is motor.Cajas(e).
//  - Measuring pass: draw nothing; before returning fill DespIzq, Ancho, AltoSobre, Ascenso,
//    Alto (and Texto) of Cajas(e) (EscribeCaja). The line aligns boxes on their Ascenso.
//  - Drawing pass: the line processor has put the current X at the box's start + DespIzq, and
//    the current Y at the top of the text (or, for "#COC(", "#DDL(", "#SPB(", "#ATX(", "#RWS("
//    and "#CEQ(", so that the box's axis lies on the line's axis). MarcoConstruccion records
//    that position in Cajas(e).PosX/PosY and as X0, Y0. Draw with the boxes of the measuring
//    pass. Where the current position is left does not matter.
//
// Parts. Each part (numerator, radicand, row...) is laid out by ParteConstruccion: it adds 1 to
// NumElemento, remembers the number in TablaNivel(e, k) in the measuring pass, and runs
// ProcesaLinea on the part (measuring it, or drawing it from the current position: set the
// position to the top left of the part's text line first). Read part boxes with CajaParte(e, k)
// in either pass. Parts are never cut at the page width: they are measured whole.
//
// Numbering. Hand out numbers in the same order in both passes: call ParteConstruccion for the
// same parts in the same order, with the same levels and font sizes. Leave NumElemento at the
// last number used. Numbers past kMaxElemento reach scratch entries of Cajas and TablaNivel
// (never outside them) and the line processor ends the line there; drawers need no checks.
//
// Font and pen. Save the font name, size and italic flag on entry (MarcoConstruccion does) and
// restore them before returning (FuenteGuardada::restaura). Other style changes made by parts
// stay. Stroke widths are in twips: set the pen with FijaPluma (t / twips per pixel of the
// printer on the printer, of the screen otherwise; half-even, at least 1 pixel) and set it back
// to 1 after the lines (the bond-branch drawer excepted). Lines drawn without a colour take the
// surface's text colour; "&LC" lines use motor.ColorLinea.
//
// Nesting levels. NivelCociente and NivelExponente start every pass of a line at 0; a drawer
// that raises one lowers it again before returning, in both passes.

#include "platform/surface.h"
#include "textengine/estado_motor.h"

#include <QString>

namespace vornith::textengine {

// The axis of a text line lies kFraccionEje x h below its top.
inline constexpr double kFraccionEje = 0.574;

// h: the text height of "Hp" in the surface's current font, in twips.
double AltoTexto(const Surface& destino);
// The least stroke or gap of a construct: one screen pixel at zoom 1, scaled with the page so
// that layouts are alike at every zoom (the printer lays out at zoom 1).
double PixelMinimo(const EstadoMotor& motor);

// The ascent of the current font in twips, unrounded: it places text of another font on the
// line's baseline and gives a larger font its room, alike at every zoom and on paper.
double AscensoFuente(const Surface& destino);

// Twips per pixel for pen widths: the printer's own on the printer, the screen's otherwise.
double TwipsPorPixelPluma(const Surface& destino);
// The pen width in whole pixels of a stroke `grosor` twips thick (at least 1).
int AnchoPluma(const Surface& destino, double grosor);
// Sets that pen width on the surface.
void FijaPluma(Surface& destino, double grosor);

inline bool Midiendo(const EstadoMotor& motor) {
    return motor.ModoDibujo == 0;
}

// The font name, size and italic flag of a surface, to be put back later.
class FuenteGuardada {
public:
    explicit FuenteGuardada(const Surface& destino);
    void restaura(Surface& destino) const;
    const QString& nombre() const { return nombre_; }
    double tamano() const { return tamano_; }
    bool cursiva() const { return cursiva_; }

private:
    QString nombre_;
    double tamano_;
    bool cursiva_;
};

// The entry of a drawer: its element number, the position the line processor gave it
// (recorded in Cajas(e).PosX/PosY in the drawing pass; 0 while measuring) and its saved font.
struct MarcoConstruccion {
    MarcoConstruccion(EstadoMotor& motor, Surface& destino);
    int e;
    double X0;
    double Y0;
    FuenteGuardada fuente;
};

// Lays out part k of construct e: NumElemento + 1 becomes the part's number (written to
// TablaNivel(e, k) in the measuring pass), then ProcesaLinea measures the part, or draws it from
// the current position. Returns the part's element number.
int ParteConstruccion(EstadoMotor& motor, int e, int k, const QString& parte, Surface& destino);

// The box of part k of construct e, as its measuring pass recorded it.
const CajaElemento& CajaParte(const EstadoMotor& motor, int e, int k);

// Writes the measured box of construct e (PosX and PosY keep their values).
void EscribeCaja(EstadoMotor& motor, int e, double despIzq, double ancho, double altoSobre,
                 double ascenso, double alto, const QString& texto);

} // namespace vornith::textengine
