#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, a letter with its side spaces 122 wide; the arrow's
// t, ga and gb stop at their floor of 15 twips, p = 0.09 h.
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;
constexpr double kCar = 122;
constexpr double kT = 15;
constexpr double kG = 15;
constexpr double kP = 0.09 * kH;

TEST(FlechaTexto, AnArrowWithOneTextCentredAboveAndOneBelow) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#ATX(A#T)(B#ATX)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 4);
    const double W = 2 * kP + kCar;
    EXPECT_NEAR(p.avance, 14 * kP + W, 1e-9);

    const CajaElemento& f = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(f.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(f.Ascenso, kG + kH + kT / 2);
    EXPECT_DOUBLE_EQ(f.Alto, kG + kH + kT + kG + kH);
    const double X0 = f.PosX;
    const double Y0 = f.PosY;

    const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(l.size(), 3u);
    const DrawOp& astil = l[0];
    // The shaft lies on the line's axis; with its pen's ends it is W + 12 p long.
    EXPECT_DOUBLE_EQ(astil.y1, 2000 + kA);
    EXPECT_DOUBLE_EQ(astil.y2, astil.y1);
    EXPECT_NEAR(astil.x2 - astil.x1 + kT, W + 12 * kP, 1e-9);
    EXPECT_NEAR(astil.x1 - kT / 2, X0 - 6 * kP, 1e-9);
    // Both barbs go back from the tip, 4 p to the left and 3 p up or down.
    for (const DrawOp* barba : {&l[1], &l[2]}) {
        EXPECT_DOUBLE_EQ(barba->x1, astil.x2);
        EXPECT_DOUBLE_EQ(barba->y1, astil.y1);
        EXPECT_NEAR(barba->x2, astil.x2 - 4 * kP, 1e-9);
    }
    EXPECT_NEAR(l[1].y2, astil.y1 - 3 * kP, 1e-9);
    EXPECT_NEAR(l[2].y2, astil.y1 + 3 * kP, 1e-9);

    const DrawOp* a = primerTexto(p.ops, QStringLiteral("A"));
    const DrawOp* b = primerTexto(p.ops, QStringLiteral("B"));
    ASSERT_TRUE(a && b);
    const double centro = (astil.x1 + astil.x2) / 2;
    EXPECT_NEAR((a->x1 + a->x2) / 2, centro, 1e-9);
    EXPECT_NEAR((b->x1 + b->x2) / 2, centro, 1e-9);
    // The upper text stands 2 p higher than the box accounts for; the lower one hangs gb
    // below the shaft's pen.
    EXPECT_NEAR(a->y1, Y0 - 2 * kP, 1e-9);
    EXPECT_NEAR(b->y1, astil.y1 + kT / 2 + kG, 1e-9);
    EXPECT_NEAR(b->y2, Y0 + f.Alto, 1e-9);
    // Besides the upper text, everything lies inside the box, the shaft p inside its ends.
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, l));
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, {*b}));
    EXPECT_NEAR(astil.x1 - kT / 2 - (X0 - f.DespIzq), kP, 1e-9);
    EXPECT_NEAR(X0 + f.Ancho - (astil.x2 + kT / 2), kP, 1e-9);
}

TEST(FlechaTexto, TheNarrowerTextIsCentredOverTheWiderOne) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#ATX(a#T)(bbbbb#ATX)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& f = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(f.Ancho, 7 * kP + 2 * kP + 5 * kCar);
    const DrawOp* a = primerTexto(p.ops, QStringLiteral("a"));
    const DrawOp* b = primerTexto(p.ops, QStringLiteral("b"));
    ASSERT_TRUE(a && b);
    // The letters stand 1 twip inside their widths (their side spaces).
    EXPECT_DOUBLE_EQ(b->x1 - 1, f.PosX + kP);
    EXPECT_DOUBLE_EQ(a->x1 - 1, f.PosX + kP + 2 * kCar);
}

TEST(FlechaTexto, TheSeparatorIsTheArrowsOwnNotOneOfANestedConstruct) {
    for (const QString& linea : {QStringLiteral("#ATX(#SPB(Lx#T)(y#SPB)#T)(z#ATX)"),
                                 QStringLiteral("#ATX(#ATX(x#T)(y#ATX)#T)(z#ATX)")}) {
        SCOPED_TRACE(linea.toStdString());
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, linea, 1000, 2000);
        esperaPasadasSimetricas(p);
        // x and y belong to the upper text, z to the lower: x and y above the outer shaft.
        const double eje = 2000 + kA;
        EXPECT_LT(primerTexto(p.ops, QStringLiteral("x"))->y2, eje);
        EXPECT_LT(primerTexto(p.ops, QStringLiteral("y"))->y2, eje);
        EXPECT_GT(primerTexto(p.ops, QStringLiteral("z"))->y1, eje);
        EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("xyz"));
    }
}

TEST(FlechaTexto, AFractionInItsTextsIsANestedOneAndTheLinesTakeTheTextColour) {
    // 48 points: an outermost bar is 0.04 h = 44 twips (3 pixels), a nested one 0.02 h (1).
    Motor m;
    RecordingSurface s;
    s.setFontSize(48);
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("&LC=Rojo:&FC=Azul:#ATX(#COC(1#N)(2#COC)#T)(x#ATX)#COC(1#N)(2#COC)"));
    esperaPasadasSimetricas(p);
    const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(l.size(), 5u); // nested bar, shaft, two barbs, outer bar
    EXPECT_EQ(l.front().state.drawWidth, 1);
    EXPECT_EQ(l.back().state.drawWidth, 3);
    EXPECT_EQ(m.motor.NivelCociente, 0);
    for (const DrawOp& op : l)
        EXPECT_EQ(op.colour, InterpretaColor(QStringLiteral("Azul")));
    EXPECT_EQ(s.drawWidth(), 1);
}

TEST(FlechaTexto, TheTextsShareTheFontButTheConstructRestoresIt) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#ATX(&+Ia#T)(b#ATX)c"));
    esperaPasadasSimetricas(p);
    EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("b"))->state.italic);
    EXPECT_FALSE(primerTexto(p.ops, QStringLiteral("c"))->state.italic);
}

} // namespace
} // namespace vornith::textengine::test
