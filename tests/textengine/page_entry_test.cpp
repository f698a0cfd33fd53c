#include "engine_fixture.h"

#include "textengine/page_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace vornith::textengine::test {
namespace {

// The page box at zoom 1 on the recording surface: 12-point lines are 276 twips high and
// 331.2 apart (a fifth of h between them); 45 of them fit between the margins.
const double kMargen = 16 / 25.4 * 1440;
constexpr double kH = 276;
constexpr double kPaso = kH + kH / 5;

QString repite(const QString& s, int n) {
    QString r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

QString marca(int n) {
    return QStringLiteral("#MARK=%1").arg(n, 3, 10, QLatin1Char('0'));
}

// n lines "l1" ... "ln", each followed by "&LF".
QString lineas(int n) {
    QString r;
    for (int i = 1; i <= n; ++i)
        r += QStringLiteral("l%1&LF").arg(i);
    return r;
}

double dibuja(Motor& m, RecordingSurface& s, const QString& texto, double tamano = 12) {
    DibujaTextoFormateado(m.motor, texto, tamano, s);
    return tamano;
}

// The Y of every text op, deduplicated, in order: the tops of the lines drawn.
std::vector<double> topes(const RecordingSurface& s) {
    std::vector<double> y;
    for (const DrawOp& op : s.ops()) {
        if (op.kind == DrawOp::Kind::Text && (y.empty() || op.y1 != y.back())) y.push_back(op.y1);
    }
    return y;
}

void mismosTopes(const std::vector<double>& y, const std::vector<double>& esperados) {
    ASSERT_EQ(y.size(), esperados.size());
    for (size_t i = 0; i < y.size(); ++i)
        EXPECT_NEAR(y[i], esperados[i], 1e-6);
}

void bloquesEnOrden(const EstadoMotor& m) {
    for (int n = 1; n <= m.NumBloquesPagina; ++n) {
        const auto k = static_cast<std::size_t>(n);
        EXPECT_LE(m.BloqueY1[k], m.BloqueY2[k]) << "block " << n;
        if (n > 1) {
            EXPECT_LE(m.BloqueY2[k - 1], m.BloqueY1[k]) << "block " << n;
        }
        EXPECT_FALSE(m.BloqueSel[k]);
    }
}

TEST(DibujaTextoFormateado, SetsThePageBoxGeometryAndReplacesABadSize) {
    Motor m;
    RecordingSurface s;
    EXPECT_DOUBLE_EQ(dibuja(m, s, QStringLiteral("a"), 0), 5);
    EXPECT_DOUBLE_EQ(s.ops().front().state.fontSize, 5);
    EXPECT_DOUBLE_EQ(m.motor.AnchoPagina, 794 * 15);
    EXPECT_DOUBLE_EQ(m.motor.AltoPagina, 1123 * 15);
    EXPECT_DOUBLE_EQ(m.motor.MargenIzqPagina, kMargen);
    EXPECT_DOUBLE_EQ(m.motor.MargenInfPagina, kMargen);
    EXPECT_EQ(s.ops().front().state.fontName, QStringLiteral("Times New Roman"));

    m.motor.Zoom = 2;
    EXPECT_DOUBLE_EQ(dibuja(m, s, QStringLiteral("a"), -3), 10);
    EXPECT_DOUBLE_EQ(m.motor.MargenSupPagina, 2 * kMargen);
}

TEST(DibujaTextoFormateado, SetsThePrinterGeometryOnlyWhenAPrinterIsInstalled) {
    Motor m;
    RecordingSurface papel(SurfaceKind::Printer, 4753, 6883, 2.4);
    m.motor.AnchoPagina = 1;
    m.motor.MargenIzqPagina = 2;
    dibuja(m, papel, QStringLiteral("a"));
    EXPECT_DOUBLE_EQ(m.motor.AnchoPagina, 1);
    EXPECT_DOUBLE_EQ(m.motor.MargenIzqPagina, 2);

    m.motor.printerCount = 1;
    dibuja(m, papel, QStringLiteral("a"));
    EXPECT_NEAR(m.motor.MargenIzqPagina, 559.0866, 1e-4);
    EXPECT_NEAR(m.motor.MargenDerPagina, 759.0866, 1e-4);
    EXPECT_NEAR(m.motor.MargenSupPagina, 620.0866, 1e-4);
    EXPECT_NEAR(m.motor.MargenInfPagina, 621.0866, 1e-4);
}

// Inside the margins the page is the same on paper and on the page box at every zoom, times
// the zoom, whatever the surface's size in pixels: the screen page is the printed page.
TEST(DibujaTextoFormateado, TheUsablePageIsTheSameOnPaperAndOnScreenAtAnyZoom) {
    const auto util = [](const textengine::EstadoMotor& e) {
        return std::pair(e.AnchoPagina - e.MargenIzqPagina - e.MargenDerPagina,
                         e.AltoPagina - e.MargenSupPagina - e.MargenInfPagina);
    };
    Motor m;
    m.motor.printerCount = 1;
    RecordingSurface papel(SurfaceKind::Printer, 4753, 6883, 2.4);
    dibuja(m, papel, QStringLiteral("a"));
    const auto [ancho, alto] = util(m.motor);
    EXPECT_NEAR(ancho, 10095.83, 0.01);
    EXPECT_NEAR(alto, 15030.83, 0.01);
    for (const double zoom : {0.5, 1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(zoom);
        m.motor.Zoom = zoom;
        RecordingSurface caja(SurfaceKind::PageBox, static_cast<int>(std::lround(796 * zoom)),
                              static_cast<int>(std::lround(1125 * zoom)));
        dibuja(m, caja, QStringLiteral("a"), 12 * zoom);
        EXPECT_NEAR(util(m.motor).first, ancho * zoom, 1e-9);
        EXPECT_NEAR(util(m.motor).second, alto * zoom, 1e-9);
        EXPECT_NEAR(m.motor.MargenIzqPagina, kMargen * zoom, 1e-9);
    }
}

TEST(DibujaTextoFormateado, SplitsAtLineFeedTagsNotAtCarriageReturnPairs) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("A&LF&LFB"));
    mismosTopes(topes(s), {kMargen, kMargen + 2 * kPaso});
    EXPECT_DOUBLE_EQ(s.ops().front().x1, kMargen + 1);

    s.clearOps();
    dibuja(m, s, QStringLiteral("A\r\nB"));
    EXPECT_EQ(textos(s.ops()), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(topes(s).size(), 1u);

    // The pairs go before the text is split: one inside "&LF" leaves a line feed tag.
    s.clearOps();
    dibuja(m, s, QStringLiteral("A&\r\nLFB\r"));
    EXPECT_EQ(textos(s.ops()),
              QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("\r")}));
    EXPECT_EQ(topes(s).size(), 2u);
}

