#pragma once

#include "platform/surface.h"

#include <QString>

#include <vector>

namespace vornith::test {

// The state of the surface when a primitive was drawn.
struct DrawState {
    QString fontName;
    double fontSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    Rgb foreColor = 0;
    int drawWidth = 1;
    FillStyle fillStyle = FillStyle::Transparent;
};

// One primitive as drawn: text at (x1, y1) (top-left) to (x2, y2) (after its width), a line
// or box between its two corners, a circle's centre in (x1, y1) and radius in x2, a picture's
// corner and signed size.
struct DrawOp {
    enum class Kind { Text, Line, Box, FilledBox, Circle, Invert, Picture, Clear };
    Kind kind;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    QString text;
    Rgb colour = 0;
    DrawState state;
};

// A surface with fixed, predictable metrics that logs every primitive with the state in force.
// Metrics, for a font of p points: every character is 10p twips wide (bold adds nothing), a
// text is 23p twips high, the ascent is 18p twips.
class RecordingSurface final : public Surface {
public:
    explicit RecordingSurface(SurfaceKind kind = SurfaceKind::PageBox, int widthPixels = 796,
                              int heightPixels = 1125, double twipsPerPixel = 15.0);

    const std::vector<DrawOp>& ops() const { return ops_; }
    void clearOps() { ops_.clear(); }
    DrawState state() const;

    SurfaceKind kind() const override { return kind_; }
    QString fontName() const override { return fontName_; }
    void setFontName(const QString& name) override { fontName_ = name; }
    double fontSize() const override { return fontSize_; }
    void setFontSize(double points) override { fontSize_ = points < 1 ? 1 : points; }
    bool fontBold() const override { return bold_; }
    void setFontBold(bool on) override { bold_ = on; }
    bool fontItalic() const override { return italic_; }
    void setFontItalic(bool on) override { italic_ = on; }
    bool fontUnderline() const override { return underline_; }
    void setFontUnderline(bool on) override { underline_ = on; }
    bool fontStrikethru() const override { return strikethru_; }
    void setFontStrikethru(bool on) override { strikethru_ = on; }
    Rgb foreColor() const override { return fore_; }
    void setForeColor(Rgb colour) override { fore_ = colour; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }

    double textWidth(const QString& text) const override { return text.size() * 10.0 * fontSize_; }
    double textHeight(const QString&) const override { return 23.0 * fontSize_; }
    int fontAscentPixels() const override;

    void print(const QString& text) override;

    int drawWidth() const override { return drawWidth_; }
    void setDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
    FillStyle fillStyle() const override { return fill_; }
    void setFillStyle(FillStyle style) override { fill_ = style; }

    using Surface::circle;
    using Surface::line;
    void line(double x1, double y1, double x2, double y2, Rgb colour, LineShape shape) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void invertBox(double x1, double y1, double x2, double y2) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void clear() override;

    int widthPixels() const override { return widthPx_; }
    int heightPixels() const override { return heightPx_; }
    double widthTwips() const override { return widthPx_ * tpp_; }
    double heightTwips() const override { return heightPx_ * tpp_; }
    double twipsPerPixelX() const override { return tpp_; }
    double twipsPerPixelY() const override { return tpp_; }

private:
    void record(DrawOp::Kind kind, double x1, double y1, double x2, double y2, Rgb colour,
                const QString& text = QString());

    SurfaceKind kind_;
    int widthPx_;
    int heightPx_;
    double tpp_;
    QString fontName_ = QStringLiteral("Times New Roman");
    double fontSize_ = 12;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethru_ = false;
    Rgb fore_ = 0;
    double x_ = 0;
    double y_ = 0;
    int drawWidth_ = 1;
    FillStyle fill_ = FillStyle::Transparent;
    std::vector<DrawOp> ops_;
};

} // namespace vornith::test
