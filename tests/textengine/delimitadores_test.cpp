#include "drawer_checks.h"

#include "textengine/drawers/arco_afilado.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, every character with its side spaces 122 wide;
// u = 0.1 h, t = 0.04 h.
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;
constexpr double kCar = 122;
constexpr double kU = 0.1 * kH;
constexpr double kT = 0.04 * kH;

TEST(DibujaArco, TapersItsPenAndTakesTheEndAngleATurnLater) {
    RecordingSurface s;
    s.setDrawWidth(3);
    // 300 to 0 degrees is drawn from 300 to 360; widths 15 to 75 twips are 1 to 5 pixels.
    DibujaArco(1000, 1000, 100, 300, 0, 15, 75, 4, s);
    ASSERT_EQ(s.ops().size(), 4u);
    const double c = std::cos(300 * M_PI / 180);
    EXPECT_NEAR(s.ops()[0].x1, 1000 + 100 * c, 1e-9);
    EXPECT_NEAR(s.ops()[0].y1, 1000 + 100 * std::sin(60 * M_PI / 180), 1e-9);
    EXPECT_NEAR(s.ops()[3].x2, 1100, 1e-9);
    EXPECT_NEAR(s.ops()[3].y2, 1000, 1e-9);
    // Segment i is drawn at p1 + (p2 - p1) i / n: the last one stops short of p2.
    const int esperados[] = {1, 2, 3, 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.ops()[i].state.drawWidth, esperados[i]);
    EXPECT_EQ(s.drawWidth(), 3);
}

TEST(DibujaArco, DrawsNothingForNoSegmentsAndEndsForAnyAngles) {
    RecordingSurface s;
    DibujaArco(0, 0, 10, 0, 90, 1, 1, 0, s);
    DibujaArco(0, 0, 10, NAN, 90, 1, 1, 6, s);
    EXPECT_TRUE(s.ops().empty());
    // Angles far apart would take forever a turn at a time.
    DibujaArco(0, 0, 10, 1e300, -1e300, NAN, 1e300, 2, s);
    EXPECT_EQ(s.ops().size(), 2u);
    EXPECT_EQ(s.drawWidth(), 1);
}

TEST(DibujaArco, IsAtLeastTwoPixelsWideOnThePrinter) {
    RecordingSurface papel(SurfaceKind::Printer, 4753, 6883, 2.4);
    DibujaArco(0, 0, 10, 0, 90, 1, 1, 3, papel);
    for (const DrawOp& op : papel.ops())
        EXPECT_EQ(op.state.drawWidth, 2);
    EXPECT_EQ(papel.drawWidth(), 1);
}

TEST(DibujaDelimitadores, RoundBracketsStretchOverTheBody) {
    Motor m;
    RecordingSurface s;
    s.setForeColor(rgb(0, 0, 255));
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#NES(()a#NES)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 3);

    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.DespIzq, 3 * kU + kT);
    EXPECT_DOUBLE_EQ(c.Ancho, 3 * kU + kCar + kT);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 2 * kU);
    EXPECT_DOUBLE_EQ(c.Ascenso, kA);
    EXPECT_DOUBLE_EQ(c.Alto, kH + 2 * kU);
    EXPECT_DOUBLE_EQ(c.PosX, 1000 + c.DespIzq);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));

    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 26u); // per side: two arcs of six segments and a straight stroke
    // The left stroke runs from 2u below the top to 2u above the bottom of the body.
    const double xL = c.PosX - 2 * kU - kT / 2;
    EXPECT_DOUBLE_EQ(lineas[6].x1, xL);
    EXPECT_DOUBLE_EQ(lineas[6].y1, 2000 + 2 * kU);
    EXPECT_DOUBLE_EQ(lineas[6].y2, 2000 + kH - 2 * kU);
    // The upper arc starts at its tip, about 1.46u above the body, and meets the stroke.
    EXPECT_NEAR(lineas[0].y1, 2000 + 2 * kU - 4 * kU * std::sin(M_PI / 3), 1e-9);
    EXPECT_NEAR(lineas[5].x2, xL, 1e-9);
    const double xR = c.PosX + kCar + 2 * kU + kT / 2;
    EXPECT_DOUBLE_EQ(lineas[19].x1, xR);
    for (const DrawOp& l : lineas) {
        EXPECT_EQ(l.colour, rgb(0, 0, 255));
        EXPECT_EQ(l.state.drawWidth, 1);
    }
    EXPECT_EQ(s.drawWidth(), 1);
}

