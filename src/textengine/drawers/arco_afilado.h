#pragma once

// A circular arc drawn as a chain of straight segments whose pen width changes from one end to
// the other: the tapered strokes of round brackets, braces and other drawn curves.

#include "platform/surface.h"

namespace vornith::textengine {

// Draws the arc of centre (cx, cy) and radius r (twips) from angle a1 to angle a2 (degrees,
// counter-clockwise from the positive x axis with y up the page, so the point at angle A is
// (cx + r cos A, cy - r sin A)) as n segments in the surface's text colour. An end angle below
// the start one is taken one or more turns later. The pen goes from w1 twips at the start
// towards w2 twips at the end, by i / n at segment i (so the last segment stops short of w2);
// in pixels of the printer on the printer (at least 2) or of the screen (at least 1). The
// surface's pen width is restored afterwards. Nothing is drawn for n < 1 or for angles that are
// not finite numbers.
void DibujaArco(double cx, double cy, double r, double a1, double a2, double w1, double w2, int n,
                Surface& destino);

} // namespace vornith::textengine
