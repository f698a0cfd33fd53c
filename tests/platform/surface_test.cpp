#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/text_metrics.h"
#include "platform/symbol_fonts.h"
#include "platform/titulo_programa.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vornith {
namespace {

bool isDark(QRgb c) {
    return qGray(c) < 128;
}

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
        for (int x = 0; x < 10; ++x)
            source.setPixel(x, y, qRgb(255, 0, 0));
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

// The rows (or columns) holding any ink along the middle of a line from `from` to `to`.
std::vector<int> inkedRows(const QImage& img, bool horizontal, int from, int to) {
    std::vector<int> rows;
    const int across = horizontal ? img.height() : img.width();
    for (int r = 0; r < across; ++r) {
        for (int a = from; a <= to; ++a) {
            const QRgb c = horizontal ? img.pixel(a, r) : img.pixel(r, a);
            if (c != qRgb(255, 255, 255)) {
                rows.push_back(r);
                break;
            }
        }
    }
    return rows;
}

TEST(PageBoxSurface, HairlinesCoverWholePixelsInSolidColour) {
    // A one-pixel rule at any fractional position is one row of black (two rows of device
    // pixels at twice the density), horizontal or vertical; so is a box's edge.
    for (const double ratio : {1.0, 2.0}) {
        for (const double at : {300.0, 303.0, 307.5, 311.0, 314.9}) {
            for (const bool horizontal : {true, false}) {
                SCOPED_TRACE(testing::Message() << ratio << " " << at << " " << horizontal);
                PageBoxSurface page(60, 60, ratio);
                if (horizontal)
                    page.line(150, at, 600, at, 0, LineShape::Line);
                else
                    page.line(at, 150, at, 600, 0, LineShape::Line);
                const QImage& img = page.image();
                const int from = static_cast<int>(15 * ratio);
                const int to = static_cast<int>(35 * ratio);
                const std::vector<int> rows = inkedRows(img, horizontal, from, to);
                ASSERT_EQ(rows.size(), static_cast<std::size_t>(ratio));
                // The row under the given position is among them.
                const int under = static_cast<int>(std::floor(at / 15 * ratio));
                EXPECT_TRUE(rows.front() == under || rows.back() == under);
                for (int a = from; a <= to; ++a) {
                    for (const int r : rows)
                        EXPECT_EQ(horizontal ? img.pixel(a, r) : img.pixel(r, a), qRgb(0, 0, 0));
                }
            }
        }
    }
    PageBoxSurface page(60, 60);
    page.setDrawWidth(2);
    page.line(150, 157, 600, 157, 0, LineShape::Line);
    EXPECT_EQ(inkedRows(page.image(), true, 15, 35).size(), 2u);
    page.clear();
    page.setDrawWidth(1);
    page.line(152, 152, 602, 602, 0, LineShape::Box);
    EXPECT_EQ(inkedRows(page.image(), true, 15, 35), (std::vector<int>{10, 40}));
}

// The number of 8-connected groups of pixels darker than `below`.
int darkGroups(const QImage& img, int below) {
    std::vector<char> seen(static_cast<std::size_t>(img.width() * img.height()), 0);
    auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < below; };
    int groups = 0;
    for (int y0 = 0; y0 < img.height(); ++y0) {
        for (int x0 = 0; x0 < img.width(); ++x0) {
            if (seen[static_cast<std::size_t>(y0 * img.width() + x0)] || !dark(x0, y0)) continue;
            ++groups;
            std::vector<QPoint> stack{{x0, y0}};
            seen[static_cast<std::size_t>(y0 * img.width() + x0)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx;
                        const int y = p.y() + dy;
                        if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) continue;
                        char& s = seen[static_cast<std::size_t>(y * img.width() + x)];
                        if (s || !dark(x, y)) continue;
                        s = 1;
                        stack.push_back({x, y});
                    }
                }
            }
        }
    }
    return groups;
}

TEST(PageBoxSurface, ShrunkPicturesKeepTheirThinStrokes) {
    // A subscripted label as the diagram files hold it (600 dots per inch, transparent
    // paper), shown about six times smaller at zoom 1 and three times at zoom 2: the strokes
    // of both characters survive, so both zooms show the same two shapes.
    QImage label(420, 150, QImage::Format_ARGB32_Premultiplied);
    label.fill(Qt::transparent);
    {
        QPainter p(&label);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setItalic(true);
        font.setPixelSize(80);
        p.setFont(font);
        p.drawText(20, 90, QStringLiteral("m"));
        font.setItalic(false);
        font.setPixelSize(53);
        p.setFont(font);
        p.drawText(100, 110, QStringLiteral("2"));
    }
    const QtPicture picture(label.convertToFormat(QImage::Format_Indexed8));
    // At every sub-pixel position of the picture's corner.
    for (const double offset : {0.0, 2.5, 5.0, 7.5, 10.0, 12.5}) {
        for (const double zoom : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << offset << " " << zoom);
            PageBoxSurface page(static_cast<int>(80 * zoom), static_cast<int>(30 * zoom));
            // 420 x 150 dots at 600 per inch, in twips, at the zoom.
            page.paintPicture(picture, offset, offset * 0.7, 1008 * zoom, 360 * zoom);
            EXPECT_EQ(darkGroups(page.image(), 200), 2);
        }
    }
    // Shown again at the same size, the picture is drawn from the kept copy, identically.
    PageBoxSurface a(80, 30);
    PageBoxSurface b(80, 30);
    a.paintPicture(picture, 5, 5, 1008, 360);
    b.paintPicture(picture, 5, 5, 1008, 360);
    EXPECT_EQ(a.image(), b.image());
}