TEST(DibujaTextoFormateado, SubstitutesTheNotationEscapesOfEveryLine) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("3&.5&LF&DT"));
    EXPECT_EQ(textos(s.ops()), QStringList({QStringLiteral("3"), QStringLiteral(","),
                                            QStringLiteral("5"), car(115)}));
    EXPECT_EQ(s.ops().back().state.fontName, QStringLiteral("Symbol"));
}

TEST(DibujaTextoFormateado, WrapsALongLineAtTheMarginAndLooksForNoMarkInItsRest) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s,
           QStringLiteral("&LSAN=10:") + repite(QStringLiteral("x"), 80) +
               QStringLiteral("#MARK=005yy"));
    const std::vector<double> y = topes(s);
    ASSERT_EQ(y.size(), 2u);
    EXPECT_EQ(m.motor.NumBloquesPagina, 0);
    EXPECT_EQ(m.motor.MarcaResultado, 0);
    EXPECT_EQ(textos(s.ops()).join(QString()), repite(QStringLiteral("x"), 80) + "yy");
    for (const DrawOp& op : s.ops()) {
        if (op.text == QStringLiteral("y")) {
            EXPECT_DOUBLE_EQ(op.x1 - 1, kMargen + m.motor.SangriaIzq);
            break;
        }
    }
}

