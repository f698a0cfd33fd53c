#include "drawer_checks.h"

#include "textengine/drawers/drawers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, a letter with its side spaces 122 wide.
constexpr double kH = 276;
constexpr double kCar = 122;

// Where the bond lines stand from x0 = 1000, in tenths of h.
std::vector<long> abscisas(const std::vector<DrawOp>& ops) {
    std::vector<long> x;
    for (const DrawOp& op : deClase(ops, DrawOp::Kind::Line))
        x.push_back(std::lround((op.x1 - 1000) / kH * 10));
    return x;
}

TEST(UDB, ACentreWithAGroupAboveAndBelow) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#UDB(CSS#R1(H#R1)#R2(H#R2)#UDB)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 5); // the line, the construct, the centre, two groups
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, kCar);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 1.5 * kH);
    EXPECT_DOUBLE_EQ(c.Alto, 1.5 * kH + kH);

    ASSERT_EQ(textos(p.ops), QStringList({"C", "H", "H"}));
    EXPECT_DOUBLE_EQ(p.ops[0].y1, 2000);
    EXPECT_DOUBLE_EQ(p.ops[1].x1, 1001);
    EXPECT_DOUBLE_EQ(p.ops[1].y1, 2000 - 1.5 * kH);
    EXPECT_DOUBLE_EQ(p.ops[2].y1, 2000 + 1.5 * kH);
    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(abscisas(p.ops), std::vector<long>({3, 3}));
    EXPECT_DOUBLE_EQ(lineas[0].y1, 2000 + 0.05 * kH);
    EXPECT_DOUBLE_EQ(lineas[0].y2, 2000 - 0.55 * kH);
    EXPECT_DOUBLE_EQ(lineas[1].y1, 2000 + 0.95 * kH);
    EXPECT_DOUBLE_EQ(lineas[1].y2, 2000 + 1.55 * kH);
}

TEST(UDB, BondKindsDrawOneTwoOrThreeLinesAndOnlyTowardsAGroup) {
    Motor m;
    RecordingSurface s;
    // A lower bond letter without a lower group draws nothing; the depth is the centre's.
    Pasadas p = dosPasadas(m, s, QStringLiteral("#UDB(CDT#R1(O#R1)#UDB)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(abscisas(p.ops), std::vector<long>({2, 4}));
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Alto, kH);

    p = dosPasadas(m, s, QStringLiteral("#UDB(NXT#R1(O#R1)#R2(H#R2)#UDB)"), 1000, 2000);
    EXPECT_EQ(abscisas(p.ops), std::vector<long>({1, 3, 5}));

    // The first three characters are taken by position, blanks included.
    p = dosPasadas(m, s, QStringLiteral("#UDB( SS#R1(H#R1)#UDB)"), 1000, 2000);
    EXPECT_EQ(textos(p.ops), QStringList({" ", "H"}));
    EXPECT_EQ(abscisas(p.ops).size(), 1u);
    p = dosPasadas(m, s, QStringLiteral("#UDB(C S#R1(H#R1)#UDB)"), 1000, 2000);
    EXPECT_TRUE(abscisas(p.ops).empty());
}

TEST(UDB, RoomAboveAndBelowIsRoundedHalfToEven) {
    Motor m;
    RecordingSurface s;
    s.setFontSize(13); // h = 299: 1.5 h = 448.5
    dosPasadas(m, s, QStringLiteral("#UDB(CSS#R1(H#R1)#R2(H#R2)#UDB)"));
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).AltoSobre, 448);
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Alto, 748); // 747.5
}

TEST(UDB, LeftPartsEndAtTheCentresColumnWhereverTheyStand) {
    Motor m;
    RecordingSurface s;
    // A group that is a left part alone: right-aligned to x0, and no bond line.
    Pasadas p = dosPasadas(m, s, QStringLiteral("#UDB(CSS#R1(#LP(HO#LP)#R1)#UDB)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops), QStringList({"C", "H", "O"}));
    EXPECT_DOUBLE_EQ(p.ops[1].x1, 1000 - 2 * kCar + 1);
    EXPECT_TRUE(abscisas(p.ops).empty());

    // A left part written after the right part, and groups in reverse order: no text is lost.
    p = dosPasadas(m, s, QStringLiteral("#UDB(CSS  #R2(CH#LP(HO#LP)#R2)#R1(Br#R1)  #UDB)"), 1000,
                   2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops), QStringList({"C", "B", "r", "C", "H", "H", "O"}));
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("B"))->y1, 2000 - 1.5 * kH);
    EXPECT_DOUBLE_EQ(p.ops[3].x1, 1001);
    EXPECT_DOUBLE_EQ(p.ops[3].y1, 2000 + 1.5 * kH);
    EXPECT_DOUBLE_EQ(p.ops[5].x1, 1000 - 2 * kCar + 1);
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Ancho, kCar); // parts never widen the box
}

TEST(UDB, GroupsAreFoundOutsideNestedBranches) {
    Motor m;
    RecordingSurface s;
    // The outer branch has no upper group: the inner branch's "#R1(" is its own.
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#UDB(CSS#R2(#UDB(CSS#R1(H#R1)#UDB)#R2)#UDB)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops), QStringList({"C", "C", "H"}));
    EXPECT_EQ(abscisas(p.ops).size(), 2u); // the inner upper bond and the outer lower one
}

TEST(UDB, ThePenKeepsItsStrokeWidthTheLinesTheTextColour) {
    Motor m;
    RecordingSurface impresora(SurfaceKind::Printer, 4753, 6883, 2.4);
    Pasadas p =
        dosPasadas(m, impresora, QStringLiteral("&FC=Azul:#UDB(CSS#R1(&+IH#R1)#UDB)x"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 1u);
    EXPECT_EQ(lineas[0].state.drawWidth, 6); // 15 twips at 2.4 twips per pixel
    EXPECT_EQ(lineas[0].colour, rgb(0, 0, 255));
    EXPECT_EQ(impresora.drawWidth(), 6);
    EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("H"))->state.italic);
    EXPECT_FALSE(primerTexto(p.ops, QStringLiteral("x"))->state.italic);

    RecordingSurface pantalla;
    pantalla.setFontSize(40); // h = 920: 0.0323 h = 29.7 twips, two pixels
    dosPasadas(m, pantalla, QStringLiteral("#UDB(CSS#R1(H#R1)#UDB)"));
    EXPECT_EQ(pantalla.drawWidth(), 2);
}

TEST(UDB, DamagedBranchesShowTheErrorMark) {
    Motor m;
    RecordingSurface s;
    // An unclosed group stands as the red mark; the lower group is read as usual.
    Pasadas p = dosPasadas(m, s, QStringLiteral("#UDB(CSS#R1(H#R2(O#R2)#UDB)z"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("C*ERROR*Oz"));
    EXPECT_EQ(primerTexto(p.ops, QStringLiteral("*"))->state.foreColor, rgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("*"))->y1, 2000 - 1.5 * kH);
    EXPECT_EQ(primerTexto(p.ops, QStringLiteral("z"))->state.foreColor, 0u);
    // An unclosed left part: the mark stands as the left part, the rest as the right one.
    p = dosPasadas(m, s, QStringLiteral("#UDB(CSS#R1(#LP(HO#R1)#UDB)"), 1000, 2000);
    EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("CHO*ERROR*"));
}

} // namespace
} // namespace vornith::textengine::test
