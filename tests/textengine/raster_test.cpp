// The engine on the real page box: glyphs land where the engine placed them.

#include "engine_fixture.h"

#include "platform/qt/page_box_surface.h"
#include "support/forwarding_surface.h"
#include "textengine/page_entry.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace vornith::textengine::test {
namespace {

// Forwards everything to a page box and remembers where each text was printed.
class Espia final : public vornith::test::ForwardingSurface {
  public:
    explicit Espia(PageBoxSurface& p) : ForwardingSurface(p) {}
    struct Impreso {
        QString texto;
        QString fuente;
        QRectF caja; // twips
    };
    std::vector<Impreso> impresos;

    void print(const QString& t) override {
        impresos.push_back(
            {t, fontName(), QRectF(currentX(), currentY(), textWidth(t), textHeight(t))});
        ForwardingSurface::print(t);
    }
};

QRect enPixeles(const QRectF& twips) {
    return QRectF(twips.topLeft() / 15, twips.bottomRight() / 15).toAlignedRect();
}

int oscuros(const QImage& img, const QRect& r) {
    int n = 0;
    const QRect dentro = r.intersected(img.rect());
    for (int y = dentro.top(); y <= dentro.bottom(); ++y) {
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            if (qGray(img.pixel(x, y)) < 128) ++n;
        }
    }
    return n;
}

TEST(PageBoxRaster, TextAndSymbolsLandWhereTheEngineMeasuredThem) {
    Motor m;
    PageBoxSurface pagina(796, 1125);
    Espia espia(pagina);
    double tamano = 12;
    DibujaTextoFormateado(m.motor, QStringLiteral("HH &alfa&LF&LFW&Omega"), tamano, espia);
    const QImage img = pagina.image();

    ASSERT_EQ(espia.impresos.size(), 6u);
    QRect todo;
    int simbolos = 0;
    for (const auto& p : espia.impresos) {
        SCOPED_TRACE(p.texto.toStdString());
        if (p.fuente == QStringLiteral("Symbol")) ++simbolos;
        const QRect r = enPixeles(p.caja);
        if (p.texto != QStringLiteral(" ")) {
            EXPECT_GT(oscuros(img, r), 10);
        }
        todo = todo.united(r);
    }
    EXPECT_EQ(simbolos, 2);
    // The first line starts at the margins; the third lies two line steps lower.
    EXPECT_NEAR(espia.impresos.front().caja.left(), m.motor.MargenIzqPagina, 2);
    EXPECT_NEAR(espia.impresos.front().caja.top(), m.motor.MargenSupPagina, 1e-6);
    EXPECT_GT(espia.impresos[4].caja.top(), espia.impresos[0].caja.bottom() + 200);

    // Nothing dark outside what was printed.
    QImage resto = img;
    for (int y = 0; y < resto.height(); ++y) {
        for (int x = 0; x < resto.width(); ++x) {
            if (todo.adjusted(-2, -2, 2, 2).contains(x, y))
                resto.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    EXPECT_EQ(oscuros(resto, resto.rect()), 0);
    // Between the lines, below the first and above the third, the page is white.
    const QRect hueco =
        enPixeles(QRectF(0, espia.impresos[0].caja.bottom() + 30, 11000,
                         espia.impresos[4].caja.top() - 30 - espia.impresos[0].caja.bottom() - 30));
    EXPECT_EQ(oscuros(img, hueco), 0);
}

// The longest run of non-white pixels in row `y`, as [first, last]; empty when shorter than
// `minimo`.
std::optional<std::pair<int, int>> tramoLargo(const QImage& img, int y, int minimo) {
    std::optional<std::pair<int, int>> mejor;
    int inicio = -1;
    for (int x = 0; x <= img.width(); ++x) {
        const bool tinta = x < img.width() && img.pixel(x, y) != qRgb(255, 255, 255);
        if (tinta && inicio < 0) inicio = x;
        if (!tinta && inicio >= 0) {
            if (x - inicio >= minimo && (!mejor || x - 1 - inicio > mejor->second - mejor->first))
                mejor = std::pair{inicio, x - 1};
            inicio = -1;
        }
    }
    return mejor;
}

TEST(PageBoxRaster, RulesAreSolidBlackRowsAtEveryZoom) {
    // A fraction over a radical, as in every tangential acceleration solution, and a long
    // vector arrow: each rule is whole rows of black, never a grey smear over two rows.
    for (const double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        Motor m;
        m.motor.Zoom = zoom;
        PageBoxSurface pagina(static_cast<int>(796 * zoom), static_cast<int>(1125 * zoom));
        double tamano = 12 * zoom;
        DibujaTextoFormateado(
            m.motor, QStringLiteral("#COC(150t + 48#N)(#RAD(25t + 16#RAD)#COC) #VEC(abcdef#VEC)"),
            tamano, pagina);
        const QImage img = pagina.image();
        int reglas = 0;
        for (int y = 0; y < img.height(); ++y) {
            const auto tramo = tramoLargo(img, y, static_cast<int>(20 * zoom));
            if (!tramo) continue;
            ++reglas;
            // The rule's ends may be rounded; its body is solid.
            for (int x = tramo->first + 2; x <= tramo->second - 2; ++x)
                ASSERT_LT(qGray(img.pixel(x, y)), 40) << "row " << y << " x " << x;
        }
        // Bar, vinculum and arrow shaft, each as thick as a whole number of pen widths.
        EXPECT_GE(reglas, 3);
        EXPECT_LE(reglas, 3 * static_cast<int>(zoom));
    }
}

} // namespace
} // namespace vornith::textengine::test
