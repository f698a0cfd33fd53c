#pragma once

#include "platform/qt/font_resolver.h"
#include "platform/qt/text_metrics.h"
#include "platform/surface.h"

#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRawFont>

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace vornith {

// A surface drawn with QPainter on any paint device. The painter works in twips (scaled to the
// device's pixels), so text, lines and pictures land where the engine computed them.
class PainterSurface : public Surface {
  public:
    PainterSurface(SurfaceKind kind, double twipsPerPixelX, double twipsPerPixelY);
    ~PainterSurface() override;

    SurfaceKind kind() const override { return kind_; }

    QString fontName() const override { return font_.name; }
    void setFontName(const QString& name) override;
    double fontSize() const override { return font_.points; }
    void setFontSize(double points) override;
    bool fontBold() const override { return font_.bold; }
    void setFontBold(bool on) override;
    bool fontItalic() const override { return font_.italic; }
    void setFontItalic(bool on) override;
    bool fontUnderline() const override { return font_.underline; }
    void setFontUnderline(bool on) override {
        font_.underline = on;
        drawFontValid_ = false;
    }
    bool fontStrikethru() const override { return font_.strikethru; }
    void setFontStrikethru(bool on) override {
        font_.strikethru = on;
        drawFontValid_ = false;
    }

    Rgb foreColor() const override { return fore_; }
    void setForeColor(Rgb colour) override { fore_ = colour; }

    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }

    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    int fontAscentPixels() const override;
    double fontAscentTwips() const override;

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

    double twipsPerPixelX() const override { return tppX_; }
    double twipsPerPixelY() const override { return tppY_; }

  protected:
    // The device painted on; it must stay alive while a painter is active.
    virtual QPaintDevice* device() = 0;
    // Where twip (0, 0) lies on the device, in twips from its top-left corner.
    virtual QPointF originTwips() const { return {}; }
    // Starts the painter on demand; derived classes end it before handing the device out.
    // Text still waiting to be drawn is drawn first.
    QPainter& painter();
    // Ends the painter; false when none was active or the device refused to finish.
    bool endPainting();
    // Draws the characters printed but not drawn yet (see print()).
    void drawPendingText();

  private:
    // A drawing font with the glyphs of the Latin-1 characters looked up so far.
    struct GlyphFont {
        QRawFont raw;
        std::array<int, 256> glyphs; // -1 not looked up yet, 0 missing from the font
        // The glyph of `c`, or 0 when it must be drawn as text: outside Latin-1, or missing
        // from the font and left to Qt's font fallback.
        quint32 glyphOf(QChar c);
    };
    // Characters printed in one font and colour, drawn as one glyph run.
    struct PendingText {
        const GlyphFont* font = nullptr;
        Rgb colour = 0;
        QList<quint32> glyphs;
        QList<QPointF> positions; // baseline origins, in twips
    };

    QPainter& activePainter();
    // The waiting run that takes the next character of `font` in the current colour.
    PendingText& pendingRunFor(const GlyphFont& font);
    QPen penFor(Rgb colour) const;
    // `twips` moved, on the page box, to where a line of the current pen width across it
    // covers whole device pixels; unchanged on other surfaces.
    double snapped(double twips, bool vertical);
    // The drawing font of the font state measured by `metrics`.
    GlyphFont& glyphFontFor(const TextMetrics::Entry& metrics);
    // The metrics of the current font; null for the byte-coded fonts, whose family depends on
    // the text.
    TextMetrics::Entry* metrics() const;
    TextMetrics::Entry* recentMetrics() const;

    SurfaceKind kind_;
    double tppX_;
    double tppY_;
    FontState font_;
    Rgb fore_ = 0;
    double x_ = 0;
    double y_ = 0;
    int drawWidth_ = 1;
    FillStyle fill_ = FillStyle::Transparent;
    std::unique_ptr<QPainter> painter_;
    bool coded_ = false;
    mutable TextMetrics::Entry* metrics_ = nullptr; // reset whenever the font changes
    // The metrics of the last few font states. The engine switches fonts all the time (to
    // "Courier New" and back after every symbol and construct, italic off and on around every
    // digit), and a full TextMetrics lookup after each switch cost more than the measuring.
    struct RecentFont {
        QString name;
        double points = 0;
        bool bold = false;
        bool italic = false;
        std::shared_ptr<TextMetrics::Entry> entry;
    };
    mutable std::array<RecentFont, 8> recent_;
    mutable std::size_t nextRecent_ = 0; // the slot the next new font state replaces
    QFont drawFont_;                     // the font print() draws text with
    bool drawFontValid_ = false;
    // Drawing one character with QPainter::drawText shapes it and looks its font up, and in a
    // PDF makes a text object of it; the engine prints one character at a time, so single
    // characters are queued and drawn in runs. Drawing fonts by metrics entry, each keeping its
    // entry alive, so that no other entry takes its address; at most kMaxGlyphFonts of them.
    struct EntryGlyphs {
        std::shared_ptr<const TextMetrics::Entry> entry;
        std::unique_ptr<GlyphFont> font;
    };
    static constexpr std::size_t kMaxGlyphFonts = 64;
    std::unordered_map<const TextMetrics::Entry*, EntryGlyphs> glyphFonts_;
    const TextMetrics::Entry* glyphEntry_ = nullptr; // the entry of glyphFont_
    GlyphFont* glyphFont_ = nullptr;
    // Runs waiting to be drawn, in order. The page box keeps one. The printer keeps one per font
    // and colour until something else is drawn: a PDF writes each run as a text object with
    // its own state and font selection, and the engine switches fonts every few characters.
    std::vector<PendingText> pending_;
};

} // namespace vornith
