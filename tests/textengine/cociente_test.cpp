#include "drawer_checks.h"

#include "textengine/drawers/drawers.h"
#include "textengine/drawers/separador.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, a digit with its side spaces 122 wide; the fraction
// constants t, g1 and g2 stop at their floor of 15 twips, p = 0.09 h.
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;
constexpr double kCar = 122;
constexpr double kP = 0.09 * kH;

TEST(Separador, IsFoundOutsideNestedConstructsAndLiterals) {
    EXPECT_EQ(BuscaSeparador(u"a#N)(b", u"#N)("), 1);
    EXPECT_EQ(BuscaSeparador(u"#COC(1#N)(2#COC)#N)(3", u"#N)("), 16);
    // A labelled arrow's "#T)(" is not a script pair's separator.
    EXPECT_EQ(BuscaSeparador(u"Cx#ATX(a#T)(b#ATX)#T)(y", u"#T)("), 18);
    // "##" prints "#", and "&#" is a sign: neither starts a separator.
    EXPECT_EQ(BuscaSeparador(u"##N)(", u"#N)("), -1);
    EXPECT_EQ(BuscaSeparador(u"&#N)(x#N)(", u"#N)("), 6);
    // An unclosed nested construct is skipped by its opening tag only, as the line reads it.
    EXPECT_EQ(BuscaSeparador(u"L#COC(a#T)(b", u"#T)("), 7);
    EXPECT_EQ(BuscaSeparador(u"abc", u"#N)("), -1);
    EXPECT_EQ(BuscaSeparador(u"", u"#N)("), -1);
    EXPECT_EQ(BuscaSeparador(u"ab#", u"#N)("), -1);
    // Past as many nested constructs as a line has element numbers, the search gives up.
    const QString raiz = QStringLiteral("#RAD(x#RAD)");
    EXPECT_EQ(BuscaSeparador(raiz.repeated(kMaxElemento) + "#N)(", u"#N)("),
              raiz.size() * kMaxElemento);
    EXPECT_EQ(BuscaSeparador(raiz.repeated(kMaxElemento + 1) + "#N)(", u"#N)("), -1);
}

TEST(Separador, TheBodyNeedsBothTagsOfItsConstruct) {
    EXPECT_EQ(CuerpoConstruccion(u"#COC(ab#COC)", u"#COC("), QStringView(u"ab"));
    EXPECT_EQ(CuerpoConstruccion(u"#COC(#COC)", u"#COC("), QStringView(u""));
    EXPECT_FALSE(CuerpoConstruccion(u"#COC(ab#DDL)", u"#COC("));
    EXPECT_FALSE(CuerpoConstruccion(u"#COC(#COC", u"#COC("));
    EXPECT_FALSE(CuerpoConstruccion(u"#DDL(ab#DDL)", u"#COC("));
    EXPECT_FALSE(CuerpoConstruccion(u"", u"#COC("));
}

