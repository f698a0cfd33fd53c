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

// The nine pictures, in the order of the problems that use them.
std::span<const Diagram> allDiagrams();

// Draws a picture at `dotsPerInch` of its printed size, anti-aliased, on transparent paper, and
// returns it as a 16-grey palette image with a transparent entry, ready for the GIF encoder.
QImage renderDiagram(const Diagram& diagram, double dotsPerInch);

// Maps an image to 16 evenly spaced greys (0, 17, ..., 255) by its luminance laid on white;
// pixels less than half opaque become the transparent 17th entry.
QImage toGreyPalette(const QImage& image);

} // namespace vornith::diagrams
