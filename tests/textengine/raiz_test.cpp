#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, a letter with its side spaces 122 wide. The thin and
// thick strokes and the gaps g1, g3 stop at their floor of 15 twips; the runs w1..w4 do not.
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;
constexpr double kCar = 122;
constexpr double kS1 = 15;
constexpr double kG1 = 15;
constexpr double kG3 = 15;
constexpr double kW0 = 0.09 * kH;
constexpr double kW1 = 0.08 * kH;
constexpr double kW5 = 0.26 * kH;

struct Signo {
    DrawOp barra, gruesa, larga, gancho;
};

Signo signoDe(const std::vector<DrawOp>& ops, std::size_t primera = 0) {
    const std::vector<DrawOp> l = deClase(ops, DrawOp::Kind::Line);
    if (l.size() < primera + 4) {
        ADD_FAILURE() << "a radical draws four lines";
        return {};
    }
    return {l[primera], l[primera + 1], l[primera + 2], l[primera + 3]};
}

bool mismoDibujo(const std::vector<DrawOp>& a, const std::vector<DrawOp>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].text != b[i].text || a[i].x1 != b[i].x1 ||
            a[i].y1 != b[i].y1 || a[i].x2 != b[i].x2 || a[i].y2 != b[i].y2 ||
            a[i].state.fontSize != b[i].state.fontSize ||
            a[i].state.drawWidth != b[i].state.drawWidth)
            return false;
    }
    return true;
}

TEST(Raiz, TheSignRunsFromTheBoxsLeftEdgeToTheBarBeyondTheBody) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#SQR(x#SQR)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 3);

    const CajaElemento& r = m.motor.Cajas(2);
    // Without floors the sign reaches 0.59 h left of the body.
    EXPECT_NEAR(r.DespIzq, 0.59 * kH, 1e-9);
    EXPECT_DOUBLE_EQ(r.Ancho, kCar + kW0);
    EXPECT_DOUBLE_EQ(r.AltoSobre, kG1 + kS1);
    EXPECT_DOUBLE_EQ(r.Ascenso, kA);
    EXPECT_DOUBLE_EQ(r.Alto, kH + 0.0754 * kH);
    // The radical keeps the text's top: the body is printed where the line put the box.
    EXPECT_DOUBLE_EQ(r.PosY, 2000);
    const DrawOp* x = primerTexto(p.ops, QStringLiteral("x"));
    ASSERT_TRUE(x);
    EXPECT_DOUBLE_EQ(x->x1 - 1, r.PosX);
    EXPECT_DOUBLE_EQ(x->y1, 2000);

    const Signo g = signoDe(p.ops);
    const double izq = r.PosX - r.DespIzq;
    const double der = r.PosX + r.Ancho;
    const double abajo = r.PosY + r.Alto;
    // The bar: g1 above the body, its pen filling the box's top; from the top corner w1 left
    // of the body to the box's right end.
    EXPECT_DOUBLE_EQ(g.barra.y1, g.barra.y2);
    EXPECT_DOUBLE_EQ(g.barra.y1 - kS1 / 2, r.PosY - r.AltoSobre);
    EXPECT_DOUBLE_EQ(x->y1 - (g.barra.y1 + kS1 / 2), kG1);
    EXPECT_DOUBLE_EQ(g.barra.x1 - kS1 / 2, r.PosX - kW1);
    EXPECT_DOUBLE_EQ(g.barra.x2 + kS1 / 2, der);
    // The long stroke climbs from the bottom point to the top corner.
    EXPECT_DOUBLE_EQ(g.larga.y1 + kS1 / 2, abajo);
    EXPECT_DOUBLE_EQ(g.larga.x2, g.barra.x1 - kS1 / 2);
    EXPECT_DOUBLE_EQ(g.larga.y2, g.barra.y1);
    // The thick stroke goes down from the knee's height to the bottom point; the tick ends at
    // the knee and starts at the box's left edge.
    EXPECT_DOUBLE_EQ(g.gruesa.x2, g.gancho.x2);
    EXPECT_LT(g.gruesa.y2, g.gruesa.y1);
    EXPECT_DOUBLE_EQ(g.gancho.x1 - kS1 / 2, izq);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    for (const DrawOp* l : {&g.barra, &g.gruesa, &g.larga, &g.gancho})
        EXPECT_EQ(l->state.drawWidth, 1);
    EXPECT_EQ(s.drawWidth(), 1);
}

