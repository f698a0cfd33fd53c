#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

using vornith::test::FakePictureLoader;

// Recording surface at 12 points: h = 276; the frame is t = 0.04 h thick; the cross is inset
// by h/4.
constexpr double kH = 276;
constexpr double kT = 0.04 * kH;
constexpr double kMm = 1440 / 25.4;

struct Rect {
    double x1, y1, x2, y2;
};

Rect deOp(const DrawOp& op) {
    if (op.kind == DrawOp::Kind::Picture) return {op.x1, op.y1, op.x1 + op.x2, op.y1 + op.y2};
    return {op.x1, op.y1, op.x2, op.y2};
}

void esperaRect(const Rect& r, double x, double y, double w, double h) {
    EXPECT_NEAR(r.x1, x, 1e-6);
    EXPECT_NEAR(r.y1, y, 1e-6);
    EXPECT_NEAR(r.x2, x + w, 1e-6);
    EXPECT_NEAR(r.y2, y + h, 1e-6);
}

// The grey box, the red cross inset by h/4 and the frame, all on the rectangle (x, y, w, h).
void esperaSustituto(const std::vector<DrawOp>& ops, double x, double y, double w, double h,
                     Rgb colorMarco = 0) {
    const std::vector<DrawOp> relleno = deClase(ops, DrawOp::Kind::FilledBox);
    const std::vector<DrawOp> cruz = deClase(ops, DrawOp::Kind::Line);
    const std::vector<DrawOp> marco = deClase(ops, DrawOp::Kind::Box);
    ASSERT_EQ(relleno.size(), 1u);
    ASSERT_EQ(cruz.size(), 2u);
    ASSERT_EQ(marco.size(), 1u);
    EXPECT_TRUE(deClase(ops, DrawOp::Kind::Picture).empty());
    EXPECT_EQ(relleno[0].colour, rgb(240, 240, 240));
    esperaRect(deOp(relleno[0]), x, y, w, h);
    // Inset by half the pen, 75 twips (more than h/4, 69): its round ends stay in the box.
    const double d = 75;
    esperaRect(deOp(cruz[0]), x + d, y + d, w - 2 * d, h - 2 * d);
    esperaRect(deOp(cruz[1]), x + d, y + h - d, w - 2 * d, -(h - 2 * d));
    for (const DrawOp& l : cruz) {
        EXPECT_EQ(l.colour, rgb(255, 0, 0));
        EXPECT_EQ(l.state.drawWidth, 10); // (floor(h / 2) + 15) / 15 = 10.2 pixels
    }
    EXPECT_EQ(marco[0].colour, colorMarco);
    EXPECT_EQ(marco[0].state.fillStyle, FillStyle::Transparent);
    esperaRect(deOp(marco[0]), x, y, w, h);
}

struct ConImagenes : Motor {
    ConImagenes() {
        imagenes.add(QStringLiteral("F_DIN_ATWOOD.GIF"), 200, 100);
        motor.pictures = &imagenes;
    }
    FakePictureLoader imagenes;
};

TEST(Imagen, WithoutASizeAFramedCrossedPlaceholderStandsOnTheLine) {
    for (const QString& nombre : {QStringLiteral("F_DIN_ATWOOD.GIF"), QStringLiteral("NO.GIF")}) {
        SCOPED_TRACE(nombre.toStdString());
        ConImagenes m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(
            m, s, QStringLiteral("#IMG('") + nombre + QStringLiteral("'#IMG)"), 1000, 2000);
        esperaPasadasSimetricas(p);
        EXPECT_EQ(p.numerosMedida, 3);
        EXPECT_EQ(m.motor.TablaNivel(2, 1), 3);
        const CajaElemento& c = m.motor.Cajas(2);
        EXPECT_DOUBLE_EQ(c.DespIzq, kT);
        EXPECT_DOUBLE_EQ(c.Ancho, 1440 + kT);
        EXPECT_DOUBLE_EQ(c.AltoSobre, 1080 - kH + kT);
        EXPECT_DOUBLE_EQ(c.Ascenso, 0.574 * kH);
        EXPECT_DOUBLE_EQ(c.Alto, kH + kT);
        esperaSustituto(p.ops, 1000 + kT, 2000 + kH - 1080, 1440, 1080);
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
        EXPECT_EQ(s.drawWidth(), 1);
    }
}

