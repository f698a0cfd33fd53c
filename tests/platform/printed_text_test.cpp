// The page box and the printer draw the characters the engine prints one by one in runs: the
// pixels must be those of drawing each print on its own with QPainter::drawText, the glyphs of
// a PDF must sit where they were printed and read back as their text, and the order of text
// and other primitives must stay.

#include "support/pdf_contenido.h"

#include "platform/qt/font_resolver.h"
#include "platform/qt/page_box_surface.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/text_metrics.h"
#include "platform/symbol_fonts.h"
#include "platform/units.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vornith {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 120;

// One print as the engine makes it: font state, colour, position and text.
struct Impresion {
    FontState fuente;
    Rgb color;
    double x;
    double y;
    QString texto;
};

// A line of text printed character by character as the engine prints it, one twip of side
// space on each side, with changes of colour, style, size and font on the way, characters
// outside Latin-1 and texts of several characters.
std::vector<Impresion> linea() {
    std::vector<Impresion> r;
    FontState f;
    Rgb color = 0;
    double x = 300.5;
    const double y = 301.25;
    const auto imprime = [&](const QString& texto, double lado = 1) {
        x += lado;
        r.push_back({f, color, x, y, texto});
        x += TextMetrics::width(f, texto) + lado;
    };
    for (const QChar c : QStringLiteral("Velocidad: v"))
        imprime(QString(c));
    color = rgb(200, 0, 0);
    imprime(QStringLiteral("0"));
    f.italic = true;
    for (const QChar c : QStringLiteral("x(t) = 2"))
        imprime(QString(c));
    color = 0;
    f.italic = false;
    f.points = 8;
    imprime(QStringLiteral("\u2192")); // outside Latin-1: drawn as text
    imprime(QStringLiteral("\u00D710"), 0);
    f.points = 12;
    f.underline = true;
    for (const QChar c : QStringLiteral("sub"))
        imprime(QString(c));
    f.underline = false;
    f.name = QStringLiteral("Arial");
    f.bold = true;
    for (const QChar c : QStringLiteral("¿Año?"))
        imprime(QString(c), 0);
    return r;
}

void aplica(Surface& s, const Impresion& p) {
    s.setFontName(p.fuente.name);
    s.setFontSize(p.fuente.points);
    s.setFontItalic(p.fuente.italic);
    s.setFontBold(p.fuente.bold);
    s.setFontUnderline(p.fuente.underline);
    s.setFontStrikethru(p.fuente.strikethru);
    s.setForeColor(p.color);
    s.moveTo(p.x, p.y);
}

// The same prints drawn one at a time with drawText on an image set up like the page box.
QImage referencia(const std::vector<Impresion>& impresiones, int ratio) {
    QImage imagen(kWidth * ratio, kHeight * ratio, QImage::Format_RGB32);
    imagen.setDevicePixelRatio(ratio);
    const int dpm = static_cast<int>(std::lround(1440.0 / kScreenTwipsPerPixel / 0.0254));
    imagen.setDotsPerMeterX(dpm);
    imagen.setDotsPerMeterY(dpm);
    imagen.fill(Qt::white);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(1 / kScreenTwipsPerPixel, 1 / kScreenTwipsPerPixel);
    for (const Impresion& i : impresiones) {
        const QString familia = FontResolver::familyFor(i.fuente.name);
        p.setFont(FontResolver::fontFor(i.fuente, familia, imagen.logicalDpiY()));
        p.setPen(QColor(redOf(i.color), greenOf(i.color), blueOf(i.color)));
        p.drawText(QPointF(i.x, i.y + TextMetrics::ascent(i.fuente)), i.texto);
    }
    return imagen;
}

int pixelesDistintos(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return n;
}

bool hayOscuro(const QImage& imagen, const QRect& zona) {
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        for (int x = zona.left(); x <= zona.right(); ++x) {
            if (qGray(imagen.pixel(x, y)) < 100) return true;
        }
    }
    return false;
}

TEST(PrintedText, CharactersDrawnInRunsLandOnThePixelsOfSeparateDraws) {
    const std::vector<Impresion> impresiones = linea();
    for (const int ratio : {1, 2}) {
        PageBoxSurface pagina(kWidth, kHeight, ratio);
        for (const Impresion& i : impresiones) {
            aplica(pagina, i);
            pagina.print(i.texto);
            EXPECT_DOUBLE_EQ(pagina.currentX(), i.x + pagina.textWidth(i.texto));
        }
        const QImage esperada = referencia(impresiones, ratio);
        const QImage& dibujada = pagina.image();
        EXPECT_TRUE(hayOscuro(dibujada, QRect(20 * ratio, 20 * ratio, 300 * ratio, 20 * ratio)));
        EXPECT_EQ(pixelesDistintos(dibujada, esperada), 0) << "device pixel ratio " << ratio;
    }
}

