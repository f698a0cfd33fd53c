#include "drawer_checks.h"

#include "textengine/drawers/drawers.h"

#include <gtest/gtest.h>

#include <map>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, a letter with its side spaces 122 wide; marks are
// t = 0.04 h thick and m = 0.18 h in size.
constexpr double kH = 276;
constexpr double kCar = 122;
constexpr double kT = 0.04 * kH;
constexpr double kM = 0.18 * kH;

TEST(Decoracion, ALowerVectorArrowOverABoldItalicLetter) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#VED(&+B&+Iv&-I&-B#VED)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_DOUBLE_EQ(p.avance, kCar + 2 * kT);

    const CajaElemento& c = m.motor.Cajas(2);
    const DrawOp* v = primerTexto(p.ops, QStringLiteral("v"));
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->state.bold && v->state.italic);
    EXPECT_DOUBLE_EQ(v->x1 - 1, c.PosX); // its side space
    EXPECT_DOUBLE_EQ(v->y1, 2000);

    const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(l.size(), 2u);
    const double T = 2000;
    // The shaft over the whole letter, the barb rising to the left from its right end.
    EXPECT_DOUBLE_EQ(l[0].x1, v->x1 - 1);
    EXPECT_DOUBLE_EQ(l[0].x2, v->x2 + 1);
    EXPECT_DOUBLE_EQ(l[0].y1, T + 1.33 * kM);
    EXPECT_DOUBLE_EQ(l[0].y2, T + 1.33 * kM);
    EXPECT_DOUBLE_EQ(l[1].x1, v->x2 + 1);
    EXPECT_DOUBLE_EQ(l[1].y1, T + 1.33 * kM);
    EXPECT_DOUBLE_EQ(l[1].x2, v->x2 + 1 - kM);
    EXPECT_NEAR(l[1].y2, T + 0.33 * kM, 1e-9);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(Decoracion, TheUpperArrowsBarbReachesAboveTheBox) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#VEC(0#VEC)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& c = m.motor.Cajas(2);
    const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_DOUBLE_EQ(l[0].y1, 2000 + kM / 2);
    EXPECT_DOUBLE_EQ(l[1].y2, 2000 - kM / 2);
    // Only the barb's end leaves the box, by m/2 - t.
    EXPECT_NEAR((c.PosY - c.AltoSobre) - l[1].y2, kM / 2 - kT, 1e-9);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, {l[0]}));
}

TEST(Decoracion, EveryMarkDrawsItsLinesInTheLineColourInsideItsBox) {
    const std::map<QString, std::size_t> lineas = {{"VEC", 2}, {"VED", 2}, {"AND", 2}, {"ARC", 4},
                                                   {"SED", 1}, {"TDX", 2}, {"TDD", 1}, {"TDU", 1},
                                                   {"REC", 4}, {"UDL", 2}, {"SEG", 1}, {"DOL", 1}};
    const Rgb rojo = InterpretaColor(QStringLiteral("Rojo"));
    for (const auto& [tag, cuantas] : lineas) {
        SCOPED_TRACE(tag.toStdString());
        Motor m;
        RecordingSurface s;
        s.setFontItalic(true);
        const QString cuerpo = QStringLiteral("&LC=Rojo:#") + tag + QStringLiteral("(&-Iab#") +
                               tag + QStringLiteral(")c");
        const Pasadas p = dosPasadas(m, s, cuerpo, 1000, 2000);
        esperaPasadasSimetricas(p);
        const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
        ASSERT_EQ(l.size(), cuantas);
        for (const DrawOp& op : l)
            EXPECT_EQ(op.colour, rojo);
        EXPECT_EQ(s.drawWidth(), 1);
        // The construct restores the italic state that its body turned off.
        EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("c"))->state.italic);
        // The advance is the body's and t on each side.
        EXPECT_NEAR(primerTexto(p.ops, QStringLiteral("c"))->x1 - 1001, 2 * kCar + 2 * kT, 1e-9);
        std::vector<DrawOp> dentro(p.ops.begin(), p.ops.end() - 1); // without the "c"
        if (tag == u"VEC") dentro.pop_back();                       // its barb stands higher
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, dentro));
    }
}