TEST(Raiz, TheThreeTagsGiveTheSameSquareAndCubeRoots) {
    const auto dibujo = [](const QString& linea, CajaElemento& caja) {
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, linea);
        esperaPasadasSimetricas(p);
        caja = m.motor.Cajas(2);
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
        return p.ops;
    };
    CajaElemento a, b;
    EXPECT_TRUE(mismoDibujo(dibujo(QStringLiteral("#SQR(x#SQR)"), a),
                            dibujo(QStringLiteral("#RAD(x#RAD)"), b)));
    EXPECT_DOUBLE_EQ(a.DespIzq, b.DespIzq);
    EXPECT_DOUBLE_EQ(a.AltoSobre, b.AltoSobre);
    const std::vector<DrawOp> cubica = dibujo(QStringLiteral("#CUR(x#CUR)"), a);
    EXPECT_TRUE(mismoDibujo(cubica, dibujo(QStringLiteral("#RAD(#RI(3#RI)x#RAD)"), b)));
    EXPECT_DOUBLE_EQ(a.DespIzq, b.DespIzq);
    EXPECT_DOUBLE_EQ(a.AltoSobre, b.AltoSobre);

    // The "3" at 8/12 of the size, its right end w5 left of the body, its bottom g3 above the
    // knee (which the tick's right end marks, s1/1.5 higher).
    const DrawOp* tres = primerTexto(cubica, QStringLiteral("3"));
    const DrawOp* x = primerTexto(cubica, QStringLiteral("x"));
    ASSERT_TRUE(tres && x);
    EXPECT_DOUBLE_EQ(tres->state.fontSize, 8);
    EXPECT_NEAR(tres->x2 + 1, x->x1 - 1 - kW5, 1e-9);
    const Signo g = signoDe(cubica);
    EXPECT_NEAR(tres->y2, g.gancho.y2 + kS1 / 1.5 - kG3, 1e-9);
}

TEST(Raiz, AWideOrTallIndexWidensAndRaisesTheBox) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#RAD(#RI(#COC(n+1#N)(2#COC)#RI)z#RAD)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& r = m.motor.Cajas(2);
    const DrawOp* n = primerTexto(p.ops, QStringLiteral("n"));
    ASSERT_TRUE(n);
    // The index's fraction is the widest and highest thing: the box starts at its left edge
    // and rises to the top of its numerator.
    const std::vector<DrawOp> barras = deClase(p.ops, DrawOp::Kind::Line);
    EXPECT_NEAR(barras.front().x1 - 7.5, r.PosX - r.DespIzq, 1e-9);
    EXPECT_NEAR(n->y1, r.PosY - r.AltoSobre, 1e-9);
    EXPECT_GT(r.DespIzq, 0.59 * kH);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(Raiz, TheBarClearsTheHighestPointOfTheBody) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#SQR(#COC(a#N)(b#COC)#SQR)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& r = m.motor.Cajas(2);
    const CajaElemento& cuerpo = m.motor.Cajas(3);
    EXPECT_GT(cuerpo.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(r.AltoSobre, cuerpo.AltoSobre + kG1 + kS1);
    const DrawOp* a = primerTexto(p.ops, QStringLiteral("a"));
    ASSERT_TRUE(a);
    const Signo g = signoDe(p.ops, 1); // the fraction's bar comes first
    EXPECT_NEAR(a->y1 - (g.barra.y1 + kS1 / 2), kG1, 1e-9);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(Raiz, StrokesAreOnePixelAtTheFloorsAndTheirOwnWidthWhenLarger) {
    {
        // 48 points: s1 = 35.7 twips (2 pixels), s2 = 55.2 twips (3.7, so 4 pixels).
        Motor m;
        RecordingSurface s;
        s.setFontSize(48);
        const Pasadas p = dosPasadas(m, s, QStringLiteral("#SQR(x#SQR)"));
        const Signo g = signoDe(p.ops);
        EXPECT_EQ(g.barra.state.drawWidth, 2);
        EXPECT_EQ(g.gruesa.state.drawWidth, 4);
        EXPECT_EQ(g.larga.state.drawWidth, 2);
        EXPECT_EQ(g.gancho.state.drawWidth, 2);
        EXPECT_EQ(s.drawWidth(), 1);
    }
    {
        // The printer's own pixels: 15 twips at 2.4 twips per pixel.
        Motor m;
        RecordingSurface s(SurfaceKind::Printer, 4960, 7016, 2.4);
        const Pasadas p = dosPasadas(m, s, QStringLiteral("#SQR(x#SQR)"));
        const Signo g = signoDe(p.ops);
        EXPECT_EQ(g.barra.state.drawWidth, 6);
        EXPECT_EQ(g.gruesa.state.drawWidth, 6);
        EXPECT_EQ(s.drawWidth(), 1);
    }
}

TEST(Raiz, ARootNeverTakesTheIndexOfARootInsideIt) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#RAD(#RAD(#RI(5#RI)y#RAD)+1#RAD)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    // The line, the outer root, its body, the inner root, its body and its index.
    EXPECT_EQ(p.numerosMedida, 6);
    EXPECT_EQ(textos(p.ops).count(QStringLiteral("5")), 1);
    const DrawOp* cinco = primerTexto(p.ops, QStringLiteral("5"));
    const DrawOp* y = primerTexto(p.ops, QStringLiteral("y"));
    ASSERT_TRUE(cinco && y);
    EXPECT_NEAR(cinco->x2 + 1, y->x1 - 1 - kW5, 1e-9);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));

    // An index block that does not open the body is only text of the body.
    Motor m2;
    RecordingSurface s2;
    const Pasadas q = dosPasadas(m2, s2, QStringLiteral("#RAD(x#RI(n#RI)#RAD)"));
    esperaPasadasSimetricas(q);
    EXPECT_EQ(q.numerosMedida, 3);
    for (const DrawOp& op : deClase(q.ops, DrawOp::Kind::Text))
        EXPECT_EQ(op.state.fontSize, 12) << op.text.toStdString();
}