TEST(Imagen, APictureIsFittedKeepingItsProportionsOrStretched) {
    ConImagenes m;
    RecordingSurface s;
    Pasadas p = dosPasadas(m, s, QStringLiteral("#IMG('F_DIN_ATWOOD.GIF'DXmm=20:DYmm=20:#IMG)"),
                           1000, 2000);
    esperaPasadasSimetricas(p);
    std::vector<DrawOp> dibujo = deClase(p.ops, DrawOp::Kind::Picture);
    ASSERT_EQ(dibujo.size(), 1u);
    EXPECT_EQ(p.ops.size(), 1u); // neither frame nor cross
    esperaRect(deOp(dibujo[0]), 1000, 2000 + kH - 10 * kMm, 20 * kMm, 10 * kMm);
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.DespIzq, 0);
    EXPECT_NEAR(c.Ancho, 20 * kMm, 1e-9);
    EXPECT_NEAR(c.AltoSobre, 10 * kMm - kH, 1e-9);
    EXPECT_DOUBLE_EQ(c.Alto, kH);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));

    // Option words and the name in lower case read the same.
    p = dosPasadas(m, s, QStringLiteral("#IMG( 'f_din_atwood.gif' dxmm=20: dymm=20: dist #IMG)"),
                   1000, 2000);
    dibujo = deClase(p.ops, DrawOp::Kind::Picture);
    ASSERT_EQ(dibujo.size(), 1u);
    esperaRect(deOp(dibujo[0]), 1000, 2000 + kH - 20 * kMm, 20 * kMm, 20 * kMm);
    EXPECT_EQ(m.imagenes.requested.back(), QStringLiteral("F_DIN_ATWOOD.GIF"));
}

TEST(Imagen, AHangingPictureLeavesTheLineAsItWasAndSharesItsRectangleWithTheFrame) {
    ConImagenes m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("ab#IMG('F_DIN_ATWOOD.GIF'DXmm=20:DYmm=-28:MARCO#IMG)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_DOUBLE_EQ(p.caja.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(p.caja.Alto, kH);
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Alto, kT);
    EXPECT_LT(c.AltoSobre, 0);
    // From one text height above the row's top, DY (fitted to 10 mm) down.
    const double x = 1000 + 244 + kT;
    const std::vector<DrawOp> dibujo = deClase(p.ops, DrawOp::Kind::Picture);
    const std::vector<DrawOp> marco = deClase(p.ops, DrawOp::Kind::Box);
    ASSERT_EQ(dibujo.size(), 1u);
    ASSERT_EQ(marco.size(), 1u);
    esperaRect(deOp(dibujo[0]), x, 2000 - kH, 20 * kMm, 10 * kMm);
    esperaRect(deOp(marco[0]), x, 2000 - kH, 20 * kMm, 10 * kMm);
    EXPECT_EQ(marco[0].state.drawWidth, 1);
}

