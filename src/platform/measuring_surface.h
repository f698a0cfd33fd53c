#pragma once

#include "platform/surface.h"

namespace vornith {

// A surface that measures exactly like another one and paints nothing: layouts made on it
// (pagination) match the real surface, since layout depends only on metrics. The font state is
// that of the measured surface, which it sets; position, pen and fill are its own.
class MeasuringSurface final : public Surface {
public:
    explicit MeasuringSurface(Surface& model) : model_(model) {}

    SurfaceKind kind() const override { return model_.kind(); }
    QString fontName() const override { return model_.fontName(); }
    void setFontName(const QString& name) override { model_.setFontName(name); }
    double fontSize() const override { return model_.fontSize(); }
    void setFontSize(double points) override { model_.setFontSize(points); }
    bool fontBold() const override { return model_.fontBold(); }
    void setFontBold(bool on) override { model_.setFontBold(on); }
    bool fontItalic() const override { return model_.fontItalic(); }
    void setFontItalic(bool on) override { model_.setFontItalic(on); }
    bool fontUnderline() const override { return model_.fontUnderline(); }
    void setFontUnderline(bool on) override { model_.setFontUnderline(on); }
    bool fontStrikethru() const override { return model_.fontStrikethru(); }
    void setFontStrikethru(bool on) override { model_.setFontStrikethru(on); }
    Rgb foreColor() const override { return model_.foreColor(); }
    void setForeColor(Rgb colour) override { model_.setForeColor(colour); }

    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }

    double textWidth(const QString& text) const override { return model_.textWidth(text); }
    double textHeight(const QString& text) const override { return model_.textHeight(text); }
    int fontAscentPixels() const override { return model_.fontAscentPixels(); }
    double fontAscentTwips() const override { return model_.fontAscentTwips(); }

    void print(const QString& text) override { x_ += model_.textWidth(text); }

    int drawWidth() const override { return drawWidth_; }
    void setDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
    FillStyle fillStyle() const override { return fill_; }
    void setFillStyle(FillStyle style) override { fill_ = style; }

    using Surface::circle;
    using Surface::line;
    void line(double, double, double x2, double y2, Rgb, LineShape) override {
        x_ = x2;
        y_ = y2;
    }
    void circle(double cx, double cy, double, Rgb) override {
        x_ = cx;
        y_ = cy;
    }
    void invertBox(double, double, double, double) override {}
    void paintPicture(const Picture&, double, double, double, double) override {}
    void clear() override {
        x_ = 0;
        y_ = 0;
    }

    int widthPixels() const override { return model_.widthPixels(); }
    int heightPixels() const override { return model_.heightPixels(); }
    double widthTwips() const override { return model_.widthTwips(); }
    double heightTwips() const override { return model_.heightTwips(); }
    double twipsPerPixelX() const override { return model_.twipsPerPixelX(); }
    double twipsPerPixelY() const override { return model_.twipsPerPixelY(); }

private:
    Surface& model_;
    double x_ = 0;
    double y_ = 0;
    int drawWidth_ = 1;
    FillStyle fill_ = FillStyle::Transparent;
};

} // namespace vornith
