#pragma once

#include "platform/units.h"
#include "textengine/estado_motor.h"

#include <QString>

namespace vornith {
class Surface;
}

namespace vornith::textengine {

// The usable page inside the margins, in twips at zoom 1: the A4 page box of 796 x 1125
// pixels less its one-pixel border and the 16 mm margins. The page box has it times Zoom and
// the printer has it as it stands, so lines and pages break alike at every zoom and on paper.
inline constexpr double kMargenPaginaMm = 16;
inline constexpr double kAnchoUtilPagina =
    (796 - 2) * kScreenTwipsPerPixel - 2 * kMargenPaginaMm * kTwipsPerMm;
inline constexpr double kAltoUtilPagina =
    (1125 - 2) * kScreenTwipsPerPixel - 2 * kMargenPaginaMm * kTwipsPerMm;

// Draws a whole markup text on `destino` (the page box or the printer) from the top margin
// down, line by line with word wrap, until the text ends or a line does not fit above the
// bottom margin. `tamano` is the base font size in points; when it is not greater than 0 it
// becomes 5 x Zoom, written back.
//
// Result protocol, in motor.MarcaResultado, for a text whose blocks each begin a line with
// "#MARK=" and their number:
//    0  no "#MARK" line was reached;
//   +k  everything fitted; k is the number of the last "#MARK" line;
//   -k  a line of block k did not fit (every block before it fitted whole), or block k would
//       have been the page's 501st.
// NumBloquesPagina, BloqueRef, BloqueSel (all false), BloqueY1 and BloqueY2 describe the blocks
// drawn, top to bottom, with BloqueY1 <= BloqueY2 in the surface's twips; a block whose mark line
// was not drawn is not counted. The first block of the page stays on it even when it is
// taller than the page, so that pagination always advances: its lines stop at the bottom
// margin, where a red note says that the rest is not shown, and BloqueCortado is its number.
// Text before the first block (a title) that runs past the bottom margin is cut under the same
// note; no block is drawn after it.
//
// With `reservaPie` (a page number at the foot) the room of one empty line of the starting
// font stays free above the bottom margin: a line fits only when such a line would still fit
// after it, as if " &LF" followed the page's last line. A cut then stops above that line, and
// its red note goes under it, in the margin.
void DibujaTextoFormateado(EstadoMotor& motor, const QString& texto, double& tamano,
                           Surface& destino, bool reservaPie = false);

} // namespace vornith::textengine
