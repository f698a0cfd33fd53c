// The decorated frame, drawn from solid test pieces: each piece of the pieces table lands on
// its own rectangle.

#include "dialogs/dibuja_marco.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace vornith::dialogs {
namespace {

// Pieces whose regions are solid colours: `base` + region number, tab regions of the muted
// picture offset by 100. The bottom band is left transparent when asked, so that the edge
// pieces it covers can be seen.
QImage piezasDePrueba(int base, bool fondoTransparente) {
    QImage img(66, 55, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const QRect regiones[] = {{0, 0, 13, 26},   {13, 0, 8, 26},  {23, 0, 14, 26}, {38, 0, 12, 26},
                              {54, 0, 12, 26},  {0, 26, 13, 6},  {54, 26, 12, 6}, {0, 43, 13, 12},
                              {13, 43, 12, 12}, {54, 43, 12, 12}};
    for (int i = 0; i < 10; ++i) {
        if (fondoTransparente && i >= 7) continue;
        p.fillRect(regiones[i], QColor(base + i, 0, 0));
    }
    return img;
}

int pieza(const QImage& lienzo, int x, int y) {
    const QColor c = lienzo.pixelColor(x, y);
    return c == Qt::white ? -1 : c.red();
}

QImage lienzoBlanco() {
    QImage lienzo(400, 260, QImage::Format_ARGB32);
    lienzo.fill(Qt::white);
    return lienzo;
}

TEST(DibujaMarco, CadaPiezaEnSuRectanguloConYYAltoPares) {
    const PiezasMarco piezas{piezasDePrueba(10, false), piezasDePrueba(110, false)};
    for (const bool conTitulo : {true, false}) {
        QImage lienzo = lienzoBlanco();
        const QString titulo = QStringLiteral("Páginas");
        {
            QPainter p(&lienzo);
            DibujaMarco(p, 20, 41, 300, 101, titulo, conTitulo, piezas);
        }
        const int TW = AnchoTituloMarco(titulo, &lienzo);
        ASSERT_GT(TW, 30);
        const int X0 = 20, Y0 = 40, W = 300, H = 100;
        const int tab = conTitulo ? 10 : 110;
        struct {
            int x, y, esperada;
        } const puntos[] = {
            {X0 + 6, Y0, tab}, // y = 41 draws from 40
            {X0 + 6, Y0 - 1, -1},
            {X0 + 6, Y0 + 22, tab},           // tab, left end
            {X0 + 13, Y0 + 22, tab + 1},      // tab, middle from X0 + 13...
            {X0 + TW + 19, Y0 + 22, tab + 1}, // ...to X0 + TW + 22 under the right end
            {X0 + TW + 20, Y0 + 22, tab + 2}, // tab, right end
            {X0 + TW + 33, Y0 + 22, tab + 2},
            {X0 + TW + 34, Y0 + 5, 13}, // top edge, always normal
            {X0 + W - 13, Y0 + 5, 13},
            {X0 + W - 12, Y0 + 5, 14}, // top-right corner
            {X0 + 4, Y0 + 26, 15},     // left edge
            {X0 + 4, Y0 + H - 14, 15},
            {X0 + W - 1, Y0 + 40, 16}, // right edge
            {X0 + 4, Y0 + H - 13, 17}, // bottom-left corner
            {X0 + 4, Y0 + H - 2, 17},
            {X0 + 4, Y0 + H - 1, -1},
            {X0 + 13, Y0 + H - 5, 18}, // bottom edge
            {X0 + W - 13, Y0 + H - 5, 18},
            {X0 + W - 12, Y0 + H - 5, 19}, // bottom-right corner
            {X0 + W, Y0 + H - 5, -1},
        };
        for (const auto& punto : puntos) {
            EXPECT_EQ(pieza(lienzo, punto.x, punto.y), punto.esperada)
                << "at " << punto.x << "," << punto.y << " conTitulo " << conTitulo;
        }
    }
}

TEST(DibujaMarco, TituloVacioEstiraElCentroADiezPixeles) {
    const PiezasMarco piezas{piezasDePrueba(10, false), piezasDePrueba(110, false)};
    QImage lienzo = lienzoBlanco();
    {
        QPainter p(&lienzo);
        DibujaMarco(p, 0, 0, 200, 80, QString(), true, piezas);
    }
    EXPECT_EQ(pieza(lienzo, 13, 10), 11);
    EXPECT_EQ(pieza(lienzo, 19, 10), 11);
    EXPECT_EQ(pieza(lienzo, 20, 10), 12);
    EXPECT_EQ(pieza(lienzo, 33, 10), 12);
    EXPECT_EQ(pieza(lienzo, 34, 10), 13);
}

TEST(DibujaMarco, SinPiezasDeBordePorDebajoDe38DeAlto) {
    const PiezasMarco piezas{piezasDePrueba(10, true), piezasDePrueba(110, true)};
    for (const auto& [alto, conBorde] : {std::pair{37, false}, {38, true}}) {
        QImage lienzo = lienzoBlanco();
        {
            QPainter p(&lienzo);
            DibujaMarco(p, 0, 0, 200, alto, QStringLiteral("A"), true, piezas);
        }
        EXPECT_EQ(pieza(lienzo, 3, 28), conBorde ? 15 : -1) << alto;
        EXPECT_EQ(pieza(lienzo, 195, 28), conBorde ? 16 : -1) << alto;
    }
}

} // namespace
} // namespace vornith::dialogs