// 84 characters of 120 twips fit the usable width. The continuation starts at the margin
// without the blanks left after the break, which make no line of their own; a line of the
// text keeps its leading blanks.
TEST(DibujaTextoFormateado, AContinuationLineStartsAtTheMarginWithoutItsLeadingBlanks) {
    Motor m;
    const QString x83 = repite(QStringLiteral("x"), 83);
    const std::pair<QString, QString> casos[] = {
        {x83 + QStringLiteral("    Calcular"), QStringLiteral("Calcular")},
        {x83 + QStringLiteral("    &LFb"), QStringLiteral("b")},
        {QStringLiteral("a&LF  b"), QStringLiteral("  b")},
    };
    for (const auto& [texto, esperada] : casos) {
        SCOPED_TRACE(texto.toStdString());
        RecordingSurface s;
        dibuja(m, s, texto);
        mismosTopes(topes(s), {kMargen, kMargen + kPaso});
        std::vector<DrawOp> segunda; // starts where the first line does
        for (const DrawOp& op : s.ops())
            if (op.y1 > kMargen + kPaso / 2) segunda.push_back(op);
        ASSERT_FALSE(segunda.empty());
        EXPECT_DOUBLE_EQ(segunda.front().x1, s.ops().front().x1);
        EXPECT_EQ(textos(segunda).join(QString()), esperada);
    }
}

TEST(DibujaTextoFormateado, ALastTokenThatOverflowsMakesNoEmptyLine) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, repite(QStringLiteral("x"), 83) + QStringLiteral("&LFb"));
    mismosTopes(topes(s), {kMargen, kMargen + kPaso});
}

TEST(DibujaTextoFormateado, TheIndentIsSeventyThreeHundredthsOfItsMillimetresAtAnyZoom) {
    for (const double zoom : {1.0, 2.0}) {
        Motor m;
        m.motor.Zoom = zoom;
        RecordingSurface s(SurfaceKind::PageBox, static_cast<int>(796 * zoom),
                           static_cast<int>(1125 * zoom));
        dibuja(m, s, QStringLiteral("&LSAN=10:abc&LFdef"), 12 * zoom);
        EXPECT_NEAR(m.motor.SangriaIzq, 413.858, 1e-3);
        EXPECT_NEAR(s.ops().back().x1 - zoom,
                    zoom * kMargen + m.motor.SangriaIzq + 2 * 10 * 12 * zoom + 4 * zoom,
                    1e-6); // "f" on the second line, also indented
    }
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("ab&LSAN=10 cd"));
    EXPECT_EQ(textos(s.ops()).join(QString()), QStringLiteral("ab"));
    EXPECT_DOUBLE_EQ(m.motor.SangriaIzq, 0);
}

TEST(DibujaTextoFormateado, YieldsOncePerOutputLine) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("a&LF") + repite(QStringLiteral("palabra "), 15));
    EXPECT_EQ(m.eventos.yields, 3);
}

TEST(DibujaTextoFormateado, OutlinesTheMarginsOnlyWhenAsked) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("a"));
    EXPECT_EQ(s.ops().size(), 1u);
    m.motor.MostrarMargenes = true;
    s.clearOps();
    dibuja(m, s, QStringLiteral("a"));
    ASSERT_EQ(s.ops().size(), 5u);
    for (size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(s.ops()[i].kind, DrawOp::Kind::Box);
        EXPECT_EQ(s.ops()[i].colour, rgb(240, 240, 240));
    }
    EXPECT_DOUBLE_EQ(s.ops()[4].x1, 796 * 15);
}

TEST(DibujaTextoFormateado, AtAFullPageTheFontIsAsTheLineThatDidNotFitFoundIt) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("&+Ba&LF") + lineas(44) + QStringLiteral("&+Ino cabe"));
    EXPECT_TRUE(s.fontBold());
    EXPECT_FALSE(s.fontItalic());
    EXPECT_FALSE(textos(s.ops()).contains(QStringLiteral("n")));
}

// The block protocol read by pagination and by the page view.

