#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, every character with its side spaces 122 wide, "+"
// and "k" 120 wide as printed; the column gap is 0.67 h.
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;
constexpr double kCar = 122;
constexpr double kHueco = 0.67 * kH;

// The texts of the first `n` cells of the construct whose element number is `e`.
QStringList celdas(const EstadoMotor& m, int e, int n) {
    QStringList r;
    for (int k = 1; k <= n; ++k)
        r.append(m.Cajas(m.TablaNivel(e, k)).Texto);
    return r;
}

bool muestraError(const Pasadas& p) {
    return textos(p.ops).join(QString()).contains(u"*ERROR*");
}

TEST(DibujaReaccion, OneRowEquationWithAPlusAndARightArrow) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#CEQ(1'2H2 + O2 = 2H2O'#CEQ)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 6); // the line, the construct and four cells
    EXPECT_EQ(celdas(m.motor, 2, 4), (QStringList{" ", " 2H2 ", " O2 ", " 2H2O "}));

    const double anchos[] = {kCar, 5 * kCar, 4 * kCar, 6 * kCar};
    const double W = 3 * kHueco + anchos[0] + anchos[1] + anchos[2] + anchos[3];
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, W);
    EXPECT_DOUBLE_EQ(c.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(c.Ascenso, kA);
    EXPECT_DOUBLE_EQ(c.Alto, kH);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));

    const double xc3 = 1000 + anchos[0] + anchos[1] + 2 * kHueco;
    const double xc4 = xc3 + anchos[2] + kHueco;
    const DrawOp* mas = primerTexto(p.ops, QStringLiteral("+"));
    ASSERT_TRUE(mas);
    // The signs are centred in the gap before their column, clear of the terms.
    EXPECT_DOUBLE_EQ(mas->x1, xc3 - kHueco / 2 - 60);
    EXPECT_DOUBLE_EQ(mas->y1, 2000);
    const DrawOp* flecha = primerTexto(p.ops, car(174));
    ASSERT_TRUE(flecha);
    EXPECT_EQ(flecha->state.fontName, QStringLiteral("Symbol"));
    EXPECT_DOUBLE_EQ(flecha->x1, xc4 - kHueco / 2 - 60);
    EXPECT_DOUBLE_EQ(flecha->y1, 2000);
    EXPECT_TRUE(deClase(p.ops, DrawOp::Kind::Line).empty());
}

TEST(DibujaReaccion, EquilibriumAndLeftArrows) {
    Motor m;
    RecordingSurface s;
    m.motor.Zoom = 2;
    for (const char* texto : {"#CEQ(1'N2 + 3H2 == 2NH3'#CEQ)", "#CEQ(1'N2 + 3H2 &Q 2NH3'#CEQ)"}) {
        const Pasadas p = dosPasadas(m, s, QString::fromLatin1(texto), 1000, 2000);
        esperaPasadasSimetricas(p);
        const std::vector<DrawOp> l = deClase(p.ops, DrawOp::Kind::Line);
        ASSERT_EQ(l.size(), 4u) << texto;
        // Two twips of side space on each side of a character at zoom 2.
        const double car = kCar + 2;
        const double xc4 = 1000 + car + 4 * car + 5 * car + 3 * kHueco;
        EXPECT_DOUBLE_EQ(l[0].x1, xc4 - kHueco / 2 - 240);
        EXPECT_DOUBLE_EQ(l[0].y1, 2000 + kH / 2.5);
        EXPECT_DOUBLE_EQ(l[0].x2 - l[0].x1, 480);
        EXPECT_DOUBLE_EQ(l[1].x2 - l[1].x1, -120);
        EXPECT_DOUBLE_EQ(l[1].y2 - l[1].y1, -100);
        EXPECT_DOUBLE_EQ(l[3].y1, 2000 + kH / 1.7);
        EXPECT_DOUBLE_EQ(l[3].y2 - l[3].y1, 100);
        EXPECT_EQ(celdas(m.motor, 2, 4).last(), QStringLiteral(" 2NH3 "));
    }
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#CEQ(1'A &als B'#CEQ)"));
    EXPECT_NE(primerTexto(p.ops, car(172)), nullptr);
    EXPECT_EQ(celdas(m.motor, 2, 3), (QStringList{" ", " A ", " B "}));
}

TEST(DibujaReaccion, TheArrowIsTheLastFormThatOccursButNeverPartOfATag) {
    Motor m;
    RecordingSurface s;
    struct Caso {
        const char* texto;
        QStringList celdas;
    };
    const Caso casos[] = {
        // A plain "=" wins over "&Q", "&ars" and "&als".
        {"#CEQ(1'A &Q B = C'#CEQ)", {" ", " A &Q B ", " C "}},
        {"#CEQ(1'A=B'#CEQ)", {" ", " A ", " B "}},
        {"#CEQ(1'A &ars B = C &als D'#CEQ)", {" ", " A &ars B ", " C &als D "}},
        // The "=" of a value tag, of a symbol tag, of a drawn sign and inside a construct.
        {"#CEQ(1'&FC=Blue:A &ars B'#CEQ)", {" ", " &FC=Blue:A ", " B "}},
        {"#CEQ(1'x &!= y &<= z &= w &ars B'#CEQ)", {" ", " x &!= y &<= z &= w ", " B "}},
        {"#CEQ(1'#COC(a = b + c#N)(2#COC) + D == E'#CEQ)",
         {" ", " #COC(a = b + c#N)(2#COC) ", " D ", " E "}},
    };
    for (const Caso& c : casos) {
        const Pasadas p = dosPasadas(m, s, QString::fromLatin1(c.texto));
        esperaPasadasSimetricas(p);
        EXPECT_EQ(celdas(m.motor, 2, static_cast<int>(c.celdas.size())), c.celdas) << c.texto;
        EXPECT_FALSE(muestraError(p)) << c.texto;
    }
}