TEST(Cociente, DigitsCentredOverABarOnTheLinesAxis) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#COC(1#N)(2#COC)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 4); // the line, the fraction and its two rows

    const CajaElemento& f = m.motor.Cajas(2);
    const double W = 2 * kP + kCar;
    EXPECT_DOUBLE_EQ(f.Ancho, W);
    EXPECT_DOUBLE_EQ(f.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(f.Ascenso, kH + 15 + 7.5);
    EXPECT_DOUBLE_EQ(f.Alto, kH + 45 + kH);
    EXPECT_EQ(f.Texto, QStringLiteral("#COC(1#N)(2#COC)"));
    // The line grows by what the fraction reaches above and below the text.
    EXPECT_DOUBLE_EQ(p.caja.AltoSobre, f.Ascenso - kA);
    EXPECT_DOUBLE_EQ(p.caja.Alto, f.Alto - f.Ascenso + kA);

    const std::vector<DrawOp> barras = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(barras.size(), 1u);
    const DrawOp& barra = barras[0];
    EXPECT_DOUBLE_EQ(barra.y1, 2000 + kA);
    EXPECT_DOUBLE_EQ(barra.y2, barra.y1);
    EXPECT_DOUBLE_EQ(barra.x1, 1000 + 7.5);
    EXPECT_DOUBLE_EQ(barra.x2, 1000 + W - 7.5);
    EXPECT_EQ(barra.state.drawWidth, 1);
    EXPECT_EQ(s.drawWidth(), 1);

    const DrawOp* uno = primerTexto(p.ops, QStringLiteral("1"));
    const DrawOp* dos = primerTexto(p.ops, QStringLiteral("2"));
    ASSERT_TRUE(uno && dos);
    EXPECT_DOUBLE_EQ((uno->x1 + uno->x2) / 2, 1000 + W / 2);
    EXPECT_DOUBLE_EQ((dos->x1 + dos->x2) / 2, 1000 + W / 2);
    EXPECT_DOUBLE_EQ(uno->y1, f.PosY);
    EXPECT_DOUBLE_EQ(dos->y1, f.PosY + kH + 45);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(Cociente, TheBarTakesTheTextColourAndThePrintersPixels) {
    Motor m;
    RecordingSurface impresora(SurfaceKind::Printer, 4753, 6883, 2.4);
    const Pasadas p =
        dosPasadas(m, impresora, QStringLiteral("&FC=Azul:#COC(1#N)(2#COC)"), 1000, 2000);
    const std::vector<DrawOp> barras = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(barras.size(), 1u);
    EXPECT_EQ(barras[0].colour, rgb(0, 0, 255));
    EXPECT_EQ(barras[0].state.drawWidth, 6); // 15 twips at 2.4 twips per pixel
    EXPECT_EQ(impresora.drawWidth(), 1);
}

TEST(Cociente, NestedFractionsGetTheThinBarUntilTheNextOutermostOne) {
    Motor m;
    RecordingSurface s;
    s.setFontSize(48); // h = 1104: 0.04 h = 44.16 and 0.02 h = 22.08, both above the floor
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#COC(#COC(1#N)(2#COC)#N)(#COC(3#N)(4#COC)#COC)#COC(5#N)(6#COC)"),
        1000, 2000);
    esperaPasadasSimetricas(p);
    // Elements: 2 the outer fraction, 3 its numerator holding 4 (rows 5, 6), 7 its denominator
    // holding 8 (rows 9, 10); 11 the last fraction with rows 12, 13.
    ASSERT_EQ(p.numerosMedida, 13);
    const std::vector<DrawOp> barras = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(barras.size(), 4u); // drawn after their rows: inner, inner, outer, last
    const double fino = 0.02 * 1104;
    const double grueso = 0.04 * 1104;
    EXPECT_NEAR(barras[0].x1 - m.motor.Cajas(4).PosX, fino / 2, 1e-9);
    EXPECT_NEAR(barras[1].x1 - m.motor.Cajas(8).PosX, fino / 2, 1e-9);
    EXPECT_NEAR(barras[2].x1 - m.motor.Cajas(2).PosX, grueso / 2, 1e-9);
    EXPECT_NEAR(barras[3].x1 - m.motor.Cajas(11).PosX, grueso / 2, 1e-9);
    EXPECT_EQ(barras[0].state.drawWidth, 1); // 1.47 pixels
    EXPECT_EQ(barras[2].state.drawWidth, 3); // 2.94 pixels
    EXPECT_EQ(m.motor.NivelCociente, 0);
    // Everything drawn lies inside the two outermost boxes.
    std::vector<DrawOp> primera;
    std::vector<DrawOp> ultima;
    for (const DrawOp& op : p.ops) {
        (op.x1 < m.motor.Cajas(11).PosX ? primera : ultima).push_back(op);
    }
    EXPECT_EQ(primera.size(), 7u);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, primera));
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 11, ultima));
}

