#pragma once

#include "platform/surface.h"

namespace vornith::test {

// A surface that passes everything on to another one; tests override what they watch or hold
// back.
class ForwardingSurface : public Surface {
  public:
    explicit ForwardingSurface(Surface& target) : t_(target) {}

    SurfaceKind kind() const override { return t_.kind(); }
    QString fontName() const override { return t_.fontName(); }
    void setFontName(const QString& n) override { t_.setFontName(n); }
    double fontSize() const override { return t_.fontSize(); }
    void setFontSize(double s) override { t_.setFontSize(s); }
    bool fontBold() const override { return t_.fontBold(); }
    void setFontBold(bool on) override { t_.setFontBold(on); }
    bool fontItalic() const override { return t_.fontItalic(); }
    void setFontItalic(bool on) override { t_.setFontItalic(on); }
    bool fontUnderline() const override { return t_.fontUnderline(); }
    void setFontUnderline(bool on) override { t_.setFontUnderline(on); }
    bool fontStrikethru() const override { return t_.fontStrikethru(); }
    void setFontStrikethru(bool on) override { t_.setFontStrikethru(on); }
    Rgb foreColor() const override { return t_.foreColor(); }
    void setForeColor(Rgb c) override { t_.setForeColor(c); }
    double currentX() const override { return t_.currentX(); }
    double currentY() const override { return t_.currentY(); }
    void setCurrentX(double x) override { t_.setCurrentX(x); }
    void setCurrentY(double y) override { t_.setCurrentY(y); }
    double textWidth(const QString& s) const override { return t_.textWidth(s); }
    double textHeight(const QString& s) const override { return t_.textHeight(s); }
    int fontAscentPixels() const override { return t_.fontAscentPixels(); }
    double fontAscentTwips() const override { return t_.fontAscentTwips(); }
    void print(const QString& s) override { t_.print(s); }
    int drawWidth() const override { return t_.drawWidth(); }
    void setDrawWidth(int w) override { t_.setDrawWidth(w); }
    FillStyle fillStyle() const override { return t_.fillStyle(); }
    void setFillStyle(FillStyle f) override { t_.setFillStyle(f); }
    using Surface::circle;
    using Surface::line;
    void line(double x1, double y1, double x2, double y2, Rgb c, LineShape s) override {
        t_.line(x1, y1, x2, y2, c, s);
    }
    void circle(double x, double y, double r, Rgb c) override { t_.circle(x, y, r, c); }
    void invertBox(double x1, double y1, double x2, double y2) override {
        t_.invertBox(x1, y1, x2, y2);
    }
    void paintPicture(const Picture& p, double x, double y, double w, double h) override {
        t_.paintPicture(p, x, y, w, h);
    }
    void clear() override { t_.clear(); }
    int widthPixels() const override { return t_.widthPixels(); }
    int heightPixels() const override { return t_.heightPixels(); }
    double widthTwips() const override { return t_.widthTwips(); }
    double heightTwips() const override { return t_.heightTwips(); }
    double twipsPerPixelX() const override { return t_.twipsPerPixelX(); }
    double twipsPerPixelY() const override { return t_.twipsPerPixelY(); }

  private:
    Surface& t_;
};

} // namespace vornith::test