TEST(Decoracion, TheFrameFillsTheMarginOfTheBoxOnAllFourSides) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#REC(x#REC)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& c = m.motor.Cajas(2);
    const double izq = c.PosX - c.DespIzq;
    const double der = c.PosX + c.Ancho;
    const double arriba = c.PosY - c.AltoSobre;
    const double abajo = c.PosY + c.Alto;
    const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(l.size(), 4u);
    // Left and right sides, top and bottom lines: each t/2 inside the box's edge, each
    // running from corner to corner of the box less t/2.
    EXPECT_DOUBLE_EQ(l[0].x1, izq + kT / 2);
    EXPECT_DOUBLE_EQ(l[1].x1, der - kT / 2);
    EXPECT_DOUBLE_EQ(l[2].y1, arriba + kT / 2);
    EXPECT_DOUBLE_EQ(l[3].y1, abajo - kT / 2);
    for (int i : {0, 1}) {
        EXPECT_DOUBLE_EQ(l[i].y1, abajo - kT / 2);
        EXPECT_DOUBLE_EQ(l[i].y2, arriba + kT / 2);
    }
    for (int i : {2, 3}) {
        EXPECT_DOUBLE_EQ(l[i].x1, izq + kT / 2);
        EXPECT_DOUBLE_EQ(l[i].x2, der - kT / 2);
    }
}

TEST(Decoracion, DiagonalsRunFromCornerToCornerOfTheBody) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#TDX(#COC(1#N)(2#COC)#TDX)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& c = m.motor.Cajas(2);
    const CajaElemento& b = m.motor.Cajas(3);
    // The body holds a fraction: the box grows by t over the body's own room above.
    EXPECT_GT(b.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(c.AltoSobre, b.AltoSobre + kT);
    const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(l.size(), 3u); // the fraction's bar, then both diagonals
    const double T = c.PosY - b.AltoSobre;
    const double B = c.PosY + b.Alto;
    EXPECT_DOUBLE_EQ(l[1].y1, T);
    EXPECT_DOUBLE_EQ(l[1].y2, B);
    EXPECT_DOUBLE_EQ(l[2].y1, B);
    EXPECT_DOUBLE_EQ(l[2].y2, T);
    EXPECT_DOUBLE_EQ(l[1].x1, c.PosX);
    EXPECT_DOUBLE_EQ(l[1].x2, c.PosX + b.Ancho);
}

TEST(Decoracion, TheThicknessStopsAtOneTwipAndThePenAtOnePixel) {
    {
        // 1 point: h = 23, t = 0.92 becomes 1 twip.
        Motor m;
        RecordingSurface s;
        s.setFontSize(1);
        const Pasadas p = dosPasadas(m, s, QStringLiteral("#UDL(x#UDL)"));
        esperaPasadasSimetricas(p);
        EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Ancho, m.motor.Cajas(3).Ancho + 1);
        for (const DrawOp& op : deClase(p.ops, DrawOp::Kind::Line))
            EXPECT_EQ(op.state.drawWidth, 1);
    }
    {
        // 48 points: t = 44.2 twips, 2.9 pixels of the screen, 18.4 of a 2.4-twip printer.
        Motor m;
        RecordingSurface s;
        s.setFontSize(48);
        const Pasadas p = dosPasadas(m, s, QStringLiteral("#SEG(x#SEG)"));
        EXPECT_EQ(deClase(p.ops, DrawOp::Kind::Line).at(0).state.drawWidth, 3);
        EXPECT_EQ(s.drawWidth(), 1);
        Motor m2;
        RecordingSurface impresora(SurfaceKind::Printer, 4960, 7016, 2.4);
        impresora.setFontSize(48);
        const Pasadas q = dosPasadas(m2, impresora, QStringLiteral("#SEG(x#SEG)"));
        EXPECT_EQ(deClase(q.ops, DrawOp::Kind::Line).at(0).state.drawWidth, 18);
    }
}

} // namespace
} // namespace vornith::textengine::test