// Every character the engine prints in a coded font must come out as a real glyph, drawn from
// Standard Symbols PS (whose metrics the layout rules expect) wherever that font has it.
TEST(SymbolFonts, EveryMappedCodeHasAGlyph) {
    const std::vector<int> symbolCodes = {
        97,  98,  103, 71,  100, 68,  101, 122, 104, 113, 81,  105, 107, 108, 76,  109, 110, 120,
        88,  112, 80,  114, 115, 83,  116, 117, 161, 106, 70,  99,  121, 89,  119, 87,  220, 221,
        222, 223, 219, 172, 173, 174, 175, 171, 184, 185, 198, 187, 64,  194, 163, 179, 165, 206,
        209, 94,  34,  36,  182, 242, 177, 180, 207, 102, 167, 168, 169, 170, 217, 218};
    const std::vector<int> extraCodes = {85, 73, 109, 104};
    // MT Extra's minus-plus and h-bar are not in the symbol font.
    const QString notInSymbols = QStringLiteral("\u2213\u210F");
    for (const auto& [coded, codes] :
         {std::pair{CodedFont::Symbol, symbolCodes}, std::pair{CodedFont::MtExtra, extraCodes}}) {
        for (const int code : codes) {
            const QString text(QChar(static_cast<char16_t>(code)));
            const FontResolver::CodedText drawn = FontResolver::codedText(coded, text);
            QFont font(drawn.family);
            font.setStyleStrategy(QFont::NoFontMerging);
            EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(drawn.text.front()))
                << "code " << code << " in " << drawn.family.toStdString();
            EXPECT_EQ(drawn.family.startsWith(QStringLiteral("Standard Symbols PS")),
                      !notInSymbols.contains(mapCodedText(coded, text).front()))
                << "code " << code << " in " << drawn.family.toStdString();
        }
    }
    EXPECT_EQ(mapCodedText(CodedFont::Symbol, QStringLiteral("a")), QStringLiteral("\u03B1"));
    EXPECT_EQ(mapCodedText(CodedFont::MtExtra, QStringLiteral("h")), QStringLiteral("\u210F"));
}

TEST(SymbolFonts, SymbolCharactersHaveTheSymbolFontsWidths) {
    // Advance widths in thousandths of an em, as the symbol font's metrics give them: each
    // code draws its own glyph (the multiplication sign, not the dot operator at 0xD7).
    const std::pair<int, double> widths[] = {{'a', 631},  {'w', 686},  {'m', 576},  {'p', 549},
                                             {0xB4, 549}, {0xD7, 250}, {0xF2, 274}, {0xB1, 549}};
    PageBoxSurface page(10, 10);
    page.setFontName(QStringLiteral("Symbol"));
    for (const auto& [code, width] : widths) {
        // 12 points: 240 twips to the em.
        EXPECT_NEAR(page.textWidth(QString(QChar(static_cast<char16_t>(code)))), width * 0.24, 1)
            << code;
    }
}

// Greek letters and the integral sign reach a PDF in the symbol font, with no DejaVu in it.
TEST(SymbolFonts, PdfEmbedsTheSymbolFont) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("s.pdf"));
    QtPrinters printers;
    auto job = printers.beginJob({QString(), pdf}, {});
    ASSERT_NE(job, nullptr);
    Surface& surface = job->surface();
    surface.setFontName(QStringLiteral("Symbol"));
    surface.moveTo(600, 600);
    surface.print(QStringLiteral("wmp"));
    surface.setFontSize(24);
    surface.print(QString(QChar(char16_t(242))));
    ASSERT_TRUE(job->endDoc());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("StandardSymbolsPS"));
    EXPECT_FALSE(bytes.contains("DejaVu"));
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
    EXPECT_TRUE(job->newPage());
    surface.moveTo(559, 620);
    surface.print(QStringLiteral("Página dos"));
    EXPECT_TRUE(job->endDoc());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2);
}

// The PDF file's information: the document name the job was given as its title, the program
// as its creator.
TEST(PrinterSurface, PdfJobNamesTheDocumentAndTheProgram) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("hoja.pdf"));
    QtPrinters printers;
    auto job = printers.beginJob({QString(), pdf}, QStringLiteral("Repaso de cinemática"));
    ASSERT_NE(job, nullptr);
    ASSERT_TRUE(job->endDoc());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString campos = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(campos.contains(
        QRegularExpression(QStringLiteral("(^|\\n)Title: +Repaso de cinemática\\n"))))
        << campos.toStdString();
    EXPECT_TRUE(campos.contains(QRegularExpression(QStringLiteral("(^|\\n)Creator: +") +
                                                   TituloPrograma() + QStringLiteral("\\n"))))
        << campos.toStdString();
}

// A PDF file on a full device: the job starts, but cannot finish.
TEST(PrinterSurface, PdfJobOnAFullDeviceFailsToEnd) {
    QtPrinters printers;
    auto job = printers.beginJob({QString(), QStringLiteral("/dev/full")}, QStringLiteral("x"));
    ASSERT_NE(job, nullptr);
    for (int p = 0; p < 3; ++p) {
        job->surface().moveTo(559, 620);
        job->surface().print(QStringLiteral("Una página que no cabe en ningún sitio"));
        job->newPage();
    }
    EXPECT_FALSE(job->endDoc());
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
