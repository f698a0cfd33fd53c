#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/text_metrics.h"
#include "platform/symbol_fonts.h"

#include <QFile>
#include <QRawFont>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith {
namespace {

bool isDark(QRgb c) { return qGray(c) < 128; }

TEST(PageBoxSurface, PrintAdvancesXByWidthAndKeepsY) {
    PageBoxSurface page(796, 1125);
    page.setFontName(QStringLiteral("Times New Roman"));
    page.setFontSize(12);
    page.moveTo(900, 1200);
    const double w = page.textWidth(QStringLiteral("Velocidad"));
    EXPECT_GT(w, 500);
    page.print(QStringLiteral("Velocidad"));
    EXPECT_DOUBLE_EQ(page.currentX(), 900 + w);
    EXPECT_DOUBLE_EQ(page.currentY(), 1200);
}

TEST(PageBoxSurface, TextIsDrawnBelowCurrentYFromCurrentX) {
    PageBoxSurface page(200, 100);
    page.setFontSize(12);
    page.moveTo(300, 300); // 20 px, 20 px
    page.print(QStringLiteral("HHHH"));
    const QImage& img = page.image();
    bool above = false, inside = false, left = false;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (!isDark(img.pixel(x, y))) continue;
            if (y < 19) above = true;
            if (x < 19) left = true;
            if (y >= 20 && y < 40 && x >= 20) inside = true;
        }
    }
    EXPECT_TRUE(inside);
    EXPECT_FALSE(above);
    EXPECT_FALSE(left);
}

TEST(PageBoxSurface, MetricsScaleLinearlyWithSize) {
    // Hinting and kerning off: the screen at any zoom breaks lines where the printer does.
    PageBoxSurface page(10, 10);
    const QString text = QStringLiteral("La aceleración del móvil es constante");
    page.setFontSize(12);
    const double w12 = page.textWidth(text);
    const double h12 = page.textHeight(QStringLiteral("Hp"));
    page.setFontSize(24);
    EXPECT_NEAR(page.textWidth(text), 2 * w12, w12 * 0.002);
    EXPECT_NEAR(page.textHeight(QStringLiteral("Hp")), 2 * h12, h12 * 0.01);
    page.setFontSize(9);
    EXPECT_NEAR(page.textWidth(text), 0.75 * w12, w12 * 0.002);
}

