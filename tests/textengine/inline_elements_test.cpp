#include "engine_fixture.h"

#include "textengine/page_entry.h"

#include <gtest/gtest.h>

namespace vornith::textengine::test {
namespace {

constexpr double kX0 = 1000;
constexpr double kY0 = 2000;
constexpr double kH = 276; // "Hp" at 12 points on the recording surface

const DrawOp& texto(const Pasadas& p, int n) {
    int visto = 0;
    for (const DrawOp& op : p.ops) {
        if (op.kind == DrawOp::Kind::Text && visto++ == n) return op;
    }
    throw std::out_of_range("no such text");
}

std::vector<DrawOp> lineas(const std::vector<DrawOp>& ops) {
    std::vector<DrawOp> l;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Line) l.push_back(op);
    }
    return l;
}

TEST(Caracteres, OperatorsAndDigitsAreUprightAndShiftedWithSideSpace) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("x+1"), kX0, kY0);
    const double lado = 0.04 * kH;
    EXPECT_TRUE(texto(p, 0).state.italic);
    EXPECT_DOUBLE_EQ(texto(p, 0).x1, kX0 + 1);
    const DrawOp& mas = texto(p, 1);
    EXPECT_FALSE(mas.state.italic);
    EXPECT_DOUBLE_EQ(mas.x1, kX0 + 122 + lado);
    EXPECT_DOUBLE_EQ(mas.y1, kY0 + double(0.07F) * kH); // class 2: h of 120 to 300 twips
    EXPECT_FALSE(texto(p, 2).state.italic);
    EXPECT_DOUBLE_EQ(texto(p, 2).y1, kY0);
    EXPECT_TRUE(s.fontItalic());
    EXPECT_DOUBLE_EQ(p.caja.Ancho, 122 + (120 + 2 * lado) + 122);
}

TEST(Caracteres, TheMinusIsAnEnDashRaisedOnlyInLargeType) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("-"), kX0, kY0);
    EXPECT_EQ(texto(p, 0).text, car(150));
    EXPECT_DOUBLE_EQ(texto(p, 0).y1, kY0);

    s.setFontSize(24); // h = 552: class 3
    const Pasadas q = dosPasadas(m, s, QStringLiteral("-"), kX0, kY0);
    EXPECT_DOUBLE_EQ(texto(q, 0).y1, kY0 + double(-0.012F) * 2 * kH);
}

TEST(Scripts, ASubscriptDigitIsSmallUprightLoweredAndDeepensTheLine) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("v_2"), kX0, kY0);
    const DrawOp& dos = texto(p, 1);
    EXPECT_EQ(dos.text, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(dos.state.fontSize, 8);
    EXPECT_FALSE(dos.state.italic);
    EXPECT_DOUBLE_EQ(dos.y1, kY0 + 23 * 8 / 1.4);
    EXPECT_DOUBLE_EQ(p.caja.Alto, 1.1 * kH);
    EXPECT_TRUE(s.fontItalic());
    EXPECT_DOUBLE_EQ(s.fontSize(), 12);
}

TEST(Scripts, ASuperscriptLetterKeepsTheTextTopAndItalic) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("x^n"), kX0, kY0);
    const DrawOp& n = texto(p, 1);
    EXPECT_DOUBLE_EQ(n.state.fontSize, 8);
    EXPECT_TRUE(n.state.italic);
    EXPECT_DOUBLE_EQ(n.y1, kY0);
    EXPECT_DOUBLE_EQ(p.caja.Alto, kH);
}

TEST(Scripts, AScriptSignAtTheEndIsAScriptOfItselfAndDoublesAreLiterals) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("a_"), kX0, kY0);
    EXPECT_EQ(texto(p, 1).text, QStringLiteral("_"));
    EXPECT_DOUBLE_EQ(texto(p, 1).state.fontSize, 8);
    const Pasadas q = dosPasadas(m, s, QStringLiteral("__^^##&&"), kX0, kY0);
    EXPECT_EQ(textos(q.ops).join(QString()), QStringLiteral("_^#&"));
    EXPECT_DOUBLE_EQ(texto(q, 0).state.fontSize, 12);
}