TEST(DibujaDelimitadores, SquareBracketsBarsAndBraces) {
    Motor m;
    RecordingSurface s;
    Pasadas p = dosPasadas(m, s, QStringLiteral("#NES([|x#NES)"));
    esperaPasadasSimetricas(p);
    std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 4u);
    // Both reach u above and below the body.
    EXPECT_DOUBLE_EQ(lineas[1].y1, 2000 - kU);
    EXPECT_DOUBLE_EQ(lineas[1].y2, 2000 + kH + kU);
    EXPECT_DOUBLE_EQ(lineas[3].y2, 2000 + kH + kU);
    EXPECT_NEAR(lineas[0].x2 - lineas[0].x1, 2 * kU, 1e-9);

    // Braces take 2u more room on their side than the other delimiters.
    p = dosPasadas(m, s, QStringLiteral("#NES({}x#NES)"));
    esperaPasadasSimetricas(p);
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.DespIzq, 5 * kU + kT);
    EXPECT_DOUBLE_EQ(c.Ancho, 5 * kU + kCar + kT);
    EXPECT_EQ(deClase(p.ops, DrawOp::Kind::Line).size(), 2u * (4 * 6 + 2));
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(DibujaDelimitadores, OtherCharactersDrawNothingButKeepTheirRoom) {
    Motor m;
    RecordingSurface s;
    for (const char* texto : {"#NES(XXab#NES)", "#NES()(ab#NES)"}) {
        const Pasadas p = dosPasadas(m, s, QString::fromLatin1(texto));
        esperaPasadasSimetricas(p);
        EXPECT_TRUE(deClase(p.ops, DrawOp::Kind::Line).empty()) << texto;
        EXPECT_EQ(textos(p.ops), (QStringList{"a", "b"}));
        EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Ancho, 3 * kU + 2 * kCar + kT);
        EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Alto, kH + 2 * kU);
    }
}

TEST(DibujaDelimitadores, NestedDelimitersReachAroundTallBodies) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#NES([]a#NES((}#COC(1#N)(2#COC)#NES)#NES)"));
    esperaPasadasSimetricas(p);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    const CajaElemento& fuera = m.motor.Cajas(2);
    const CajaElemento& dentro = m.motor.Cajas(4);
    EXPECT_DOUBLE_EQ(fuera.AltoSobre + fuera.Alto, dentro.AltoSobre + dentro.Alto + 4 * kU);
}

TEST(DibujaDelimitadores, TheFontChangedInTheBodyComesBack) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#NES(||&FS=20:&FN=Arial:&-Ix#NES)"));
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.fuenteDibujo.nombre, QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(p.fuenteDibujo.tamano, 12);
    EXPECT_TRUE(p.fuenteDibujo.cursiva);
}

TEST(DibujaDelimitadores, SmallFontsKeepAOneTwipStrokeAndPrinterArcsTwoPixels) {
    Motor m;
    RecordingSurface papel(SurfaceKind::Printer, 4753, 6883, 2.4);
    papel.setFontSize(1); // h = 23 twips: t = 1
    m.motor.AnchoPagina = 1e6;
    const Pasadas p = dosPasadas(m, papel, QStringLiteral("#NES((|x#NES)"));
    esperaPasadasSimetricas(p);
    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 14u);
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).DespIzq, 3 * 2.3 + 1);
    for (int i : {0, 5, 7, 12})
        EXPECT_EQ(lineas[i].state.drawWidth, 2) << i;
    EXPECT_EQ(lineas[6].state.drawWidth, 1);  // the straight stroke of "("
    EXPECT_EQ(lineas[13].state.drawWidth, 1); // the right bar
}