TEST(Cociente, TheNarrowerRowIsShiftedByHalfTheDifference) {
    Motor m;
    RecordingSurface s;
    Pasadas p = dosPasadas(m, s, QStringLiteral("#COC(1#N)(234#COC)"), 1000, 2000);
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Ancho, 2 * kP + 3 * kCar);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("1"))->x1, 1000 + kCar + kP + 1);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("2"))->x1, 1000 + kP + 1);

    p = dosPasadas(m, s, QStringLiteral("#COC(234#N)(1#COC)"), 1000, 2000);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("2"))->x1, 1000 + kP + 1);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("1"))->x1, 1000 + kCar + kP + 1);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));

    // Empty rows: a fraction of the margins alone.
    p = dosPasadas(m, s, QStringLiteral("#COC(#N)(#COC)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_DOUBLE_EQ(m.motor.Cajas(2).Ancho, 2 * kP);
}

TEST(Cociente, ABarlessPairKeepsTheRoomOfTheBar) {
    Motor m;
    RecordingSurface s;
    const Pasadas conBarra = dosPasadas(m, s, QStringLiteral("#COC(n#N)(k#COC)"), 1000, 2000);
    const CajaElemento fraccion = m.motor.Cajas(2);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#DDL(n#L)(k#DDL)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_TRUE(deClase(p.ops, DrawOp::Kind::Line).empty());
    const CajaElemento& par = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(par.Ancho, fraccion.Ancho);
    EXPECT_DOUBLE_EQ(par.Ascenso, fraccion.Ascenso);
    EXPECT_DOUBLE_EQ(par.Alto, fraccion.Alto);
    EXPECT_DOUBLE_EQ(primerTexto(p.ops, QStringLiteral("k"))->y1,
                     primerTexto(conBarra.ops, QStringLiteral("k"))->y1);
}

TEST(Cociente, RowsShareTheFontButTheConstructRestoresIt) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#COC(&+Ia#N)(b#COC)x"), 1000, 2000);
    esperaPasadasSimetricas(p);
    // The rows are laid out one after the other without resetting the font.
    EXPECT_TRUE(primerTexto(p.ops, QStringLiteral("b"))->state.italic);
    EXPECT_FALSE(primerTexto(p.ops, QStringLiteral("x"))->state.italic);
}

TEST(Cociente, AMissingSeparatorShowsTheErrorMark) {
    for (const QString& linea :
         {QStringLiteral("#COC(12#COC)z"), QStringLiteral("#COC(1#L)(2#COC)z"),
          QStringLiteral("#DDL(1#N)(2#DDL)z"), QStringLiteral("#COC(1#N)2#COC)z")}) {
        SCOPED_TRACE(linea.toStdString());
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, linea);
        esperaPasadasSimetricas(p);
        EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("*ERROR*z"));
        EXPECT_EQ(p.ops.front().state.foreColor, rgb(255, 0, 0));
        EXPECT_EQ(s.foreColor(), 0u);
    }
}

// Cut short or with one character lost anywhere, a line of every construct of the family still
// lays out the same in both passes.
TEST(FraccionesYEscritos, TruncatedAndDamagedLinesKeepBothPassesInStep) {
    const QString linea = QStringLiteral(
        "a#COC(#POT(x#PB)(2#POT)#N)(#SPB(Cb#T)(#DDL(1#L)(2#DDL)#SPB)#COC)#EXP(-t#EXP)"
        "#TST(s#TS)(#ST1(i#ST1)#ST2(j#ST2)#TST)#IMG('A.GIF'DXmm=5:DYmm=-5:#IMG)z");
    std::vector<QString> variantes;
    for (qsizetype n = 0; n < linea.size(); ++n) {
        variantes.push_back(linea.left(n));
        variantes.push_back(QString(linea).remove(n, 1));
    }
    for (const QString& v : variantes) {
        SCOPED_TRACE(v.toStdString());
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, v);
        esperaPasadasSimetricas(p);
        EXPECT_EQ(m.motor.NivelCociente, 0);
        EXPECT_EQ(m.motor.NivelExponente, 0);
    }
}

} // namespace
} // namespace vornith::textengine::test
