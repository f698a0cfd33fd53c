#include "engine_fixture.h"

#include "textengine/construct_table.h"
#include "textengine/symbol_table.h"
#include "textengine/texto_sin_marcas.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

TEST(FijaNotacion, SetsTheEngineStrings) {
    Notacion n;
    FijaNotacion(n);
    EXPECT_EQ(n.TextoPor10, QString::fromUtf8("\xC3\x97"
                                              "10"));
    EXPECT_EQ(n.SeparadorDecimal, ",");
    EXPECT_EQ(n.SeparadorLista, ";");
    EXPECT_EQ(n.SimboloParAbre, "(");
    EXPECT_EQ(n.SimboloParCierra, ")");
    EXPECT_EQ(n.SimboloFA, "f");
    EXPECT_EQ(n.SimboloDT, "&sigma");
}

TEST(SustituyeEscapes, ReplacesTheSixEscapesWithTheStartUpNotation) {
    Notacion n;
    FijaNotacion(n);
    EXPECT_EQ(SustituyeEscapes(QStringLiteral("3&.5"), n), QStringLiteral("3,5"));
    EXPECT_EQ(SustituyeEscapes(QStringLiteral("a&,b&(c&)&FA&DT"), n),
              QStringLiteral("a;b(c)f&sigma"));
    // Exact case; other tags are left for the line processor.
    EXPECT_EQ(SustituyeEscapes(QStringLiteral("&dt &fa &FS=12:"), n),
              QStringLiteral("&dt &fa &FS=12:"));
}

TEST(SustituyeEscapes, AppliesEachReplacementToTheResultOfThePreviousOne) {
    Notacion n;
    FijaNotacion(n);
    n.SeparadorDecimal = QStringLiteral("&,"); // becomes the list separator next
    EXPECT_EQ(SustituyeEscapes(QStringLiteral("1&.2"), n), QStringLiteral("1;2"));
    // A replacement may join an "&" of the line into a later escape, but never an earlier one.
    FijaNotacion(n);
    EXPECT_EQ(SustituyeEscapes(QStringLiteral("&&.&&,"), n), QStringLiteral(";&;"));
    n.SimboloFA = QStringLiteral("&");
    EXPECT_EQ(SustituyeEscapes(QStringLiteral("&FA.&FADT"), n), QStringLiteral("&.&sigma"));
}

TEST(BuscaEtiqueta, FindsTheFirstWholeTagAtOrAfterTheStart) {
    EXPECT_EQ(BuscaEtiqueta(u"a&LFb&LF", u"&LF"), 1);
    EXPECT_EQ(BuscaEtiqueta(u"a&LFb&LF", u"&LF", 2), 5);
    EXPECT_EQ(BuscaEtiqueta(u"&&LF", u"&LF"), 1);  // a "&" that begins no tag is passed over
    EXPECT_EQ(BuscaEtiqueta(u"ab&L", u"&LF"), -1); // cut short by the end of the text
    EXPECT_EQ(BuscaEtiqueta(u"&lf &LSAN", u"&LF"), -1);
    EXPECT_EQ(BuscaEtiqueta(u"x&LSAN=5:", u"&LSAN="), 1);
    EXPECT_EQ(BuscaEtiqueta(u"&LF", u"&LF", 3), -1);
    EXPECT_EQ(BuscaEtiqueta(u"", u"&LF"), -1);
}

TEST(InterpretaColor, ThreeNumbersANumberAndNamesInAnyCase) {
    const Rgb rojo = rgb(255, 0, 0);
    EXPECT_EQ(InterpretaColor(QStringLiteral("255;0;0")), rojo);
    EXPECT_EQ(InterpretaColor(QStringLiteral(" 255; 0; 0 ")), rojo);
    EXPECT_EQ(InterpretaColor(QStringLiteral("255")), rojo);
    EXPECT_EQ(InterpretaColor(QStringLiteral("Rojo")), rojo);
    EXPECT_EQ(InterpretaColor(QStringLiteral("ROJO")), rojo);
    EXPECT_EQ(InterpretaColor(QStringLiteral("red")), rojo);
    EXPECT_EQ(InterpretaColor(QStringLiteral("Negro")), rgb(0, 0, 0));
    EXPECT_EQ(InterpretaColor(QStringLiteral("Blanco")), rgb(255, 255, 255));
    EXPECT_EQ(InterpretaColor(QStringLiteral("naranjado")), rgb(255, 128, 0));
    EXPECT_EQ(InterpretaColor(QStringLiteral("Canelo")), rgb(128, 64, 0));
    EXPECT_EQ(InterpretaColor(QStringLiteral("fucsia")), rgb(255, 128, 255));
    EXPECT_EQ(InterpretaColor(QStringLiteral("16711680")), rgb(0, 0, 255));
}