TEST(PageBoxSurface, FontStateReadsBack) {
    PageBoxSurface page(10, 10);
    page.setFontName(QStringLiteral("Arial"));
    page.setFontSize(10.5);
    page.setFontBold(true);
    page.setFontItalic(true);
    page.setFontUnderline(true);
    page.setFontStrikethru(true);
    page.setForeColor(rgb(255, 0, 0));
    EXPECT_EQ(page.fontName(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(page.fontSize(), 10.5);
    EXPECT_TRUE(page.fontBold() && page.fontItalic() && page.fontUnderline() &&
                page.fontStrikethru());
    EXPECT_EQ(page.foreColor(), rgb(255, 0, 0));
    page.setDrawWidth(0);
    EXPECT_EQ(page.drawWidth(), 1);
    EXPECT_GT(page.fontAscentPixels(), 8);
    EXPECT_LT(page.fontAscentPixels(), 16);
}

TEST(PageBoxSurface, BoldIsWiderAndFontsDiffer) {
    PageBoxSurface page(10, 10);
    const QString text = QStringLiteral("Movimiento");
    const double plain = page.textWidth(text);
    page.setFontBold(true);
    EXPECT_GT(page.textWidth(text), plain);
    page.setFontBold(false);
    page.setFontName(QStringLiteral("Courier New"));
    EXPECT_NEAR(page.textWidth(QStringLiteral("iiii")), page.textWidth(QStringLiteral("MMMM")), 1);
}

TEST(PageBoxSurface, PictureWithNegativeHeightIsUpright) {
    QImage source(10, 10, QImage::Format_RGB32);
    source.fill(Qt::blue);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x) source.setPixel(x, y, qRgb(255, 0, 0));
    const QtPicture picture(source);

    PageBoxSurface page(100, 100);
    // Corner at pixel (10, 60), 40 px wide, 40 px up: covers y from 20 to 60.
    page.paintPicture(picture, 150, 900, 600, -600);
    const QImage& img = page.image();
    EXPECT_EQ(qRed(img.pixel(30, 25)), 255);  // top of the rectangle: the top of the picture
    EXPECT_EQ(qBlue(img.pixel(30, 55)), 255); // bottom: its bottom
    EXPECT_EQ(img.pixel(30, 70), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(30, 15), qRgb(255, 255, 255));
}

TEST(PageBoxSurface, LinesBoxesInvertAndClear) {
    PageBoxSurface page(100, 100);
    page.line(150, 150, 600, 600, rgb(0, 255, 0), LineShape::FilledBox);
    EXPECT_DOUBLE_EQ(page.currentX(), 600);
    EXPECT_DOUBLE_EQ(page.currentY(), 600);
    EXPECT_EQ(page.image().pixel(25, 25), qRgb(0, 255, 0));
    page.invertBox(0, 0, 1500, 1500);
    EXPECT_EQ(page.image().pixel(25, 25), qRgb(255, 0, 255));
    EXPECT_EQ(page.image().pixel(80, 80), qRgb(0, 0, 0));
    page.clear();
    EXPECT_EQ(page.image().pixel(25, 25), qRgb(255, 255, 255));
    EXPECT_DOUBLE_EQ(page.currentX(), 0);
}

TEST(PageBoxSurface, DevicePixelRatioKeepsTwipsPerPixel) {
    PageBoxSurface page(796, 1125, 2.0);
    EXPECT_EQ(page.widthPixels(), 796);
    EXPECT_DOUBLE_EQ(page.widthTwips(), 796 * 15.0);
    EXPECT_EQ(page.image().width(), 1592);
    page.line(0, 0, 1500, 1500, rgb(0, 0, 0), LineShape::FilledBox);
    EXPECT_EQ(page.image().pixel(190, 190), qRgb(0, 0, 0)); // logical pixel 95
    EXPECT_EQ(page.image().pixel(210, 210), qRgb(255, 255, 255));
}

// Every character the engine prints in a coded font must come out as a real glyph.
TEST(SymbolFonts, EveryMappedCodeHasAGlyph) {
    const int symbolCodes[] = {
        97,  98,  103, 71,  100, 68,  101, 122, 104, 113, 81,  105, 107, 108, 76,  109, 110, 120,
        88,  112, 80,  114, 115, 83,  116, 117, 161, 106, 70,  99,  121, 89,  119, 87,  220, 221,
        222, 223, 219, 172, 173, 174, 175, 171, 184, 185, 198, 187, 64,  194, 163, 179, 165, 206,
        209, 94,  34,  36,  182, 242, 177, 180, 207, 102, 167, 168, 169, 170, 217, 218};
    for (const int code : symbolCodes) {
        const QString text(QChar(static_cast<char16_t>(code)));
        const QString mapped = mapCodedText(CodedFont::Symbol, text);
        const QString family = FontResolver::codedFamilyFor(CodedFont::Symbol, mapped);
        QFont font(family);
        font.setStyleStrategy(QFont::NoFontMerging);
        EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(mapped.front()))
            << "code " << code << " in " << family.toStdString();
    }
    for (const int code : {85, 73, 109, 104}) {
        const QString mapped =
            mapCodedText(CodedFont::MtExtra, QString(QChar(static_cast<char16_t>(code))));
        const QString family = FontResolver::codedFamilyFor(CodedFont::MtExtra, mapped);
        QFont font(family);
        font.setStyleStrategy(QFont::NoFontMerging);
        EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(mapped.front())) << code;
    }
    EXPECT_EQ(mapCodedText(CodedFont::Symbol, QStringLiteral("a")), QStringLiteral("\u03B1"));
    EXPECT_EQ(mapCodedText(CodedFont::MtExtra, QStringLiteral("h")), QStringLiteral("\u210F"));
}

