#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, and h' = 184 at the scripts' 8 points, where a
// character is 82 twips wide with its side spaces.
constexpr double kA = 0.574 * 276;
constexpr double kHr = 184;

TEST(SubSuper, ScriptsHangFromTheAxisAndCentreOverEachOther) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#SPB(Cx#T)(ab#SPB)z"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, 164);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(c.Ascenso, kHr);
    EXPECT_DOUBLE_EQ(c.Alto, 2 * kHr);
    EXPECT_DOUBLE_EQ(c.PosY, 2000 + kA - kHr);

    EXPECT_EQ(textos(p.ops), QStringList({"x", "a", "b", "z"}));
    const DrawOp& x = p.ops[0];
    const DrawOp& a = p.ops[1];
    EXPECT_DOUBLE_EQ(x.state.fontSize, 8);
    EXPECT_DOUBLE_EQ(x.x1, 1000 + (164 - 82) / 2.0 + 1);
    EXPECT_DOUBLE_EQ(x.y2, 2000 + kA); // sits on the axis
    EXPECT_DOUBLE_EQ(a.x1, 1000 + 1);
    EXPECT_DOUBLE_EQ(a.y1, 2000 + kA); // hangs from it
    EXPECT_DOUBLE_EQ(p.ops[3].state.fontSize, 12);
    const std::vector<DrawOp> par(p.ops.begin(), p.ops.begin() + 3);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, par));
    EXPECT_EQ(m.motor.NivelCociente, 0);
    EXPECT_EQ(m.motor.NivelExponente, 0);
}

TEST(SubSuper, TheLetterAlignsTheNarrowerPart) {
    struct Caso {
        QString linea;
        QString narrow;
        double x;
    };
    const std::vector<Caso> casos = {
        {QStringLiteral("#SPB(Rx#T)(ab#SPB)"), QStringLiteral("x"), 1000 + 82 + 1},
        {QStringLiteral("#SPB(cx#T)(ab#SPB)"), QStringLiteral("x"), 1000 + 41 + 1},
        {QStringLiteral("#SPB(Lx#T)(ab#SPB)"), QStringLiteral("x"), 1000 + 1},
        {QStringLiteral("#SPB(lx#T)(ab#SPB)"), QStringLiteral("x"), 1000 + 1},
        {QStringLiteral("#SPB(Qx#T)(ab#SPB)"), QStringLiteral("x"), 1000 + 1},
        {QStringLiteral("#SPB(rab#T)(x#SPB)"), QStringLiteral("x"), 1000 + 82 + 1},
        {QStringLiteral("#SPB(Cab#T)(x#SPB)"), QStringLiteral("x"), 1000 + 41 + 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linea.toStdString());
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, c.linea, 1000, 2000);
        esperaPasadasSimetricas(p);
        EXPECT_DOUBLE_EQ(primerTexto(p.ops, c.narrow)->x1, c.x);
        EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("a"))->x1, 1000 + 1);
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    }
}

TEST(SubSuper, TheSeparatorOfANestedArrowIsNotThePairs) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#SPB(Lx#ATX(a#T)(b#ATX)#T)(y#SPB)"));
    esperaPasadasSimetricas(p);
    EXPECT_EQ(m.motor.Cajas(m.motor.TablaNivel(2, 1)).Texto, QStringLiteral("x#ATX(a#T)(b#ATX)"));
    EXPECT_EQ(m.motor.Cajas(m.motor.TablaNivel(2, 2)).Texto, QStringLiteral("y"));
}

TEST(SubSuper, AFractionInAScriptIsANestedOne) {
    Motor m;
    RecordingSurface s;
    s.setFontSize(72); // scripts at 48 points: h' = 1104, a nested bar 0.02 h' = 22.08 thick
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#SPB(L#COC(1#N)(2#COC)#T)(x#SPB)"));
    esperaPasadasSimetricas(p);
    const std::vector<DrawOp> barras = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(barras.size(), 1u);
    EXPECT_NEAR(barras[0].x1 - m.motor.Cajas(4).PosX, 0.02 * 1104 / 2, 1e-9);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

} // namespace
} // namespace vornith::textengine::test