TEST(Bloques, EverythingFitsGivesTheLastMarkAndEveryBlock) {
    Motor m;
    RecordingSurface s;
    m.motor.BloqueSel.fill(true);
    dibuja(m, s,
           marca(1) + QStringLiteral("uno&LF") + marca(2) + QStringLiteral("dos&LFmas&LF") +
               marca(17) + QStringLiteral("tres"));
    EXPECT_EQ(m.motor.MarcaResultado, 17);
    ASSERT_EQ(m.motor.NumBloquesPagina, 3);
    EXPECT_EQ(m.motor.BloqueRef[1], 1);
    EXPECT_EQ(m.motor.BloqueRef[2], 2);
    EXPECT_EQ(m.motor.BloqueRef[3], 17);
    EXPECT_NEAR(m.motor.BloqueY1[1], kMargen, 1e-6);
    EXPECT_NEAR(m.motor.BloqueY1[2], kMargen + kPaso, 1e-6);
    EXPECT_NEAR(m.motor.BloqueY2[1], kMargen + kPaso - kH / 8, 1e-6);
    EXPECT_NEAR(m.motor.BloqueY1[3], kMargen + 3 * kPaso, 1e-6);
    // The last block ends at the bottom of the last line drawn, in page coordinates.
    EXPECT_NEAR(m.motor.BloqueY2[3], kMargen + 3 * kPaso + kH, 1e-6);
    bloquesEnOrden(m.motor);
}

TEST(Bloques, ATextWithoutMarksGivesZeroWhetherOrNotItFits) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("a&LFb"));
    EXPECT_EQ(m.motor.MarcaResultado, 0);
    dibuja(m, s, lineas(100));
    EXPECT_EQ(m.motor.MarcaResultado, 0);
    EXPECT_EQ(m.motor.NumBloquesPagina, 0);
}

TEST(Bloques, ALaterLineOfABlockThatDoesNotFitGivesMinusItsNumber) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s,
           marca(1) + QStringLiteral("a&LF") + lineas(10) + marca(2) + QStringLiteral("b&LF") +
               lineas(50));
    EXPECT_EQ(m.motor.MarcaResultado, -2);
    ASSERT_EQ(m.motor.NumBloquesPagina, 2);
    EXPECT_EQ(topes(s).size(), 45u);
    EXPECT_NEAR(m.motor.BloqueY2[2], kMargen + 44 * kPaso + kH, 1e-6);
    bloquesEnOrden(m.motor);
}

TEST(Bloques, ABlockWhoseMarkLineDoesNotFitIsNotCounted) {
    Motor m;
    RecordingSurface s;
    m.motor.BloqueY1[2] = 99999; // left by an earlier page
    dibuja(m, s, marca(1) + QStringLiteral("a&LF") + lineas(44) + marca(2) + QStringLiteral("b"));
    EXPECT_EQ(m.motor.MarcaResultado, -2);
    ASSERT_EQ(m.motor.NumBloquesPagina, 1);
    EXPECT_NEAR(m.motor.BloqueY2[1], kMargen + 44 * kPaso + kH, 1e-6);
    EXPECT_FALSE(textos(s.ops()).contains(QStringLiteral("b")));
    bloquesEnOrden(m.motor);
}