// The text pdftotext reads from `pdf`, blanks left out.
QString textoExtraido(const QString& pdf) {
    QString texto = test::TextoPdf(pdf);
    texto.remove(QRegularExpression(QStringLiteral("\\s")));
    return texto;
}

TEST(PrintedText, PdfGlyphsSitWherePrintedAndReadBackAsTheirText) {
    // The line of the page box test, and below it a line of long runs and byte-coded Greek.
    std::vector<Impresion> impresiones = linea();
    FontState f;
    double x = 300;
    for (const QChar c : QStringLiteral("Un tren parte de la estación a las 10 h con 25 m/s de "
                                        "velocidad y frena durante 12 s hasta detenerse")) {
        impresiones.push_back({f, 0, x, 900.75, QString(c)});
        x += TextMetrics::width(f, QString(c));
    }
    f.name = QStringLiteral("Symbol");
    for (const QChar c : QStringLiteral("abgDw")) {
        impresiones.push_back({f, 0, x, 900.75, QString(c)});
        x += TextMetrics::width(f, QString(c));
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("linea.pdf"));
    QtPrinters printers;
    auto job = printers.beginJob({QString(), pdf}, {});
    ASSERT_NE(job, nullptr);
    Surface& papel = job->surface();
    // A line from (0, 0) places the page's twips on the PDF's points.
    papel.line(0, 0, 100, 0, 0);
    QString impreso;
    for (const Impresion& i : impresiones) {
        aplica(papel, i);
        papel.print(i.texto);
        const CodedFont codificada = codedFontOf(i.fuente.name);
        impreso += codificada == CodedFont::None ? i.texto : mapCodedText(codificada, i.texto);
    }
    // A character waiting in a run when a line is drawn is drawn before the line, one printed
    // after it in the same font after it.
    aplica(papel, {FontState(), 0, 300, 1600, QString()});
    papel.print(QStringLiteral("x"));
    papel.line(0, 1500, 100, 1500, 0);
    papel.moveTo(500, 1600);
    papel.print(QStringLiteral("y"));
    impreso += QStringLiteral("xy");
    ASSERT_TRUE(job->endDoc());

    QFile archivo(pdf);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QList<QByteArray> flujos = test::FlujosDeContenido(archivo.readAll());
    ASSERT_EQ(flujos.size(), 1);
    const test::ContenidoPdf contenido = test::LeeContenido(flujos.front());
    ASSERT_FALSE(contenido.trazos.empty());
    const QPointF origen = contenido.trazos.front();

    // Every character's glyph, in print order, within a twip of its measured place.
    std::size_t g = 0;
    for (const Impresion& i : impresiones) {
        for (qsizetype k = 0; k < i.texto.size(); ++k, ++g) {
            ASSERT_LT(g, contenido.glifos.size());
            const QPointF esperado(i.x + TextMetrics::width(i.fuente, i.texto.left(k)),
                                   i.y + TextMetrics::ascent(i.fuente));
            const QPointF puntos = contenido.glifos[g].origen - origen;
            const QPointF twips(puntos.x() * 20, -puntos.y() * 20);
            EXPECT_NEAR(twips.x(), esperado.x(), 1.0) << "glyph " << g;
            EXPECT_NEAR(twips.y(), esperado.y(), 1.0) << "glyph " << g;
        }
    }
    EXPECT_EQ(contenido.glifos.size(), g + 2);
    EXPECT_TRUE(contenido.orden.endsWith("gmg")) << contenido.orden.right(10).toStdString();
    // One text object per run, not per character.
    EXPECT_LT(flujos.front().count("BT"), 20);

    impreso.remove(u' ');
    EXPECT_EQ(textoExtraido(pdf), impreso);
}

TEST(PrintedText, TextKeepsItsPlaceBetweenOtherPrimitives) {
    PageBoxSurface pagina(100, 100);
    pagina.setFontSize(24);
    const QRect letra(20, 20, 20, 20); // the pixels of an "H" printed at (300, 300)

    // Printed, then covered by a box: the box wins.
    pagina.moveTo(300, 300);
    pagina.print(QStringLiteral("H"));
    pagina.line(150, 150, 900, 900, rgb(160, 255, 160), LineShape::FilledBox);
    EXPECT_FALSE(hayOscuro(pagina.image(), letra));

    // Printed over the box: the letter shows.
    pagina.moveTo(300, 300);
    pagina.print(QStringLiteral("H"));
    EXPECT_TRUE(hayOscuro(pagina.image(), letra));

    // A clear wipes what was printed before it.
    pagina.moveTo(300, 300);
    pagina.print(QStringLiteral("H"));
    pagina.clear();
    EXPECT_FALSE(hayOscuro(pagina.image(), letra));
}

} // namespace
} // namespace vornith
