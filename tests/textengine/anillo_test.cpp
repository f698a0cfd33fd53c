#include "drawer_checks.h"

#include "textengine/construct_table.h"
#include "textengine/drawers/drawers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, R = 1.5 h; s1 and s2 stop at their floor of 15.
constexpr double kH = 276;
constexpr double kB = 0.574 * kH;
constexpr double kR = 1.5 * kH;
constexpr double kS = 15;
constexpr double kCar = 122; // a letter with its side spaces
double seno(double grados) {
    return std::sin(grados * std::acos(-1.0) / 180);
}

bool une(const DrawOp& op, double x1, double y1, double x2, double y2) {
    auto cerca = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    return cerca(op.x1, x1) && cerca(op.y1, y1) && cerca(op.x2, x2) && cerca(op.y2, y2);
}

// dentroDeLaCaja, with a circle taken as the square around it.
::testing::AssertionResult todoDentro(const EstadoMotor& motor, const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> v = ops;
    for (DrawOp& op : v) {
        if (op.kind != DrawOp::Kind::Circle) continue;
        const double r = op.x2;
        op.x2 = op.x1 + r;
        op.y2 = op.y1 + r;
        op.x1 -= r;
        op.y1 -= r;
    }
    return dentroDeLaCaja(motor, 2, v);
}

TEST(Anillo, ABareHexagonStandsOnTheBaselineWithAVertexOnTop) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#A6V(#A6V)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const double xl = kR * seno(60);
    EXPECT_NEAR(m.motor.Cajas(2).Ancho, 2 * xl + kS, 1e-9);
    ASSERT_EQ(p.ops.size(), 6u);
    EXPECT_TRUE(une(p.ops[0], 1000 + xl, 2000 + kB - kR, 1000 + 2 * xl, 2000 + kB - kR / 2));
    EXPECT_EQ(p.ops[0].state.drawWidth, 1);
}

TEST(Anillo, BenzeneHasAFlatTopAndAnInnerCircleWhateverItsEdgeCodes) {
    Motor m;
    RecordingSurface s;
    s.setFillStyle(FillStyle::Solid);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#BCH(&EC=DTDTDT#BCH)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 6u);
    // Vertex 1 stands at 30 degrees: the edge from vertex 6 to vertex 1 lies on top.
    EXPECT_NEAR(lineas[5].y1, 2000 + kB - kR * seno(60), 1e-9);
    EXPECT_NEAR(lineas[5].y2, lineas[5].y1, 1e-9);
    const std::vector<DrawOp> circulos = deClase(p.ops, DrawOp::Kind::Circle);
    ASSERT_EQ(circulos.size(), 1u);
    EXPECT_TRUE(une(circulos[0], 1000 + kR, 2000 + kB, 0.62 * kR, 0));
    EXPECT_EQ(circulos[0].state.fillStyle, FillStyle::Transparent);
}

TEST(Anillo, DoubleAndTripleBondsAreChordsInsideTheRing) {
    Motor m;
    RecordingSurface s;
    Pasadas p = dosPasadas(m, s, QStringLiteral("#A3V(&EC=DSS#A3V)"), 1000, 2000);
    ASSERT_EQ(p.ops.size(), 4u);
    const double cx = 1000 + kR * seno(120);
    const double cy = 2000 + kB;
    const double r = kR - 0.18 * kH * 1.6;
    EXPECT_TRUE(une(p.ops[3], cx, cy - r, cx + r * seno(120), cy + r / 2));

    p = dosPasadas(m, s, QStringLiteral("#A4V(&EC=TSSS#A4V)"), 1000, 2000);
    ASSERT_EQ(p.ops.size(), 6u);
    const double d = 0.18 * kH * 1.3;
    EXPECT_TRUE(une(p.ops[5], 1000 + kR, cy - (kR - 2 * d), 1000 + kR + kR - 2 * d, cy));
    // Too few edge codes: single edges for the rest.
    EXPECT_EQ(dosPasadas(m, s, QStringLiteral("#A6L(&EC=D#A6L)")).ops.size(), 7u);
}

TEST(Anillo, GroupsStandBesideTheirVerticesJoinedByBonds) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#A6V(SSSDSS#R1(OH#R1)#R4(CH_3#R4)#R5(N#R5)#A6V)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 5); // the line, the ring and its three groups
    const CajaElemento& oh = m.motor.Cajas(3);
    // The room of the groups above and below; the groups fit it, so the box needs no more.
    EXPECT_NEAR(m.motor.Cajas(2).AltoSobre, kR - kB + kS + kH + 0.3 * kR, 1e-9);
    EXPECT_NEAR(m.motor.Cajas(2).Alto, kR + kB + kS + 1.1 * kH + 0.3 * kR, 1e-9);

    // The group at vertex 5 (240 degrees) needs room on the left, before the ring.
    EXPECT_NEAR(m.motor.Cajas(2).DespIzq, kCar + 0.5 * kR, 1e-9);
    const double cx = m.motor.Cajas(2).PosX + kR * seno(60);
    const double cy = 2000 + kB;
    EXPECT_NEAR(primerTexto(p.ops, QStringLiteral("O"))->y1, cy - kR - 0.45 * kH - kH, 1e-9);
    EXPECT_NEAR(primerTexto(p.ops, QStringLiteral("C"))->y1, cy + kR + 0.5 * kH, 1e-9);
    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 6u + 4u); // bonds: one to vertex 1, two to 4, one to 5
    EXPECT_TRUE(une(lineas[6], cx, cy - kR, cx, cy - kR - (0.15 * kH + oh.Alto - oh.Ascenso)));
    EXPECT_TRUE(une(lineas[7], cx - 0.075 * kH, cy + kR, cx - 0.075 * kH, cy + kR + 0.58 * kH));
    // A group whose code is neither "S" nor "D" gets no bond.
    EXPECT_EQ(
        deClase(dosPasadas(m, s, QStringLiteral("#A6V(X#R1(O#R1)#A6V)")).ops, DrawOp::Kind::Line)
            .size(),
        6u);
}