TEST(Bloques, AFirstBlockTallerThanThePageIsCutAndMarkedSoThatPaginationAdvances) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, marca(1) + QStringLiteral("a&LF") + lineas(99) + marca(2) + QStringLiteral("z"));
    EXPECT_EQ(m.motor.MarcaResultado, -2);
    EXPECT_EQ(m.motor.BloqueCortado, 1);
    ASSERT_EQ(m.motor.NumBloquesPagina, 1);
    // The 45 lines that fit, then the red note in the bottom margin.
    const std::vector<double> y = topes(s);
    ASSERT_EQ(y.size(), 46u);
    EXPECT_NEAR(y[44], kMargen + 44 * kPaso, 1e-6);
    EXPECT_NEAR(y[45], kMargen + 44 * kPaso + kH + kH / 5, 1e-6);
    EXPECT_LT(y[45] + kH, 1125 * 15); // within the bottom margin
    EXPECT_EQ(textos(s.ops()).back(),
              QStringLiteral("[...] Este bloque no cabe en una página: el resto no se muestra."));
    EXPECT_EQ(s.ops().back().colour, rgb(255, 0, 0));
    EXPECT_NEAR(m.motor.BloqueY2[1], kMargen + 44 * kPaso + kH, 1e-6);
    EXPECT_FALSE(textos(s.ops()).contains(QStringLiteral("z")));
    bloquesEnOrden(m.motor);

    // Alone in the text, it is the page's last block, cut all the same; a block that fits is
    // not cut.
    dibuja(m, s, marca(3) + QStringLiteral("a&LF") + lineas(99));
    EXPECT_EQ(m.motor.MarcaResultado, 3);
    EXPECT_EQ(m.motor.BloqueCortado, 3);
    dibuja(m, s, marca(4) + QStringLiteral("a&LF") + lineas(40));
    EXPECT_EQ(m.motor.BloqueCortado, 0);
}

// A title taller than the page: its lines stop at the bottom margin under the red note, and
// no block is drawn after it.
TEST(Bloques, AHeadingTallerThanThePageIsCutAndMarked) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, lineas(60) + marca(1) + QStringLiteral("a"));
    EXPECT_EQ(m.motor.MarcaResultado, 0);
    EXPECT_EQ(m.motor.NumBloquesPagina, 0);
    EXPECT_EQ(m.motor.BloqueCortado, 0);
    const std::vector<double> y = topes(s);
    ASSERT_EQ(y.size(), 46u);
    EXPECT_NEAR(y[45], kMargen + 44 * kPaso + kH + kH / 5, 1e-6);
    EXPECT_EQ(textos(s.ops()).back(),
              QStringLiteral("[...] Este bloque no cabe en una página: el resto no se muestra."));
    EXPECT_FALSE(textos(s.ops()).contains(QStringLiteral("a")));
}

TEST(Bloques, OnAPageWithNoRoomOnlyAFirstBlockIsDrawn) {
    Motor m;
    RecordingSurface diminuta;
    // Lines of 1000 points: not one fits the page.
    dibuja(m, diminuta, QStringLiteral("titulo&LF") + marca(7) + QStringLiteral("a"), 1000);
    EXPECT_EQ(m.motor.MarcaResultado, 0);
    EXPECT_TRUE(diminuta.ops().empty());

    dibuja(m, diminuta, marca(7) + QStringLiteral("a&LF") + marca(8) + QStringLiteral("b"), 1000);
    EXPECT_EQ(m.motor.MarcaResultado, -8);
    EXPECT_EQ(textos(diminuta.ops()), QStringList({QStringLiteral("a")}));
}

TEST(Bloques, EveryDigitOfAMarkCounts) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("#MARK=1000Texto"));
    EXPECT_EQ(m.motor.MarcaResultado, 1000);
    EXPECT_EQ(m.motor.BloqueRef[1], 1000);
    EXPECT_EQ(textos(s.ops()).first(), QStringLiteral("T"));
    dibuja(m, s, QStringLiteral("#MARK=000"));
    EXPECT_EQ(m.motor.MarcaResultado, 0);
    EXPECT_EQ(m.motor.NumBloquesPagina, 1);
}

TEST(Bloques, TrailingEmptyLineEndsTheLastBlock) {
    Motor m;
    RecordingSurface s;
    dibuja(m, s, marca(1) + QStringLiteral("a&LF"));
    EXPECT_NEAR(m.motor.BloqueY2[1], kMargen + kPaso + kH, 1e-6);
}

TEST(Bloques, AFiveHundredAndFirstMarkEndsThePage) {
    Motor m;
    RecordingSurface s;
    QString texto;
    for (int n = 1; n <= 501; ++n)
        texto += marca(n) + QStringLiteral("&LF");
    dibuja(m, s, texto, 1); // one-point lines: all would fit
    EXPECT_EQ(m.motor.MarcaResultado, -501);
    EXPECT_EQ(m.motor.NumBloquesPagina, 500);
    EXPECT_EQ(m.motor.BloqueRef[500], 500);
    bloquesEnOrden(m.motor);
}

