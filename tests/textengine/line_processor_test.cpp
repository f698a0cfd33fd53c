#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

// Recording surface at 12 points: characters 120 twips wide (plus 1 twip of side space on each
// side as plain characters), h = 276.
constexpr double kCar = 122;
constexpr double kH = 276;

// Plain text is printed a character at a time: how many red marks a drawing holds.
qsizetype errores(const std::vector<DrawOp>& ops) {
    return textos(ops).count(QStringLiteral("E"));
}

QString repite(const QString& s, int n) {
    QString r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

double anchoUtil(const Motor& m) {
    return m.motor.AnchoPagina - m.motor.MargenIzqPagina - m.motor.MargenDerPagina;
}

// A line of every inline element and some constructs.
const QStringList& corpus() {
    static const QStringList lineas = {
        QStringLiteral("Texto &+Icursiva&-I &+Bnegrita&-B &+Us&-U &+St&-S fin"),
        QStringLiteral("x+1-2=3 & m/s && ## __ ^^ #x &Z &"),
        QStringLiteral("&alfa&beta&pis&Pi&PI &union&hbar &oo&<="),
        QStringLiteral("v_0 t^2 2&E-5 3&E+7 4&Ex 5&E y_"),
        QStringLiteral("&Q &= &# fin"),
        QStringLiteral("&FS=18:grande&FS=12: &FN=Arial:arial &alfa b"),
        QStringLiteral("&FC=Rojo:r&FC=Negro: &BC=Blanco:&FF=REC,20,5.5:n &LC=Azul:l"),
        QStringLiteral("a #RAD(x#RAD) b&SP=50:c #COC(1#N)(#COC(2#N)(3#COC)#COC) d"),
        QStringLiteral("#COC(abc sin cierre &alfa"),
        QStringLiteral("#MARK=007 texto"),
        QStringLiteral("al final&_"),
        QString(),
    };
    return lineas;
}

TEST(ProcesaLinea, BothPassesAgreeOnEveryInlineElement) {
    for (const QString& linea : corpus()) {
        SCOPED_TRACE(linea.toStdString());
        Motor m;
        RecordingSurface s;
        const Pasadas p = dosPasadas(m, s, linea);
        EXPECT_EQ(p.opsMidiendo, 0u) << "drawn while measuring";
        EXPECT_TRUE(p.resto.isEmpty());
        EXPECT_EQ(p.numerosMedida, p.numerosDibujo);
        EXPECT_EQ(p.sinPosicion, 0);
        EXPECT_NEAR(p.avance, p.caja.Ancho, 1e-6);
        EXPECT_EQ(p.fuenteMedida, p.fuenteDibujo);
    }
}

// Unclosed constructs always reach the error drawer: one number for the construct, one for its
// red part.
TEST(ProcesaLinea, ConstructsTakeOneNumberEachAndOneMorePerPart) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("a #RAD( b #SQR("));
    EXPECT_EQ(p.numerosMedida, 5);
    EXPECT_EQ(m.motor.TablaNivel(2, 1), 3);
    EXPECT_EQ(m.motor.TablaNivel(4, 1), 5);
    EXPECT_EQ(m.motor.Cajas(2).Texto, QStringLiteral("#RAD(&FC=Rojo:*ERROR*&FC=Negro:#RAD)"));
    EXPECT_EQ(errores(p.ops), 2);
}

TEST(ProcesaLinea, AnEmptyLineIsOneTextHighAndFits) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QString());
    EXPECT_DOUBLE_EQ(p.caja.AltoSobre, 0);
    EXPECT_DOUBLE_EQ(p.caja.Alto, kH);
    EXPECT_DOUBLE_EQ(p.caja.Ancho, 0);
    EXPECT_DOUBLE_EQ(p.caja.Ascenso, 0.574 * kH);
    EXPECT_TRUE(p.resto.isEmpty());
    EXPECT_TRUE(p.ops.empty());
}

TEST(ProcesaLinea, BreaksAfterTheLastSpaceBeforeTheWordThatCrossesTheMargin) {
    Motor m;
    RecordingSurface s;
    // 82 characters fit the usable width; the 83rd lies in the 11th word.
    ASSERT_LT(82 * kCar, anchoUtil(m));
    ASSERT_GT(83 * kCar, anchoUtil(m));
    const QString linea = repite(QStringLiteral("palabra "), 15);
    const Pasadas p = dosPasadas(m, s, linea);
    EXPECT_EQ(p.resto, repite(QStringLiteral("palabra "), 10));
    EXPECT_EQ(textos(p.ops).join(QString()), p.resto);
    EXPECT_EQ(p.caja.Texto, linea);
}

TEST(ProcesaLinea, AWordWiderThanThePageIsCutAtTheCharacterThatCrosses) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, repite(QStringLiteral("x"), 100));
    EXPECT_EQ(p.resto, repite(QStringLiteral("x"), 83));
}