TEST(Imagen, AMissingHangingPictureGetsItsPlaceholderOnThePicturesRectangle) {
    ConImagenes m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("&LC=Azul:#IMG('NO.GIF'DXmm=20:DYmm=-28:#IMG)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_DOUBLE_EQ(p.caja.Alto, kH);
    esperaSustituto(p.ops, 1000 + kT, 2000 - kH, 20 * kMm, 28 * kMm, rgb(0, 0, 255));
}

TEST(Imagen, ZoomScalesTheGivenSizeButNotTheDefaultOne) {
    ConImagenes m;
    m.motor.Zoom = 2;
    RecordingSurface s;
    Pasadas p = dosPasadas(m, s, QStringLiteral("#IMG('F_DIN_ATWOOD.GIF'DXmm=20:DYmm=20:DIST#IMG)"),
                           1000, 2000);
    esperaRect(deOp(deClase(p.ops, DrawOp::Kind::Picture).at(0)), 1000, 2000 + kH - 40 * kMm,
               40 * kMm, 40 * kMm);
    p = dosPasadas(m, s, QStringLiteral("#IMG('F_DIN_ATWOOD.GIF'#IMG)"), 1000, 2000);
    esperaSustituto(p.ops, 1000 + kT, 2000 + kH - 1080, 1440, 1080);
}

TEST(Imagen, NamesThatAreNotPlainFileNamesAreNeverLookedUp) {
    for (const QString& nombre :
         {QStringLiteral("../F_DIN_ATWOOD.GIF"), QStringLiteral("IMG/F_DIN_ATWOOD.GIF"),
          QStringLiteral("C:F_DIN_ATWOOD.GIF"), QStringLiteral("..\\X.GIF"), QString()}) {
        SCOPED_TRACE(nombre.toStdString());
        ConImagenes m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(
            m, s, QStringLiteral("#IMG('") + nombre + QStringLiteral("'DXmm=20:DYmm=20:#IMG)"),
            1000, 2000);
        esperaPasadasSimetricas(p);
        EXPECT_TRUE(m.imagenes.requested.isEmpty());
        esperaSustituto(p.ops, 1000 + kT, 2000 + kH - 20 * kMm, 20 * kMm, 20 * kMm);
    }
}

TEST(Imagen, NoLoaderOrAnEmptyPictureGivesThePlaceholder) {
    Motor sinCargador;
    RecordingSurface s;
    Pasadas p = dosPasadas(sinCargador, s, QStringLiteral("#IMG('A.GIF'DXmm=20:DYmm=20:#IMG)"));
    esperaPasadasSimetricas(p);
    EXPECT_EQ(deClase(p.ops, DrawOp::Kind::FilledBox).size(), 1u);

    ConImagenes m;
    m.imagenes.add(QStringLiteral("VACIA.GIF"), 0, 10);
    p = dosPasadas(m, s, QStringLiteral("#IMG('VACIA.GIF'DXmm=20:DYmm=20:#IMG)"));
    esperaPasadasSimetricas(p);
    EXPECT_EQ(deClase(p.ops, DrawOp::Kind::FilledBox).size(), 1u);
    EXPECT_TRUE(deClase(p.ops, DrawOp::Kind::Picture).empty());
}

TEST(Imagen, OnThePrinterTheCrossIsAsThickAsOnScreen) {
    Motor m;
    RecordingSurface impresora(SurfaceKind::Printer, 4753, 6883, 2.4);
    const Pasadas p = dosPasadas(m, impresora, QStringLiteral("#IMG('NO.GIF'#IMG)"));
    const std::vector<DrawOp> marco = deClase(p.ops, DrawOp::Kind::Box);
    ASSERT_EQ(marco.size(), 1u);
    EXPECT_EQ(marco[0].state.drawWidth, 5); // 11.04 twips at 2.4 twips per pixel
    // 153 twips, as the 10 pixels of the page box: 64 pixels at 2.4 twips per pixel, and the
    // cross is inset by half of that.
    const std::vector<DrawOp> cruz = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(cruz.size(), 2u);
    EXPECT_EQ(cruz[0].state.drawWidth, 64);
    EXPECT_NEAR(cruz[0].x1 - marco[0].x1, 64 * 2.4 / 2, 1e-9);
    EXPECT_NEAR(cruz[0].y1 - marco[0].y1, 64 * 2.4 / 2, 1e-9);
    EXPECT_EQ(impresora.drawWidth(), 1);
}

TEST(Imagen, MalformedOptionsShowTheErrorMark) {
    for (const QString& linea :
         {QStringLiteral("x#IMG('A.GIF'DXmm=20DYmm=20#IMG)y"),
          QStringLiteral("x#IMG('A.GIF'DXmm=20:DYmm=20#IMG)y"),
          QStringLiteral("x#IMG('A.GIF#IMG)y"), QStringLiteral("x#IMG(DYmm:20:#IMG)y"),
          QStringLiteral("x#IMG('A.GIF'DXmm=99999:DYmm=20:#IMG)y")}) {
        SCOPED_TRACE(linea.toStdString());
        ConImagenes m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, linea);
        esperaPasadasSimetricas(p);
        EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("x*ERROR*y"));
        EXPECT_TRUE(m.imagenes.requested.isEmpty());
    }
}

} // namespace
} // namespace vornith::textengine::test