TEST(Raiz, TheIndexTakesTheEntryFontWhateverTheBodyLeft) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#RAD(#RI(n#RI)&+Ix&FS=20:y#RAD)z"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const DrawOp* n = primerTexto(p.ops, QStringLiteral("n"));
    const DrawOp* z = primerTexto(p.ops, QStringLiteral("z"));
    ASSERT_TRUE(n && z);
    EXPECT_DOUBLE_EQ(n->state.fontSize, 8);
    EXPECT_FALSE(n->state.italic);
    // After the radical the font is the one before it.
    EXPECT_DOUBLE_EQ(z->state.fontSize, 12);
    EXPECT_FALSE(z->state.italic);
}

TEST(Raiz, TheTextColourAfterARadicalIsTheOneBeforeIt) {
    const Rgb azul = InterpretaColor(QStringLiteral("Azul"));
    const Rgb rojo = InterpretaColor(QStringLiteral("Rojo"));
    {
        Motor m;
        RecordingSurface s;
        const Pasadas p =
            dosPasadas(m, s, QStringLiteral("&FC=Azul:#SQR(&FC=Rojo:x#SQR)y"), 1000, 2000);
        esperaPasadasSimetricas(p);
        // The sign takes the colour the body left; the text after it the colour before it.
        EXPECT_EQ(signoDe(p.ops).barra.colour, rojo);
        EXPECT_EQ(primerTexto(p.ops, QStringLiteral("y"))->colour, azul);
        EXPECT_EQ(s.foreColor(), azul);
    }
    {
        // An unclosed index block: the red error mark stands for the index, the body is kept.
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, QStringLiteral("&FC=Azul:#RAD(#RI(3x#RAD)z"));
        esperaPasadasSimetricas(p);
        EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("3x*ERROR*z"));
        const DrawOp* marca = primerTexto(p.ops, QStringLiteral("*"));
        ASSERT_TRUE(marca);
        EXPECT_EQ(marca->colour, rojo);
        EXPECT_DOUBLE_EQ(marca->state.fontSize, 8);
        EXPECT_EQ(primerTexto(p.ops, QStringLiteral("z"))->colour, azul);
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, {p.ops.begin(), p.ops.end() - 1}));
    }
}

} // namespace
} // namespace vornith::textengine::test