TEST(SymbolFonts, CoreFontsResolveToInstalledFamilies) {
    for (const char* name : {"Times New Roman", "Arial", "Courier New"}) {
        const QString family = FontResolver::familyFor(QString::fromLatin1(name));
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << family.toStdString();
    }
}

// Markup may name any number of fonts: names nobody has share the family that draws them, and
// the metrics kept are bounded while those in use stay valid.
TEST(SymbolFonts, UnknownNamesShareTheFamilyThatDrawsThem) {
    const QString a = FontResolver::familyFor(QStringLiteral("Fuente que no existe 1"));
    EXPECT_TRUE(QFontDatabase::hasFamily(a)) << a.toStdString();
    EXPECT_EQ(FontResolver::familyFor(QStringLiteral("Fuente que no existe 2")), a);

    FontState estado;
    const std::shared_ptr<TextMetrics::Entry> primera = TextMetrics::entry(estado, a);
    const double ancho = primera->width(QStringLiteral("Hp"));
    EXPECT_EQ(TextMetrics::entry(estado, a), primera);
    for (std::size_t k = 1; k <= TextMetrics::kMaxEntries; ++k) {
        estado.points = 12 + 0.01 * static_cast<double>(k);
        TextMetrics::entry(estado, a);
    }
    estado.points = 12;
    EXPECT_NE(TextMetrics::entry(estado, a), primera); // dropped and made again
    EXPECT_EQ(primera->width(QStringLiteral("Hp")), ancho);

    // A surface drawing in many sizes keeps drawing each size right.
    PageBoxSurface page(796, 1125);
    page.setFontName(QStringLiteral("Otra fuente que no existe"));
    for (int k = 0; k < 2 * static_cast<int>(TextMetrics::kMaxEntries); ++k) {
        page.setFontSize(8 + 0.05 * k);
        page.moveTo(100, 100 + 10 * k);
        page.print(QStringLiteral("x"));
    }
    page.setFontSize(12);
    page.setFontName(QStringLiteral("Times New Roman"));
    page.moveTo(900, 12000);
    const double w = page.textWidth(QStringLiteral("Velocidad"));
    page.print(QStringLiteral("Velocidad"));
    EXPECT_DOUBLE_EQ(page.currentX(), 900 + w);
}

TEST(PrinterSurface, PdfJobHasOnePagePerPageAndPrinterGeometry) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QtPrinters printers;
    EXPECT_GE(printers.count(), 1);
    EXPECT_TRUE(printers.deviceNames().contains(QtPrinters::pdfPrinterName()));
    auto job = printers.beginJob({QString(), pdf}, QStringLiteral("prueba"));
    ASSERT_NE(job, nullptr);
    Surface& surface = job->surface();
    EXPECT_EQ(surface.kind(), SurfaceKind::Printer);
    EXPECT_NEAR(surface.twipsPerPixelX(), 1440.0 / 1200.0, 0.5);
    // The printable area of A4 (11906 x 16838 twips) less the printer's edges.
    EXPECT_NEAR(surface.widthTwips(), 11906 - 348 - 148, 30);
    EXPECT_NEAR(surface.heightTwips(), 16838 - 287 - 286, 30);
    surface.moveTo(559, 620);
    const double w = surface.textWidth(QStringLiteral("Página uno"));
    surface.print(QStringLiteral("Página uno"));
    EXPECT_DOUBLE_EQ(surface.currentX(), 559 + w);
    job->newPage();
    surface.moveTo(559, 620);
    surface.print(QStringLiteral("Página dos"));
    EXPECT_TRUE(job->endDoc());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2);
}

TEST(PrinterSurface, MeasuresLikeThePageBox) {
    QTemporaryDir dir;
    QtPrinters printers;
    auto job = printers.beginJob({QString(), dir.filePath(QStringLiteral("m.pdf"))}, {});
    ASSERT_NE(job, nullptr);
    PageBoxSurface page(10, 10);
    const QString text = QStringLiteral("Un tren parte de la estación");
    EXPECT_DOUBLE_EQ(job->surface().textWidth(text), page.textWidth(text));
    job->endDoc();
}

} // namespace
} // namespace vornith
