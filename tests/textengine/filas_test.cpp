#include "drawer_checks.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: h = 276, a letter with its side spaces 122 wide; the gap
// between rows is 0.0354 h (its floor is 1 twip).
constexpr double kH = 276;
constexpr double kA = 0.574 * kH;
constexpr double kCar = 122;
constexpr double kGap = 0.0354 * kH;

TEST(Filas, TwoRowsCentredWithTheLinesAxisThroughTheMiddle) {
    Motor m;
    RecordingSurface s;
    const Pasadas p =
        dosPasadas(m, s, QStringLiteral("#RWS(C#RW1(a#RW1)#RW2(bbb#RW2)#RWS)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(p.numerosMedida, 4);

    const CajaElemento& f = m.motor.Cajas(2);
    EXPECT_DOUBLE_EQ(f.Ancho, 3 * kCar);
    EXPECT_DOUBLE_EQ(f.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(f.Alto, 2 * kH + kGap);
    EXPECT_DOUBLE_EQ(f.Ascenso, f.Alto / 2);
    EXPECT_DOUBLE_EQ(f.PosY + f.Ascenso, 2000 + kA);

    const DrawOp* a = primerTexto(p.ops, QStringLiteral("a"));
    const DrawOp* b = primerTexto(p.ops, QStringLiteral("b"));
    ASSERT_TRUE(a && b);
    // Each letter stands 1 twip inside its own width (its side space).
    EXPECT_DOUBLE_EQ(a->x1 - 1, f.PosX + kCar);
    EXPECT_DOUBLE_EQ(b->x1 - 1, f.PosX);
    // The stack fills its box: the first row at its top, the last at its bottom.
    EXPECT_DOUBLE_EQ(a->y1, f.PosY);
    EXPECT_DOUBLE_EQ(b->y1, f.PosY + kH + kGap);
    EXPECT_DOUBLE_EQ(b->y2, f.PosY + f.Alto);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(Filas, RowsWithRoomAboveThemStayInsideTheBox) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#RWS(L#RW1(#SQR(x#SQR)#RW1)#RW2(#SQR(y#SQR)#RW2)#RW3(c#RW3)#RWS)"),
        1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& f = m.motor.Cajas(2);
    EXPECT_GT(f.AltoSobre, 0);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
    // The first radical's bar reaches the box's top; "c" ends at its bottom.
    const std::vector<DrawOp> lineas = deClase(p.ops, DrawOp::Kind::Line);
    ASSERT_EQ(lineas.size(), 8u);
    EXPECT_NEAR(lineas[0].y1 - 7.5, f.PosY - f.AltoSobre, 1e-9);
    // The second radical's bar lies one gap below the first row's bottom.
    const double fondo1 = lineas[2].y1 + 7.5; // the first sign's long stroke starts at its foot
    EXPECT_NEAR(lineas[4].y1 - 7.5, fondo1 + kGap, 1e-9);
    EXPECT_NEAR(primerTexto(p.ops, QStringLiteral("c"))->y2, f.PosY + f.Alto, 1e-9);
}

TEST(Filas, RightAlignedRowsEndTogetherAndTheLetterMayBeSmall) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(
        m, s, QStringLiteral("#RWS(r#RW1(a#RW1)#RW2(bbbb#RW2)#RW3(cc#RW3)#RWS)"), 1000, 2000);
    esperaPasadasSimetricas(p);
    const CajaElemento& f = m.motor.Cajas(2);
    double ultimo[3] = {0, 0, 0};
    for (const DrawOp& op : deClase(p.ops, DrawOp::Kind::Text))
        ultimo[op.text[0].unicode() - u'a'] = op.x2 + 1; // with its side space
    for (const double x : ultimo)
        EXPECT_DOUBLE_EQ(x, f.PosX + f.Ancho);
    EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, p.ops));
}