TEST(DibujaDelimitadores, MalformedConstructsShowTheErrorMark) {
    Motor m;
    RecordingSurface s;
    for (const char* texto : {"#NES(#NES)", "#NES((#NES)", "#NES(", "#NES(()x"}) {
        const Pasadas p = dosPasadas(m, s, QString::fromLatin1(texto));
        esperaPasadasSimetricas(p);
        EXPECT_TRUE(textos(p.ops).join(QString()).contains(u"*ERROR*")) << texto;
        EXPECT_TRUE(deClase(p.ops, DrawOp::Kind::Line).empty()) << texto;
    }
}

TEST(DibujaIntegral, ABlackSignAtTwiceTheSizeBeforeTheBody) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("&FC=Red:#INT(x#INT)y"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const double a = 0.6 * kH;
    const double b = 0.4 * kH;
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.DespIzq, a);
    EXPECT_DOUBLE_EQ(c.Ancho, kCar);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 1.2 * b);
    EXPECT_DOUBLE_EQ(c.Ascenso, kA);
    EXPECT_DOUBLE_EQ(c.Alto, 1.2 * b + kH);

    const DrawOp* signo = primerTexto(p.ops, car(242));
    ASSERT_TRUE(signo);
    EXPECT_EQ(signo->state.fontName, QStringLiteral("Symbol"));
    EXPECT_DOUBLE_EQ(signo->state.fontSize, 24);
    EXPECT_FALSE(signo->state.italic);
    EXPECT_EQ(signo->colour, 0);
    EXPECT_DOUBLE_EQ(signo->x1, 1000);
    EXPECT_DOUBLE_EQ(signo->y1, 2000 - b);
    // The body and the text after it keep the text colour and the font.
    const DrawOp* x = primerTexto(p.ops, QStringLiteral("x"));
    const DrawOp* y = primerTexto(p.ops, QStringLiteral("y"));
    ASSERT_TRUE(x && y);
    EXPECT_EQ(x->colour, rgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(x->x1, 1000 + a + 1); // after its side space
    EXPECT_EQ(y->colour, rgb(255, 0, 0));
    EXPECT_EQ(y->state.fontName, QStringLiteral("Times New Roman"));
    EXPECT_TRUE(y->state.italic);
}

TEST(DibujaIntegral, LimitsInTheBodyStayInsideTheBox) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#INT(#SPB(Lb#T)(a#SPB) f(x) dx#INT)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    std::vector<DrawOp> cuerpo;
    for (const DrawOp& op : p.ops) {
        if (op.text != car(242)) cuerpo.push_back(op);
    }
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, cuerpo));
    // The line makes room for the sign above the text.
    EXPECT_GE(p.caja.AltoSobre, 1.2 * 0.4 * kH);
}

TEST(DibujaIntegral, MalformedConstructsShowTheErrorMark) {
    Motor m;
    RecordingSurface s;
    for (const char* texto : {"#INT(", "#INT(x", "#INT#INT)"}) {
        const Pasadas p = dosPasadas(m, s, QString::fromLatin1(texto));
        esperaPasadasSimetricas(p);
        EXPECT_EQ(primerTexto(p.ops, car(242)), nullptr) << texto;
    }
    const Pasadas vacio = dosPasadas(m, s, QStringLiteral("#INT(#INT)"));
    esperaPasadasSimetricas(vacio);
    EXPECT_NE(primerTexto(vacio.ops, car(242)), nullptr);
}

} // namespace
} // namespace vornith::textengine::test