TEST(PotenciaDiez, PrintsTimesTenAndASmallRaisedExponent) {
    Motor m;
    RecordingSurface s;
    s.setFontItalic(true);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("2&E-5 m"), kX0, kY0);
    const QString porDiez = car(215) + QStringLiteral("10");
    EXPECT_EQ(textos(p.ops).mid(0, 3),
              QStringList({QStringLiteral("2"), porDiez, car(150) + QStringLiteral("5")}));
    EXPECT_FALSE(texto(p, 1).state.italic);
    EXPECT_DOUBLE_EQ(texto(p, 2).state.fontSize, 8);
    EXPECT_DOUBLE_EQ(texto(p, 2).y1, kY0);
    EXPECT_TRUE(texto(p, 4).state.italic); // "m", after the blank

    EXPECT_EQ(textos(dosPasadas(m, s, QStringLiteral("3&E+7")).ops).last(), QStringLiteral("7"));
    EXPECT_EQ(textos(dosPasadas(m, s, QStringLiteral("4&Ex")).ops),
              QStringList({QStringLiteral("4"), porDiez, QStringLiteral("x")}));
}

TEST(Simbolos, EverySlotDrawsItsCharacterInItsFont) {
    // Slot, tag, Windows-1252 code. Slot 67 repeats slot 47's tag and is never reached.
    const struct {
        int slot;
        const char16_t* tag;
        int code;
    } tabla[] = {
        {1, u"&alfa", 97},    {2, u"&beta", 98},      {3, u"&gamma", 103},    {4, u"&Gamma", 71},
        {5, u"&delta", 100},  {6, u"&Delta", 68},     {7, u"&epsilon", 101},  {8, u"&zeta", 122},
        {9, u"&eta", 104},    {10, u"&teta", 113},    {11, u"&Teta", 81},     {12, u"&iota", 105},
        {13, u"&kappa", 107}, {14, u"&lambda", 108},  {15, u"&Lambda", 76},   {16, u"&mu", 109},
        {17, u"&nu", 110},    {18, u"&xi", 120},      {19, u"&Xi", 88},       {20, u"&pi", 112},
        {21, u"&Pi", 80},     {22, u"&ro", 114},      {23, u"&sigma", 115},   {24, u"&Sigma", 83},
        {25, u"&tau", 116},   {26, u"&ypsilon", 117}, {27, u"&Ypsilon", 161}, {28, u"&fi", 106},
        {29, u"&Fi", 70},     {30, u"&ji", 99},       {31, u"&psi", 121},     {32, u"&Psi", 89},
        {33, u"&omega", 119}, {34, u"&Omega", 87},    {35, u"&ald", 220},     {36, u"&aud", 221},
        {37, u"&ard", 222},   {38, u"&add", 223},     {39, u"&alrd", 219},    {40, u"&als", 172},
        {41, u"&aus", 173},   {42, u"&ars", 174},     {43, u"&ads", 175},     {44, u"&alrs", 171},
        {45, u"&divi", 184},  {46, u"&!=", 185},      {47, u"&vacio", 198},   {48, u"&iorden", 187},
        {49, u"&aprox", 64},  {50, u"&real", 194},    {51, u"&<=", 163},      {52, u"&>=", 179},
        {53, u"&oo", 165},    {54, u"&Vacio", 198},   {55, u"&theta", 113},   {56, u"&Theta", 81},
        {57, u"&perte", 206}, {58, u"&nabla", 209},   {59, u"&perpen", 94},   {60, u"&todo", 34},
        {61, u"&exist", 36},  {62, u"&parci", 182},   {63, u"&itg", 242},     {64, u"&pm", 177},
        {65, u"&aspa", 180},  {66, u"&noperte", 207}, {68, u"&TRE", 167},     {69, u"&DIA", 168},
        {70, u"&COR", 169},   {71, u"&PIC", 170},     {72, u"&rho", 114},     {73, u"&and", 217},
        {74, u"&or", 218},    {75, u"&union", 85},    {76, u"&inter", 73},    {77, u"&mp", 109},
        {78, u"&hbar", 104},
    };
    Motor m;
    RecordingSurface s;
    for (const auto& t : tabla) {
        const QString tag = QString::fromUtf16(t.tag);
        SCOPED_TRACE(tag.toStdString());
        EXPECT_EQ(m.motor.SimboloTag[t.slot], tag);
        const Pasadas p = dosPasadas(m, s, tag, kX0, kY0);
        ASSERT_EQ(textos(p.ops).size(), 1);
        EXPECT_EQ(p.ops.front().text, car(t.code));
        EXPECT_EQ(p.ops.front().state.fontName,
                  t.slot >= 75 ? QStringLiteral("MT Extra") : QStringLiteral("Symbol"));
        EXPECT_DOUBLE_EQ(p.ops.front().y1, kY0); // same ascent here: on the baseline
        EXPECT_EQ(s.fontName(), QStringLiteral("Times New Roman"));
        EXPECT_DOUBLE_EQ(p.caja.Ancho, 120);
    }
}