TEST(DibujaReaccion, NoArrowLeavesTheEquationRowEmpty) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#CEQ(1'A + B'#CEQ)"));
    esperaPasadasSimetricas(p);
    EXPECT_EQ(celdas(m.motor, 2, 3), (QStringList{" ", "", ""}));
    EXPECT_EQ(textos(p.ops), QStringList{" "});
}

TEST(DibujaReaccion, RowsOfCellsUnderTheTermsRuledOff) {
    Motor m;
    RecordingSurface s;
    m.motor.ColorLinea = rgb(0, 128, 0);
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#CEQ(2'A = B'#A21(ini#A21)#A22(1#A22)#A23(0#A23)#CEQ)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(celdas(m.motor, 2, 6), (QStringList{" ", " A ", " B ", " ini ", " 1 ", " 0 "}));

    const double anchos[] = {5 * kCar, 3 * kCar, 3 * kCar}; // the widest cell of each column
    const double W = 2 * kHueco + anchos[0] + anchos[1] + anchos[2];
    const CajaElemento& c = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(c.Ancho, W);
    EXPECT_DOUBLE_EQ(c.Ascenso, 1.2 * kH);
    EXPECT_DOUBLE_EQ(c.Alto, 0.59 * kH + 2 * kH);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));

    // The construct's axis is on the line's: its top 1.2 h above it.
    const double y0 = 2000 + kA - 1.2 * kH;
    const std::vector<DrawOp> regla = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(regla.size(), 1u);
    EXPECT_DOUBLE_EQ(regla[0].y1, y0 + kA + 0.59 * kH);
    EXPECT_DOUBLE_EQ(regla[0].x1, 1000);
    EXPECT_DOUBLE_EQ(regla[0].x2, 1000 + W);
    EXPECT_EQ(regla[0].colour, rgb(0, 128, 0));

    // The label is left-aligned, the cells centred under their terms.
    const DrawOp* i = primerTexto(p.ops, QStringLiteral("i"));
    const DrawOp* uno = primerTexto(p.ops, QStringLiteral("1"));
    ASSERT_TRUE(i && uno);
    EXPECT_DOUBLE_EQ(i->x1, 1000 + kCar + 1);
    EXPECT_DOUBLE_EQ(uno->y1, y0 + kA + 0.59 * kH);
    const double xc2 = 1000 + anchos[0] + kHueco;
    EXPECT_DOUBLE_EQ(uno->x1, xc2 + (anchos[1] - 3 * kCar) / 2 + kCar + 1);
}

TEST(DibujaReaccion, ATallTermGivesAOneRowEquationItsHeight) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#CEQ(1'#COC(1#N)(2#COC) = B'#CEQ)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& c = m.motor.Cajas(2);
    const CajaElemento& termino = m.motor.Cajas(m.motor.TablaNivel(2, 2));
    EXPECT_DOUBLE_EQ(c.Ascenso, termino.AltoSobre + termino.Ascenso);
    EXPECT_GT(p.caja.AltoSobre, 0);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    // The row's axis stays on the line's: "B" stands on the line's text.
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("B"))->y1, 2000);
}

TEST(DibujaReaccion, MissingOrMisplacedCells) {
    Motor m;
    RecordingSurface s;
    // Cells in another order, and one missing: it alone shows the error mark.
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#CEQ(2 #A23(z#A23)'A = B' #A21(x#A21)#CEQ)"));
    esperaPasadasSimetricas(p);
    const QStringList t = celdas(m.motor, 2, 6);
    EXPECT_EQ(t[3], QStringLiteral(" x "));
    EXPECT_TRUE(t[4].contains(u"*ERROR*"));
    EXPECT_EQ(t[5], QStringLiteral(" z "));
}

TEST(DibujaReaccion, MalformedConstructsShowTheErrorMark) {
    Motor m;
    RecordingSurface s;
    for (const char* texto : {"#CEQ(#CEQ)", "#CEQ(1#CEQ)", "#CEQ(1A = B#CEQ)", "#CEQ(1'A = B#CEQ)",
                              "#CEQ(x'A = B'#CEQ)", "#CEQ(0'A = B'#CEQ)", "#CEQ(1'A = B'",
                              // Ten columns.
                              "#CEQ(1'a + b + c + d + e = f + g + h + i'#CEQ)"}) {
        const Pasadas p = dosPasadas(m, s, QString::fromLatin1(texto));
        esperaPasadasSimetricas(p);
        EXPECT_TRUE(muestraError(p)) << texto;
        EXPECT_TRUE(deClase(p.ops, DrawOp::Kind::Line).empty()) << texto;
    }
    // Nine columns are the most a table holds.
    const Pasadas nueve =
        dosPasadas(m, s, QStringLiteral("#CEQ(1'a + b + c + d = f + g + h + i'#CEQ)"));
    EXPECT_FALSE(muestraError(nueve));
}

TEST(DibujaReaccion, FontAndPenComeBackAfterCellsThatChangeThem) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#CEQ(2'&FN=Arial:&FS=20:A &ars B'#A21(&-I&FS=8:r#A21)#CEQ)z"));
    esperaPasadasSimetricas(p);
    const DrawOp* z = primerTexto(p.ops, QStringLiteral("z"));
    ASSERT_TRUE(z);
    EXPECT_EQ(z->state.fontName, QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(z->state.fontSize, 12);
    EXPECT_TRUE(z->state.italic);
    EXPECT_EQ(s.drawWidth(), 1);
    // The arrow is printed in the construct's size, whatever the term before it set.
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, car(174))->state.fontSize, 12);
}

} // namespace
} // namespace vornith::textengine::test
