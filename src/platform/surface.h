#pragma once

#include "platform/colour.h"

#include <QString>

namespace vornith {

class Picture;

// Which surface is drawn on: the engine chooses page geometry and pixel sizes by it.
enum class SurfaceKind { PageBox, Printer };

enum class FillStyle { Solid, Transparent };

// How a line primitive is drawn: a plain line, the outline of the box it spans, or that box
// filled.
enum class LineShape { Line, Box, FilledBox };

// The drawing surface the formatted-text engine draws on, the page box and the printer alike.
// Every length is in twips; the current position is where the next text is printed: the top of
// the text at CurrentY, from CurrentX.
class Surface {
public:
    virtual ~Surface() = default;

    virtual SurfaceKind kind() const = 0;

    // Font. The size is in points; read back after a set, it gives the size in force.
    virtual QString fontName() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual double fontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool on) = 0;
    virtual bool fontItalic() const = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual bool fontUnderline() const = 0;
    virtual void setFontUnderline(bool on) = 0;
    virtual bool fontStrikethru() const = 0;
    virtual void setFontStrikethru(bool on) = 0;

    // The text colour, also the colour of lines drawn without a colour of their own.
    virtual Rgb foreColor() const = 0;
    virtual void setForeColor(Rgb colour) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    void moveTo(double x, double y) {
        setCurrentX(x);
        setCurrentY(y);
    }

    // Measurements in the current font.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;
    // The ascent of the current font in whole pixels of this surface.
    virtual int fontAscentPixels() const = 0;
    // The ascent of the current font in twips, unrounded, for layouts alike at every zoom.
    virtual double fontAscentTwips() const { return fontAscentPixels() * twipsPerPixelY(); }

    // Prints `text` with its top at CurrentY from CurrentX; CurrentX then advances by the
    // text's width and CurrentY stays.
    virtual void print(const QString& text) = 0;

    // Pen width in whole pixels, at least 1.
    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual FillStyle fillStyle() const = 0;
    virtual void setFillStyle(FillStyle style) = 0;

    // A line (or box) from (x1, y1) to (x2, y2) in `colour`; afterwards the current position
    // is (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2, Rgb colour,
                      LineShape shape = LineShape::Line) = 0;
    void line(double x1, double y1, double x2, double y2, LineShape shape = LineShape::Line) {
        line(x1, y1, x2, y2, foreColor(), shape);
    }
    // A line (or box) from (x, y) by the step (dx, dy).
    void lineBy(double x, double y, double dx, double dy, Rgb colour,
                LineShape shape = LineShape::Line) {
        line(x, y, x + dx, y + dy, colour, shape);
    }
    void lineBy(double x, double y, double dx, double dy, LineShape shape = LineShape::Line) {
        line(x, y, x + dx, y + dy, foreColor(), shape);
    }
    virtual void circle(double cx, double cy, double radius, Rgb colour) = 0;
    void circle(double cx, double cy, double radius) { circle(cx, cy, radius, foreColor()); }

    // Inverts the colours of the box between two corners (the selection mark of the page box).
    virtual void invertBox(double x1, double y1, double x2, double y2) = 0;

    // Paints `picture` into the rectangle with corner (x, y) and the signed size (width,
    // height); a negative size runs left or up from the corner. The picture is always upright.
    virtual void paintPicture(const Picture& picture, double x, double y, double width,
                              double height) = 0;

    // Clears the surface to white and puts the current position at (0, 0).
    virtual void clear() = 0;

    // The surface's outer size: in logical pixels and in twips.
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
};

} // namespace vornith