TEST(Simbolos, TagsNeedNoTerminatorAndUnknownTagsLoseTheirAmpersand) {
    Motor m;
    RecordingSurface s;
    EXPECT_EQ(textos(dosPasadas(m, s, QStringLiteral("&alfa&beta")).ops),
              QStringList({car(97), car(98)}));
    const Pasadas p = dosPasadas(m, s, QStringLiteral("&pis&Pi&PI"));
    EXPECT_EQ(textos(p.ops), QStringList({car(112), QStringLiteral("s"), car(80),
                                          QStringLiteral("P"), QStringLiteral("I")}));
    EXPECT_EQ(p.ops[1].state.fontName, QStringLiteral("Times New Roman"));
}

TEST(Simbolos, AfterAFontChangeASymbolBringsBackTheLinesFont) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("&FN=Arial:a&alfa b"));
    EXPECT_EQ(texto(p, 0).state.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(texto(p, 2).state.fontName, QStringLiteral("Times New Roman"));
}

TEST(SignosDibujados, EquilibriumEqualsAndIdentityAreLinesAsWideAsSpaces) {
    Motor m;
    RecordingSurface s;
    const Pasadas q = dosPasadas(m, s, QStringLiteral("&Q"), kX0, kY0);
    const auto l = lineas(q.ops);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_DOUBLE_EQ(l[0].y1, kY0 + kH / 2.5);
    EXPECT_DOUBLE_EQ(l[0].x2, kX0 + 240);
    EXPECT_DOUBLE_EQ(l[1].x2, kX0 + 180);
    EXPECT_DOUBLE_EQ(l[1].y2, kY0 + kH / 2.5 - 50);
    EXPECT_DOUBLE_EQ(l[3].x2, kX0 + 60);
    EXPECT_EQ(l[0].state.drawWidth, 1); // 0.05 h = 13.8 twips: one screen pixel
    EXPECT_DOUBLE_EQ(q.avance, 480);

    const auto igual = lineas(dosPasadas(m, s, QStringLiteral("&="), kX0, kY0).ops);
    ASSERT_EQ(igual.size(), 2u);
    EXPECT_DOUBLE_EQ(igual[1].y1, kY0 + 0.588 * kH);
    EXPECT_DOUBLE_EQ(igual[1].x2 - igual[1].x1, 130);
    EXPECT_EQ(lineas(dosPasadas(m, s, QStringLiteral("&#")).ops).size(), 3u);

    // On the printer the pen is measured in the printer's own pixels.
    RecordingSurface impresora(SurfaceKind::Printer, 4753, 6883, 2.4);
    EXPECT_EQ(lineas(dosPasadas(m, impresora, QStringLiteral("&=")).ops)[0].state.drawWidth, 6);
}

TEST(EtiquetasDeValor, SizeTagScalesByZoomAndKeepsTheBaseline) {
    Motor m;
    m.motor.Zoom = 2;
    RecordingSurface s;
    s.setFontSize(24);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("a&FS=18:b"), kX0, kY0);
    const DrawOp& b = texto(p, 1);
    EXPECT_DOUBLE_EQ(b.state.fontSize, 36);
    // Ascents in whole pixels: 29 at 24 points, 43 at 36 points.
    EXPECT_DOUBLE_EQ(b.y1, kY0 + 29 * 15 - 43 * 15);
}

TEST(EtiquetasDeValor, FontSizesAreHeldToOneThousandPoints) {
    Motor m;
    RecordingSurface s;
    EXPECT_DOUBLE_EQ(texto(dosPasadas(m, s, QStringLiteral("&FS=5000:x")), 0).state.fontSize, 1000);
    EXPECT_DOUBLE_EQ(texto(dosPasadas(m, s, QStringLiteral("&FS=0:x")), 0).state.fontSize, 1);
}