TEST(ProcesaLinea, AConstructPartIsMeasuredWholeAsItIsDrawn) {
    Motor m;
    RecordingSurface s;
    m.motor.partDepth = 1; // inside a construct
    const Pasadas p = dosPasadas(m, s, repite(QStringLiteral("x"), 100));
    EXPECT_TRUE(p.resto.isEmpty());
    EXPECT_DOUBLE_EQ(p.caja.Ancho, 100 * kCar);
    EXPECT_EQ(textos(p.ops).size(), 100);
    EXPECT_DOUBLE_EQ(p.avance, p.caja.Ancho);
}

TEST(ProcesaLinea, AHardSpaceKeepsNumberAndUnitTogether) {
    Motor m;
    RecordingSurface s;
    const QString delante = repite(QStringLiteral("x"), 77) + u' ';
    const Pasadas p = dosPasadas(m, s, delante + QStringLiteral("12& m/s"));
    EXPECT_EQ(p.resto, delante);
}

TEST(ProcesaLinea, ASoftHyphenBreaksAWordAndPrintsOnlyAtTheEnd) {
    Motor m;
    RecordingSurface s;
    const QString palabra = repite(QStringLiteral("x"), 80) + QStringLiteral("ab&_cdefgh");
    const Pasadas p = dosPasadas(m, s, palabra);
    EXPECT_EQ(p.resto, repite(QStringLiteral("x"), 80) + QStringLiteral("ab&_"));
    EXPECT_EQ(textos(p.ops).last(), QStringLiteral("-"));

    // In the middle of a drawn text it draws nothing, though its width was measured.
    const Pasadas q = dosPasadas(m, s, QStringLiteral("a&_b"));
    EXPECT_EQ(textos(q.ops), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_DOUBLE_EQ(q.caja.Ancho, 2 * kCar + 120);
}

TEST(ProcesaLinea, ATabDropsTheWidthBeforeIt) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("a #RAD( &SP=10:b"), 1000);
    EXPECT_NEAR(p.caja.Ancho, 0.1 * anchoUtil(m) + kCar, 1e-9);
    const DrawOp* b = primerTexto(p.ops, QStringLiteral("b"));
    ASSERT_NE(b, nullptr);
    EXPECT_NEAR(b->x1, 1000 + 0.1 * anchoUtil(m) + 1, 1e-9);
}

TEST(ProcesaLinea, AValueTagWithoutColonEndsTheLineButKeepsItsBox) {
    Motor m;
    RecordingSurface s;
    m.motor.Cajas(1).Ancho = 99999; // left by an earlier line
    const Pasadas p = dosPasadas(m, s, QStringLiteral("abc&SP=50 def"));
    EXPECT_TRUE(p.resto.isEmpty());
    EXPECT_DOUBLE_EQ(p.caja.Ancho, 3 * kCar);
    EXPECT_DOUBLE_EQ(p.caja.Alto, kH);
    EXPECT_EQ(textos(p.ops).join(QString()), QStringLiteral("abc"));
}

TEST(ProcesaLinea, AnUnclosedConstructShowsTheRedErrorAndReadsOnAfterItsTag) {
    Motor m;
    RecordingSurface s;
    const Rgb azul = rgb(0, 0, 255);
    s.setForeColor(azul);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#COC(1#N)(2 m/s"));
    const QString t = textos(p.ops).join(QString());
    EXPECT_EQ(p.ops.front().state.foreColor, rgb(255, 0, 0));
    // Nothing after the tag is lost: "#N)(" drops its "#", the rest prints in the line's colour.
    EXPECT_EQ(t, QStringLiteral("*ERROR*1N)(2 m/s"));
    EXPECT_EQ(primerTexto(p.ops, QStringLiteral("1"))->state.foreColor, azul);
    EXPECT_EQ(s.foreColor(), azul);
    EXPECT_EQ(p.numerosMedida, 3);
}

TEST(ProcesaLinea, AClosedConstructIsHandedOverWholeNestingIncluded) {
    Motor m;
    RecordingSurface s;
    const QString construccion = QStringLiteral("#COC(1#N)(#COC(2#N)(3#COC)#COC)");
    const Pasadas p = dosPasadas(m, s, construccion + u'z');
    EXPECT_EQ(m.motor.Cajas(2).Texto, construccion);
    EXPECT_EQ(textos(p.ops).count(QStringLiteral("z")), 1);
    EXPECT_EQ(textos(p.ops).last(), QStringLiteral("z"));
}

TEST(ProcesaLinea, ConstructsRestoreTheFontNameAndSizeOfTheLine) {
    Motor m;
    RecordingSurface s;
    s.setFontName(QStringLiteral("Arial"));
    const Pasadas p = dosPasadas(m, s, QStringLiteral("#RAD(&FS=30:x#RAD)y"));
    const DrawOp* y = primerTexto(p.ops, QStringLiteral("y"));
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->state.fontName, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(y->state.fontSize, 12);
}

TEST(ProcesaLinea, MarksTakeNineCharactersOrAllTheirDigits) {
    Motor m;
    RecordingSurface s;
    EXPECT_EQ(textos(dosPasadas(m, s, QStringLiteral("#MARK=1000x")).ops),
              QStringList({QStringLiteral("x")}));
    EXPECT_EQ(textos(dosPasadas(m, s, QStringLiteral("#MARK=007&+Bx")).ops),
              QStringList({QStringLiteral("x")}));
    EXPECT_TRUE(dosPasadas(m, s, QStringLiteral("#MARK=1")).ops.empty());
}

