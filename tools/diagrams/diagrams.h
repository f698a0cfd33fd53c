// The diagram pictures of the dynamics problems: what each one shows, and rendering.

#pragma once

#include "sketch.h"

#include <QImage>

#include <span>

namespace vornith::diagrams {

struct Diagram {
    const char* fileName; // exactly as the problem markup names it
    double widthMm;       // the size the markup fits the picture into
    double heightMm;
    void (*draw)(Sketch& sketch);
};

// The blank band across the top of every picture, in millimetres of the printed picture. A
// picture hanging beside a statement starts one text height (4.7 mm at 12 points) above its
// row, level with the line above: the band keeps every line of the drawing below that text.
inline constexpr double kTopBandMm = 4.8;

// The nine pictures, in the order of the problems that use them.
std::span<const Diagram> allDiagrams();

// Draws a picture at `dotsPerInch` of its printed size, anti-aliased, on transparent paper, and
// returns it as a 16-grey palette image with a transparent entry, ready for the GIF encoder.
QImage renderDiagram(const Diagram& diagram, double dotsPerInch);

// Maps an image to 16 evenly spaced greys (0, 17, ..., 255) by its luminance laid on white;
// pixels less than half opaque become the transparent 17th entry.
QImage toGreyPalette(const QImage& image);

} // namespace vornith::diagrams