TEST(Bloques, LinesPastTheTenThousandthDoNotFit) {
    Motor m;
    m.motor.Zoom = 20; // a page for more than 10,000 one-point lines
    RecordingSurface alta(SurfaceKind::PageBox, 796 * 20, 1125 * 20);
    dibuja(m, alta, repite(QStringLiteral("a&LF"), 10000) + marca(9) + QStringLiteral("b"), 1);
    EXPECT_EQ(m.motor.MarcaResultado, -9);
    EXPECT_EQ(textos(alta.ops()).size(), 10000);
    EXPECT_FALSE(textos(alta.ops()).contains(QStringLiteral("b")));
}

// Zoom scales the page: every position doubles, within a pixel (plain characters keep their
// 1-twip side spaces at every zoom).
TEST(DibujaTextoFormateado, AnEnlargedFontMakesRoomAboveAndBelowItsLine) {
    // On the starting baseline (ascents in whole pixels: 14 and 43) a 36-point letter, 828
    // twips high, rises 435 twips above its line's top and ends 393 below it: the line is
    // moved down and the next one too, so the letter overprints neither, nor the top margin.
    Motor m;
    RecordingSurface s;
    dibuja(m, s, QStringLiteral("&FS=36:G&FS=12:a&LFuno&LFdos &FS=36:G&FS=12: dos&LFtres"));
    const double primera = 435 + 393 + kH / 5;    // the step past the first line
    const double dos = primera + kPaso;           // the top of the fourth line's room
    const double tres = dos + 435 + 393 + kH / 5; // the fifth line
    mismosTopes(topes(s), {kMargen, kMargen + 435, kMargen + primera, kMargen + dos + 435,
                           kMargen + dos, kMargen + dos + 435, kMargen + tres});
}

TEST(DibujaTextoFormateado, ASmallerFontKeepsTheLineAsItIs) {
    Motor m1;
    RecordingSurface s1;
    dibuja(m1, s1, QStringLiteral("uno&LFdos tres&LFcuatro"));
    Motor m2;
    RecordingSurface s2;
    dibuja(m2, s2, QStringLiteral("uno&LFdos &FS=8:tres&FS=12:&LFcuatro"));
    EXPECT_EQ(topes(s1).back(), topes(s2).back());
}

TEST(Zoom, PositionsAtZoomTwoAreTwiceThoseAtZoomOne) {
    const QString texto = QStringLiteral(
        "#MARK=001&+BUno&-B x+1&LFv_0 t^2&LF&alfa &Q z&LF2&E-5 m&LF#RAD(k&LF#MARK=002G");
    Motor m1;
    RecordingSurface s1;
    dibuja(m1, s1, texto, 12);
    Motor m2;
    m2.motor.Zoom = 2;
    RecordingSurface s2(SurfaceKind::PageBox, 1592, 2250);
    dibuja(m2, s2, texto, 24);

    ASSERT_EQ(s1.ops().size(), s2.ops().size());
    for (size_t i = 0; i < s1.ops().size(); ++i) {
        const DrawOp& a = s1.ops()[i];
        const DrawOp& b = s2.ops()[i];
        SCOPED_TRACE(a.text.toStdString());
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_NEAR(b.x1, 2 * a.x1, 15);
        EXPECT_NEAR(b.y1, 2 * a.y1, 15);
        EXPECT_NEAR(b.x2, 2 * a.x2, 15);
        EXPECT_NEAR(b.y2, 2 * a.y2, 15);
    }
    for (int n = 1; n <= 2; ++n) {
        EXPECT_NEAR(m2.motor.BloqueY1[n], 2 * m1.motor.BloqueY1[n], 15);
        EXPECT_NEAR(m2.motor.BloqueY2[n], 2 * m1.motor.BloqueY2[n], 15);
    }
}

} // namespace
} // namespace vornith::textengine::test