TEST(InterpretaColor, UnknownNamesAndEmptyValuesAreBlack) {
    EXPECT_EQ(InterpretaColor(QStringLiteral("violet")), 0u);
    EXPECT_EQ(InterpretaColor(QString()), 0u);
    EXPECT_EQ(InterpretaColor(QStringLiteral("   ")), 0u);
}

TEST(InterpretaColor, OneSemicolonRepeatsTheSecondNumber) {
    EXPECT_EQ(InterpretaColor(QStringLiteral("128;64")), rgb(128, 64, 64));
}

TEST(InterpretaColor, ComponentsAreRoundedHalfToEvenAndHeldToAByte) {
    EXPECT_EQ(InterpretaColor(QStringLiteral("0.5;1.5;2.5")), rgb(0, 2, 2));
    EXPECT_EQ(InterpretaColor(QStringLiteral("300;-5;20")), rgb(255, 0, 20));
    EXPECT_EQ(InterpretaColor(QStringLiteral("99999999999")), rgb(255, 255, 255));
}

TEST(NumeroInicial, ReadsTheLeadingNumberLikeTheMarkupWritesIt) {
    EXPECT_DOUBLE_EQ(NumeroInicial(u"  12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(NumeroInicial(u"-3"), -3);
    EXPECT_DOUBLE_EQ(NumeroInicial(u".25"), 0.25);
    EXPECT_DOUBLE_EQ(NumeroInicial(u"2E3x"), 2000);
    EXPECT_DOUBLE_EQ(NumeroInicial(u"7e"), 7);
    EXPECT_DOUBLE_EQ(NumeroInicial(u"abc"), 0);
    EXPECT_DOUBLE_EQ(NumeroInicial(u""), 0);
    EXPECT_DOUBLE_EQ(NumeroInicial(u"1e999"), 0); // out of range: harmless
}

TEST(ExtraeBloque, CountsNestingAndStopsAtTheMatchingClose) {
    const QString texto = QStringLiteral("a #COC(x#COC(1#N)(2#COC)#N)(y#COC) b");
    EXPECT_EQ(ExtraeBloque(texto, QStringLiteral("#COC("), QStringLiteral("#COC)")),
              QStringLiteral("#COC(x#COC(1#N)(2#COC)#N)(y#COC)"));
    // Separators inside a construct: the first "#N)" at depth zero.
    EXPECT_EQ(ExtraeBloque(QStringLiteral("#COC(a#N)(b#COC)"), QStringLiteral("#COC("),
                           QStringLiteral("#N)")),
              QStringLiteral("#COC(a#N)"));
}

TEST(ExtraeBloque, AMissingCloseGivesTheRedErrorText) {
    const QString error = ExtraeBloque(QStringLiteral("#COC(1#N)(2 y luego"),
                                       QStringLiteral("#COC("), QStringLiteral("#COC)"));
    EXPECT_EQ(error, QStringLiteral("#COC(&FC=Rojo:*ERROR*&FC=Negro:#COC)"));
    EXPECT_EQ(error.size(), 36);
    // A close that only appears before the opening tag, an unbalanced nest, no opening tag.
    EXPECT_EQ(LongitudBloque(u"#COC)#COC(", u"#COC(", u"#COC)"), -1);
    EXPECT_EQ(LongitudBloque(u"#COC(#COC(1#COC)", u"#COC(", u"#COC)"), -1);
    EXPECT_EQ(LongitudBloque(u"nada", u"#COC(", u"#COC)"), -1);
    EXPECT_EQ(LongitudBloque(u"x", u"", u")"), -1);
}

// Far closing tags after many opening ones, deep nests and long runs of siblings: the length
// is the one counted tag by tag.
TEST(LongitudBloque, LongTextsGiveTheCountedLength) {
    const QString abre = QStringLiteral("#COC(");
    const QString cierra = QStringLiteral("#COC)");
    const QString nido = abre.repeated(3000) + u'x' + QStringLiteral("#N)(y#COC)").repeated(3000);
    const QString hermanos = QStringLiteral("#COC(a#N)(b#COC)").repeated(3000);
    const struct {
        QString texto;
        qsizetype largo;
    } casos[] = {
        {abre.repeated(3000) + cierra, -1},
        {abre.repeated(2) + cierra + QString(5000, u'z') + cierra, 15 + 5000 + 5},
        {nido, nido.size()},
        {hermanos, 16},
        {QStringLiteral("zz") + abre + hermanos + cierra, 5 + hermanos.size() + 5},
        {abre + hermanos + abre, -1},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(LongitudBloque(caso.texto, abre, cierra), caso.largo) << caso.texto.size();
}

TEST(SeparaFigura, SplitsNameWidthAndHeight) {
    QString nombre;
    double a = -1, b = -1;
    SeparaFigura(QStringLiteral(" REC,20,5.5 "), nombre, a, b);
    EXPECT_EQ(nombre, QStringLiteral("REC"));
    EXPECT_DOUBLE_EQ(a, 20);
    EXPECT_DOUBLE_EQ(b, 5.5);
    SeparaFigura(QStringLiteral("REC,7"), nombre, a, b);
    EXPECT_DOUBLE_EQ(a, 7);
    EXPECT_DOUBLE_EQ(b, 0);
    SeparaFigura(QStringLiteral("REC"), nombre, a, b);
    EXPECT_EQ(nombre, QStringLiteral("REC"));
    EXPECT_DOUBLE_EQ(a, 0);
    EXPECT_DOUBLE_EQ(b, 0);
}

TEST(IniciaMotor, SetsPiTheOperatorShiftsAndTheLineColour) {
    EstadoMotor m;
    m.ColorLinea = rgb(1, 2, 3);
    IniciaMotor(m);
    EXPECT_EQ(m.ColorLinea, 0u);
    EXPECT_DOUBLE_EQ(m.PI, 3.14159265358979323846);
    EXPECT_FLOAT_EQ(m.DesplOperador[1][1], 0.072F);
    EXPECT_FLOAT_EQ(m.DesplOperador[2][1], 0.07F);
    EXPECT_FLOAT_EQ(m.DesplOperador[3][2], -0.012F);
    EXPECT_FLOAT_EQ(m.DesplOperador[2][2], 0.0F);
    EXPECT_FLOAT_EQ(m.DesplOperador[2][3], 0.07F);
}

TEST(TextoSinMarcas, KeepsWhatThePageReads) {
    Motor m;
    const auto plano = [&](const char* t) { return TextoSinMarcas(m.motor, QString::fromUtf8(t)); };
    EXPECT_EQ(
        plano("&+B&FN=Arial:  Tema&-B &FC=Rojo:3&&4 &alfa&LF&LF#COC(a#N)(b#COC) x^2 #IMG(F1#IMG)"),
        QString::fromUtf8("Tema 3&4 α ab x2"));
    EXPECT_EQ(plano("v&E5 &FS=12&LFm"), QString::fromUtf8("v×105 m"));
    EXPECT_EQ(plano("&+B &LF&-B"), QString());
}

TEST(SimboloTag, FirstMatchWinsInSlotOrder) {
    Motor m;
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&pis"), 20);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&Pi"), 21);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&PI"), 0);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&vacio"), 47); // slot 67 repeats the tag
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&rho"), 72);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&ro"), 22);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&E5"), 0);
    EXPECT_EQ(FuenteSimbolo(74), QStringView(u"Symbol"));
    EXPECT_EQ(FuenteSimbolo(75), QStringView(u"MT Extra"));
}

