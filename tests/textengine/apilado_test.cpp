#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, the gap g = 0.0354 h; the texts at 8 points are
// 184 high, a character 82 wide with its side spaces.
constexpr double kH = 276;
constexpr double kG = 0.0354 * kH;

TEST(Apilado, OneTextUnderTheBaseLeftAligned) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#TST(A#TS)(#ST1(1#ST1)#TST)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 4);
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, 122);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(c.Ascenso, 0.574 * kH);
    EXPECT_DOUBLE_EQ(c.Alto, kH + kG + 184);
    const DrawOp* uno = primerTexto(p.ops, QStringLiteral("1"));
    ASSERT_TRUE(uno);
    EXPECT_DOUBLE_EQ(uno->state.fontSize, 8);
    EXPECT_DOUBLE_EQ(uno->x1, 1000 + 1);
    EXPECT_DOUBLE_EQ(uno->y1, 2000 + kH + kG);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    EXPECT_DOUBLE_EQ(p.caja.Alto, c.Alto);
}

TEST(Apilado, ThreeTextsEachFromTheEntrySizeTheWidestSetsTheWidth) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#TST(A#TS)(#ST1(1#ST1)#ST2(22#ST2)#ST3(333333#ST3)zz#TST)w"), 1000,
        2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("A122333333w")); // "zz" ignored
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, 6 * 82);
    EXPECT_DOUBLE_EQ(c.Alto, kH + 3 * (kG + 184));
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("2"))->y1, 2000 + kH + 2 * kG + 184);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("3"))->y1, 2000 + kH + 3 * kG + 2 * 184);
    for (const DrawOp& op : p.ops) {
        if (op.text != u"A" && op.text != u"w") {
            EXPECT_DOUBLE_EQ(op.state.fontSize, 8);
        }
    }
    const std::vector<DrawOp> apilado(p.ops.begin(), p.ops.end() - 1);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, apilado));
    EXPECT_EQ(m.motor.NivelExponente, 0);
}

TEST(Apilado, TextsKeepTheSizeInForceFromTheThirdLevelOn) {
    Motor m;
    RecordingSurface s;
    Pasadas p = dosPasadas(
        m, s, QStringLiteral("#POT(a#PB)(#POT(b#PB)(#TST(c#TS)(#ST1(d#ST1)#TST)#POT)#POT)"));
    esperaPasadasSimetricas(p);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("c"))->state.fontSize, 6);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("d"))->state.fontSize, 6);

    p = dosPasadas(m, s, QStringLiteral("#POT(a#PB)(#TST(c#TS)(#ST1(d#ST1)#TST)#POT)"));
    esperaPasadasSimetricas(p);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("c"))->state.fontSize, 8);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("d"))->state.fontSize, 6);
}

} // namespace
} // namespace vornith::textengine::test