TEST(EtiquetasDeValor, ColoursTakeEffectInTheirPasses) {
    Motor m;
    RecordingSurface s;
    m.motor.ModoDibujo = 0;
    m.motor.NumElemento = 1;
    QString resto;
    ProcesaLinea(m.motor, QStringLiteral("&FC=Rojo:&BC=Verde:&LC=Azul:x"), s, resto);
    EXPECT_EQ(s.foreColor(), 0u);                  // drawing pass only
    EXPECT_EQ(m.motor.ColorRelleno, 0u);           // drawing pass only
    EXPECT_EQ(m.motor.ColorLinea, rgb(0, 0, 255)); // both passes
    const Pasadas p = dosPasadas(m, s, QStringLiteral("&FC=Rojo:&BC=Verde:x"));
    EXPECT_EQ(texto(p, 0).state.foreColor, rgb(255, 0, 0));
    EXPECT_EQ(m.motor.ColorRelleno, rgb(0, 255, 0));
}

TEST(EtiquetasDeValor, StyleTagsSetAndClearEachStyle) {
    Motor m;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("&+I&+B&+U&+Sa&-I&-B&-U&-Sb"));
    const DrawOp& a = texto(p, 0);
    EXPECT_TRUE(a.state.italic && a.state.bold && a.state.underline && a.state.strikethru);
    const DrawOp& b = texto(p, 1);
    EXPECT_FALSE(b.state.italic || b.state.bold || b.state.underline || b.state.strikethru);
}

TEST(EtiquetasDeValor, ATabGoesToItsShareOfTheUsableWidth) {
    Motor m;
    RecordingSurface s;
    const double util = m.motor.AnchoPagina - m.motor.MargenIzqPagina - m.motor.MargenDerPagina;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("abc&SP=50:d"), kX0, kY0);
    EXPECT_DOUBLE_EQ(texto(p, 3).x1, kX0 + util / 2 + 1);
}

TEST(EtiquetasDeValor, AZeroSizeBoxSpansTheSurfaceFromItsEdge) {
    Motor m;
    RecordingSurface s;
    m.motor.ColorRelleno = rgb(1, 2, 3);
    const Pasadas p = dosPasadas(m, s, QStringLiteral("ab&FF=REC,0,5.5:c"), kX0, kY0);
    const DrawOp& caja = p.ops[2];
    ASSERT_EQ(caja.kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(caja.colour, rgb(1, 2, 3));
    EXPECT_DOUBLE_EQ(caja.x1, 0);
    EXPECT_NEAR(caja.x2, s.widthTwips(), 1e-6);
    EXPECT_DOUBLE_EQ(caja.y1, kY0);
    EXPECT_NEAR(caja.y2, kY0 + 5.5 / 25.4 * 1440, 1e-6);
    EXPECT_DOUBLE_EQ(texto(p, 2).x1, kX0 + 2 * 122 + 1); // takes no width
    EXPECT_DOUBLE_EQ(p.caja.Ancho, 3 * 122);

    // On the printer the box spans the printer's width, not the screen's.
    RecordingSurface impresora(SurfaceKind::Printer, 4753, 6883, 2.4);
    const Pasadas q = dosPasadas(m, impresora, QStringLiteral("&FF=REC,0,0:"), kX0, kY0);
    EXPECT_NEAR(q.ops[0].x2, impresora.widthTwips(), 1e-6);
    EXPECT_NEAR(q.ops[0].y2, impresora.heightTwips(), 1e-6);

    const Pasadas r = dosPasadas(m, s, QStringLiteral("&FF=CIRC,10,10:"), kX0, kY0);
    EXPECT_TRUE(r.ops.empty());
}

TEST(EtiquetasDeValor, TheBoxScalesWithZoom) {
    Motor m;
    m.motor.Zoom = 2;
    RecordingSurface s;
    const Pasadas p = dosPasadas(m, s, QStringLiteral("&FF=REC,20,5.5:"), kX0, kY0);
    EXPECT_NEAR(p.ops[0].x2 - p.ops[0].x1, 2 * 20 / 25.4 * 1440, 1e-6);
}

} // namespace
} // namespace vornith::textengine::test