TEST(ProcesaLinea, AMarkInsideALineRecordsTheBlockLastCounted) {
    Motor m;
    RecordingSurface s;
    m.motor.NumBloquesPagina = 0;
    dosPasadas(m, s, QStringLiteral("a #MARK=005 b"), 1000, 2000);
    EXPECT_DOUBLE_EQ(m.motor.BloqueY1[1], 0); // before any block: nothing recorded

    m.motor.NumBloquesPagina = 2;
    m.motor.BloqueY1[1] = 100;
    dosPasadas(m, s, QStringLiteral("a #MARK=005 b"), 1000, 2000);
    EXPECT_DOUBLE_EQ(m.motor.BloqueY1[2], 2000);
    EXPECT_DOUBLE_EQ(m.motor.BloqueY2[1], 2000 - kH / 8);
}

// Fixed limits: 50 constructs directly in a line or part, 200 element numbers. Unclosed
// constructs reach the error drawer, which takes two numbers.

TEST(ProcesaLineaLimites, AFiftyFirstConstructStartsTheNextOutputLine) {
    Motor m;
    RecordingSurface s;
    m.motor.AnchoPagina = 1e9;                   // only the construct limit can end the line
    const QString uno = QStringLiteral("#RAD("); // unclosed: the error drawer
    const Pasadas p = dosPasadas(m, s, repite(uno, 55));
    EXPECT_EQ(p.resto, repite(uno, 50));
    EXPECT_EQ(p.numerosMedida, 101);
    EXPECT_EQ(p.numerosDibujo, 101);
    EXPECT_EQ(errores(p.ops), 50);
}

TEST(ProcesaLineaLimites, APartStopsAtItsFiftiethConstructInBothPasses) {
    Motor m;
    RecordingSurface s;
    m.motor.partDepth = 1;
    const Pasadas p = dosPasadas(m, s, repite(QStringLiteral("#RAD("), 55) + u'z');
    EXPECT_TRUE(p.resto.isEmpty());
    EXPECT_EQ(p.numerosMedida, p.numerosDibujo);
    EXPECT_EQ(errores(p.ops), 50);
}

TEST(ProcesaLineaLimites, ALineEndsBeforeTheConstructThatRunsOutOfElementNumbers) {
    Motor m;
    RecordingSurface s;
    m.motor.AnchoPagina = 1e9;
    const QString uno = QStringLiteral("#RAD("); // unclosed: the error drawer
    QString resto;
    // From 151 on, the 25th construct is number 200 and its part would be 201.
    m.motor.ModoDibujo = 0;
    m.motor.NumElemento = 151;
    ProcesaLinea(m.motor, repite(uno, 40), s, resto);
    EXPECT_EQ(resto, repite(uno, 24));
    EXPECT_TRUE(s.ops().empty());

    // Starting at 180, the 11th construct's own number is 201.
    m.motor.NumElemento = 180;
    ProcesaLinea(m.motor, QStringLiteral("ab") + repite(uno, 40), s, resto);
    EXPECT_EQ(resto, QStringLiteral("ab") + repite(uno, 10));
}

TEST(ProcesaLineaLimites, AConstructThatAloneRunsOutIsTheWholeOutputLine) {
    Motor m;
    RecordingSurface s;
    QString resto;
    m.motor.ModoDibujo = 0;
    m.motor.NumElemento = 199;
    ProcesaLinea(m.motor, QStringLiteral("#RAD(tail"), s, resto);
    EXPECT_EQ(resto, QStringLiteral("#RAD("));
    EXPECT_TRUE(std::isfinite(m.motor.Cajas(199).Alto));

    // A part reached past the limit lays out nothing and draws nothing.
    m.motor.ModoDibujo = 1;
    m.motor.partDepth = 1;
    m.motor.NumElemento = kMaxElemento + 1;
    ProcesaLinea(m.motor, QStringLiteral("abc"), s, resto);
    EXPECT_TRUE(s.ops().empty());
}

TEST(ProcesaLineaLimites, ANestedPartPastTheLimitIsIdenticalInBothPasses) {
    Motor m;
    RecordingSurface s;
    m.motor.partDepth = 1;
    QString resto;
    const QString parte = repite(QStringLiteral("#RAD("), 40);
    m.motor.ModoDibujo = 0;
    m.motor.NumElemento = 150;
    ProcesaLinea(m.motor, parte, s, resto);
    const int medida = m.motor.NumElemento;
    m.motor.ModoDibujo = 1;
    m.motor.NumElemento = 150;
    ProcesaLinea(m.motor, parte, s, resto);
    EXPECT_EQ(m.motor.NumElemento, medida);
    EXPECT_LE(medida, kMaxElemento + 2);
    EXPECT_EQ(errores(s.ops()), 25);
}

} // namespace
} // namespace vornith::textengine::test