TEST(SimboloTag, EveryTagWithAnyFollowingTextFindsTheFirstSlotThatBeginsIt) {
    Motor m;
    const auto& tags = m.motor.SimboloTag;
    for (int k = 1; k <= kNumSimbolos; ++k) {
        for (const QString& sigue : {QString(), QStringLiteral("s"), QStringLiteral("o="),
                                     QStringLiteral(" 1"), QStringLiteral("&pi")}) {
            const QString texto = tags[k] + sigue;
            int primera = 0;
            for (int j = 1; j <= kNumSimbolos && primera == 0; ++j) {
                if (texto.startsWith(tags[j])) primera = j;
            }
            EXPECT_EQ(BuscaSimbolo(m.motor, texto), primera) << texto.toStdString();
        }
    }
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&"), 0);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"alfa"), 0);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"#alfa"), 0);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&\u00e9ta"), 0);
    EXPECT_EQ(BuscaSimbolo(m.motor, u"&\u4e00"), 0);
    EXPECT_EQ(BuscaSimbolo(EstadoMotor(), u"&alfa"), 0); // no table before IniciaMotor
}

TEST(ConstructTable, RecognisesEveryOpeningTagAndDerivesItsClose) {
    const char16_t* tags[] = {u"#RAD(", u"#SQR(", u"#CUR(", u"#TDX(", u"#TDU(", u"#TDD(",
                              u"#REC(", u"#VEC(", u"#VED(", u"#SEG(", u"#UDL(", u"#SED(",
                              u"#AND(", u"#ARC(", u"#DOL(", u"#INT(", u"#IMG(", u"#UDB(",
                              u"#BCV(", u"#BCH(", u"#NES(", u"#POT(", u"#EXP(", u"#COC(",
                              u"#DDL(", u"#SPB(", u"#ATX(", u"#TST(", u"#RWS(", u"#CEQ("};
    for (const char16_t* t : tags)
        EXPECT_NE(BuscaConstruccion(t), nullptr) << QString::fromUtf16(t).toStdString();
    int anillos = 0;
    for (char n = '0'; n <= '9'; ++n) {
        for (char x : {'V', 'L', 'I', 'D', 'X'}) {
            const QString t = QStringLiteral("#A") + QChar(n) + QChar(x) + u'(';
            if (BuscaConstruccion(t)) ++anillos;
        }
    }
    EXPECT_EQ(anillos, 28);
    EXPECT_EQ(BuscaConstruccion(u"#MARK=001"), nullptr);
    EXPECT_EQ(BuscaConstruccion(u"#XYZ("), nullptr);
    EXPECT_EQ(BuscaConstruccion(u"#COC"), nullptr);
    EXPECT_EQ(CierreDe(u"#SQR("), QStringLiteral("#SQR)"));

    const std::vector<std::pair<const char16_t*, bool>> alineadas = {
        {u"#COC(", true}, {u"#DDL(", true}, {u"#SPB(", true},  {u"#ATX(", true},
        {u"#RWS(", true}, {u"#CEQ(", true}, {u"#POT(", false}, {u"#SQR(", false}};
    for (const auto& [t, eje] : alineadas)
        EXPECT_EQ(BuscaConstruccion(t)->alineaEje, eje);
}