TEST(Filas, AnUnknownLetterAlignsLeft) {
    const auto dibujo = [](const QString& linea) {
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, linea, 1000, 2000);
        esperaPasadasSimetricas(p);
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, {p.ops.begin(), p.ops.end() - 1})); // not "z"
        std::vector<std::pair<double, double>> posiciones;
        for (const DrawOp& op : deClase(p.ops, DrawOp::Kind::Text))
            posiciones.emplace_back(op.x1, op.y1);
        return posiciones;
    };
    const auto izquierda = dibujo(QStringLiteral("#RWS(L#RW1(a#RW1)#RW2(bbb#RW2)#RWS)z"));
    EXPECT_EQ(dibujo(QStringLiteral("#RWS(X#RW1(a#RW1)#RW2(bbb#RW2)#RWS)z")), izquierda);
    EXPECT_EQ(dibujo(QStringLiteral("#RWS(l#RW1(a#RW1)#RW2(bbb#RW2)#RWS)z")), izquierda);
    ASSERT_EQ(izquierda.size(), 5u);
    EXPECT_DOUBLE_EQ(izquierda[0].first, izquierda[1].first);
}

TEST(Filas, OneRowKeepsItsOwnBoxAndNoRowGivesAnEmptyOne) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#RWS(L#RW1(a#RW1)#RWS)"));
    esperaPasadasSimetricas(p);
    const CajaElemento& f = m.motor.Cajas(2);
    const CajaElemento& fila = m.motor.Cajas(3);
    EXPECT_DOUBLE_EQ(f.Ancho, kCar);
    EXPECT_DOUBLE_EQ(f.AltoSobre, fila.AltoSobre);
    EXPECT_DOUBLE_EQ(f.Ascenso, kA);
    EXPECT_DOUBLE_EQ(f.Alto, kH);

    Motor m2;
    RecordingSurface s2;
    const Pasadas q = dosPasadas(m2, s2, QStringLiteral("#RWS(L#RWS)"));
    esperaPasadasSimetricas(q);
    EXPECT_EQ(q.numerosMedida, 2);
    EXPECT_TRUE(q.ops.empty());
    const CajaElemento& vacia = m2.motor.Cajas(2);
    EXPECT_EQ(vacia.DespIzq + vacia.Ancho + vacia.AltoSobre + vacia.Ascenso + vacia.Alto, 0);
}

TEST(Filas, NineRowsAtMostAndNestedStacksKeepTheirOwnRows) {
    QString nueve = QStringLiteral("#RWS(C");
    for (int i = 1; i <= 9; ++i)
        nueve += QStringLiteral("#RW%1(%2#RW%1)").arg(i).arg(QChar(u'a' + i - 1));
    nueve += QStringLiteral("#RW10(z#RW10)#RWS)");
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, nueve);
    esperaPasadasSimetricas(p);
    EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("abcdefghi"));
    EXPECT_EQ(p.numerosMedida, 11);

    Motor m2;
    RecordingSurface s2;
    const Pasadas q = dosPasadas(
        m2, s2,
        QStringLiteral("#RWS(C#RW1(#RWS(L#RW1(a#RW1)#RW2(b#RW2)#RWS)#RW1)#RW2(c#RW2)#RWS)"));
    esperaPasadasSimetricas(q);
    EXPECT_EQ(textos(q.ops).join(QString()), QStringLiteral("abc"));
    EXPECT_TRUE(dentroDeLaCaja(m2.motor, 2, q.ops));
}

TEST(Filas, AMissingOrUnclosedRowShowsTheErrorMarkAndKeepsTheColour) {
    const Rgb azul = InterpretaColor(QStringLiteral("Azul"));
    for (const auto& [linea, esperado] : std::vector<std::pair<QString, QString>>{
             {QStringLiteral("#RWS(L#RW1(a#RW1)junk#RWS)z"), QStringLiteral("a*ERROR*z")},
             {QStringLiteral("#RWS(L#RW2(a#RW2)#RWS)z"), QStringLiteral("*ERROR*z")},
             {QStringLiteral("#RWS(L#RW1(a#RWS)z"), QStringLiteral("*ERROR*z")},
             {QStringLiteral("#RWS(C#RW1(a#RW1) #RW2(b#RW2)#RWS)z"), QStringLiteral("a*ERROR*z")},
         }) {
        SCOPED_TRACE(linea.toStdString());
        Motor m;
        RecordingSurface s;
        s.setForeColor(azul);
        const Pasadas p = dosPasadas(m, s, linea, 1000, 2000);
        esperaPasadasSimetricas(p);
        EXPECT_EQ(textos(p.ops).join(QString()), esperado);
        EXPECT_EQ(primerTexto(p.ops, QStringLiteral("z"))->colour, azul);
        EXPECT_TRUE(dentroDeLaCaja(m.motor, 2, {p.ops.begin(), p.ops.end() - 1}));
    }
}

} // namespace
} // namespace vornith::textengine::test