// Every ring tag, bare and with a group at every vertex: the box holds the whole drawing; bare
// rings touch its edges where they reach farthest (odd rings included), and even rings keep
// the symmetric box they always had.
TEST(Anillo, EveryRingFitsItsBoxInEveryOrientation) {
    QStringList etiquetas = {"BCV", "BCH"};
    for (const char n : {'3', '4', '5', '6', '7', '8', '9'}) {
        for (const char o : {'V', 'L', 'I', 'D'})
            etiquetas.append(QStringLiteral("A") + QChar(n) + QChar(o));
    }
    for (const QString& etiqueta : etiquetas) {
        const int n = ParametrosDeAnillo(QStringLiteral("#") + etiqueta).vertices;
        QString grupos = QString(n, u'D');
        for (int j = 1; j <= n; ++j)
            grupos += QStringLiteral("#R%1(OH#R%1)").arg(j);
        for (const QString& contenido : {QString(), grupos}) {
            const QString texto = QStringLiteral("#%1(%2#%1)").arg(etiqueta, contenido);
            SCOPED_TRACE(texto.toStdString());
            Motor m;
            RecordingSurface s;
            const Pasadas p = dosPasadas(m, s, texto, 3000, 4000);
            esperaPasadasSimetricas(p);
            EXPECT_TRUE(todoDentro(m.motor, p.ops));
            if (!contenido.isEmpty()) continue;
            const CajaElemento& c = m.motor.Cajas(2);
            double izq = 1e9, der = -1e9, arriba = 1e9, abajo = -1e9;
            for (const DrawOp& op : deClase(p.ops, DrawOp::Kind::Line)) {
                izq = std::min({izq, op.x1, op.x2});
                der = std::max({der, op.x1, op.x2});
                arriba = std::min({arriba, op.y1, op.y2});
                abajo = std::max({abajo, op.y1, op.y2});
            }
            EXPECT_NEAR(izq, c.PosX, 1e-6);
            // Odd rings with their first vertex leftmost keep R of room on the right.
            if (etiqueta[2] == u'I' && n % 2 == 1) {
                EXPECT_NEAR(c.Ancho, 2 * kR + kS, 1e-6);
            } else {
                EXPECT_NEAR(der, c.PosX + c.Ancho - kS, 1e-6);
            }
            const double cy = c.PosY + kB;
            const double mitad = std::max(cy - arriba, abajo - cy);
            EXPECT_NEAR(c.AltoSobre, mitad - kB + kS, 1e-6);
            EXPECT_NEAR(c.Alto, mitad + kB + kS, 1e-6);
            if (n % 2 == 0) {
                EXPECT_NEAR(c.Ancho, der - izq + kS, 1e-6);
            }
        }
    }
}

TEST(Anillo, TheRingKeepsTheTextColourAndFontOfItsLine) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("&FC=Azul:#A6V(S#R1(&+I&FC=Rojo:OH#R1)#A6V)x"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const Rgb azul = rgb(0, 0, 255);
    EXPECT_EQ(primerTexto(p.ops, QStringLiteral("O"))->state.foreColor, rgb(255, 0, 0));
    for (const DrawOp& linea : deClase(p.ops, DrawOp::Kind::Line))
        EXPECT_EQ(linea.colour, azul);
    const DrawOp* x = primerTexto(p.ops, QStringLiteral("x"));
    EXPECT_EQ(x->state.foreColor, azul);
    EXPECT_FALSE(x->state.italic);
}

TEST(Anillo, PenWidthsFollowTheSurface) {
    Motor m;
    RecordingSurface impresora(SurfaceKind::Printer, 4753, 6883, 2.4);
    Pasadas p = dosPasadas(m, impresora, QStringLiteral("#A6V(S#R1(O#R1)#A6V)"));
    ASSERT_EQ(deClase(p.ops, DrawOp::Kind::Line).size(), 7u);
    EXPECT_EQ(deClase(p.ops, DrawOp::Kind::Line)[0].state.drawWidth, 6); // s2 at 2.4 twips
    EXPECT_EQ(deClase(p.ops, DrawOp::Kind::Line)[6].state.drawWidth, 5); // 0.8 s2
    EXPECT_EQ(impresora.drawWidth(), 1);
    RecordingSurface pantalla;
    pantalla.setFontSize(40); // h = 920: s1 = 29.7 twips, two pixels (s2 would give three)
    p = dosPasadas(m, pantalla, QStringLiteral("#A6V(#A6V)"));
    EXPECT_EQ(p.ops[0].state.drawWidth, 2);
}

TEST(Anillo, DamagedRingsShowTheErrorMark) {
    Motor m;
    RecordingSurface s;
    // An unclosed group stands as the red mark, bonded; the text after it is black.
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#A6V(S#R1(OH#A6V)x"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("*ERROR*x"));
    EXPECT_EQ(p.ops.front().state.foreColor, rgb(255, 0, 0));
    EXPECT_EQ(primerTexto(p.ops, QStringLiteral("x"))->state.foreColor, 0u);
    EXPECT_EQ(deClase(p.ops, DrawOp::Kind::Line).size(), 7u);
}

} // namespace
} // namespace vornith::textengine::test