TEST(ConstructTable, RingTagsTellVerticesCircleAndOrientation) {
    const ParametrosAnillo a = ParametrosDeAnillo(u"#A5L(");
    EXPECT_EQ(a.vertices, 5);
    EXPECT_FALSE(a.circulo);
    EXPECT_EQ(a.orientacion, u'L');
    const ParametrosAnillo b = ParametrosDeAnillo(u"#BCH(");
    EXPECT_EQ(b.vertices, 6);
    EXPECT_TRUE(b.circulo);
    EXPECT_EQ(b.orientacion, u'H');
}

TEST(TablasDelMotor, IndexesOutsideTheTablesReachScratchEntries) {
    EstadoMotor m;
    m.Cajas(kMaxElemento).Ancho = 7;
    m.Cajas(kMaxElemento + 1).Ancho = 9;
    m.Cajas(-1).Ancho = 11;
    EXPECT_DOUBLE_EQ(m.Cajas(kMaxElemento).Ancho, 7);
    EXPECT_DOUBLE_EQ(m.Cajas(0).Ancho, 0);
    m.TablaNivel(kMaxElemento, kMaxElemento) = 5;
    m.TablaNivel(kMaxElemento + 1, 0) = 6;
    m.TablaNivel(3, -1) = 6;
    EXPECT_EQ(m.TablaNivel(kMaxElemento, kMaxElemento), 5);
    EXPECT_EQ(m.TablaNivel(0, 0), 0);
    EXPECT_EQ(m.TablaNivel(3, 0), 0);
}

} // namespace
} // namespace vornith::textengine::test
