#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276; a character is 10 twips per point wide plus 1 twip
// of side space on each side.
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;

TEST(Potencia, AnExponentialIsAnItalicEWithASmallExponentAtTheTopOfTheText) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#EXP(x#EXP)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops), QStringList({"e", "x"}));
    const DrawOp& e = p.ops[0];
    const DrawOp& x = p.ops[1];
    EXPECT_TRUE(e.state.italic);
    EXPECT_DOUBLE_EQ(e.state.fontSize, 12);
    EXPECT_FALSE(x.state.italic);
    EXPECT_DOUBLE_EQ(x.state.fontSize, 8);
    EXPECT_DOUBLE_EQ(x.x1, 1000 + 122 + 1);
    // Its bottom lies 8/12 h below the top of the base: its top is level with the base's.
    EXPECT_DOUBLE_EQ(x.y1, 2000);
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, 122 + 82);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(c.Ascenso, kA);
    EXPECT_DOUBLE_EQ(c.Alto, kH);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    EXPECT_FALSE(s.fontItalic());
    EXPECT_DOUBLE_EQ(s.fontSize(), 12);
}

TEST(Potencia, EachLevelOfExponentIsSmallerInBothPasses) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#POT(a#PB)(#POT(b#PB)(#POT(c#PB)(d#POT)#POT)#POT)z"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops), QStringList({"a", "b", "c", "d", "z"}));
    EXPECT_DOUBLE_EQ(p.ops[0].state.fontSize, 12);
    EXPECT_DOUBLE_EQ(p.ops[1].state.fontSize, 8);
    EXPECT_DOUBLE_EQ(p.ops[2].state.fontSize, 6);
    EXPECT_DOUBLE_EQ(p.ops[3].state.fontSize, 4.5);
    EXPECT_DOUBLE_EQ(p.ops[4].state.fontSize, 12);
    EXPECT_EQ(m.motor.NivelExponente, 0);
    // Deeper exponents climb above the text: the construct's room above grows with them.
    EXPECT_GT(m.motor.Cajas(2).AltoSobre, 0);
    EXPECT_LT(p.ops[3].y1, p.ops[2].y1);
    EXPECT_LT(p.ops[2].y1, p.ops[0].y1);
    const std::vector<DrawOp> potencia(p.ops.begin(), p.ops.begin() + 4);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, potencia));
    EXPECT_GT(p.caja.AltoSobre, 0);
}

TEST(Potencia, TheExponentStartsWithTheItalicStateOfTheEntry) {
    Motor m;
    RecordingSurface s;
    Pasadas p = dosPasadas(m, s, QStringLiteral("#POT(&+Ia#PB)(n#POT)m"));
    esperaPasadasSimetricas(p);
    EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("a"))->state.italic);
    EXPECT_FALSE(primerTexto(p.ops, QStringLiteral("n"))->state.italic);
    EXPECT_FALSE(primerTexto(p.ops, QStringLiteral("m"))->state.italic);

    s.setFontItalic(true);
    p = dosPasadas(m, s, QStringLiteral("#POT(&-Ia#PB)(n#POT)m"));
    EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("n"))->state.italic);
    EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("m"))->state.italic);
}

TEST(Potencia, ABaseTallerThanTheTextRaisesTheExponent) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#POT(#COC(1#N)(2#COC)#PB)(2#POT)"));
    esperaPasadasSimetricas(p);
    const CajaElemento& base = m.motor.Cajas(m.motor.TablaNivel(2, 1));
    ASSERT_GT(base.AltoSobre, 0);
    const DrawOp& exponente = p.ops.back();
    EXPECT_EQ(exponente.text, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(exponente.y1, 2000 - base.AltoSobre);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

} // namespace
} // namespace vornith::textengine::test
