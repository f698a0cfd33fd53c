#include "document/conversion_numerica.h"

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

TEST(ConversionNumerica, ValorNumericoLeeElPrincipio) {
    EXPECT_EQ(ValorNumerico(u" 12abc"), 12.0);
    EXPECT_EQ(ValorNumerico(u"\t\n-3.5 7"), -3.5);
    EXPECT_EQ(ValorNumerico(u".5"), 0.5);
    EXPECT_EQ(ValorNumerico(u"1e3"), 1000.0);
    EXPECT_EQ(ValorNumerico(u"2D2"), 200.0);
    EXPECT_EQ(ValorNumerico(u"1e"), 1.0);
    EXPECT_EQ(ValorNumerico(u"12345678  "), 12345678.0);
    EXPECT_EQ(ValorNumerico(u""), 0.0);
    EXPECT_EQ(ValorNumerico(u"-"), 0.0);
    EXPECT_EQ(ValorNumerico(u"abc"), 0.0);
    EXPECT_EQ(ValorNumerico(u"1e-400"), 0.0);
    EXPECT_EQ(ValorNumerico(u"0.0000001e-320"), 0.0);
    EXPECT_EQ(ValorNumerico(u"1e400"), std::nullopt);
    EXPECT_EQ(ValorNumerico(u"10e308"), std::nullopt);
    EXPECT_EQ(ValorNumerico(QString(400, u'9')), std::nullopt);
}

TEST(ConversionNumerica, EnterosRedondeanAlParYControlanElRango) {
    EXPECT_EQ(EnteroLargo(2.5), 2);
    EXPECT_EQ(EnteroLargo(3.5), 4);
    EXPECT_EQ(EnteroLargo(-2.5), -2);
    EXPECT_EQ(EnteroLargo(2147483647.0), 2147483647);
    EXPECT_EQ(EnteroLargo(2147483648.0), std::nullopt);
    EXPECT_EQ(EnteroLargo(-2147483648.0), -2147483647 - 1);

    EXPECT_EQ(EnteroCorto(u"012"), 12);
    EXPECT_EQ(EnteroCorto(u" 7 "), 7);
    EXPECT_EQ(EnteroCorto(u"-32768"), -32768);
    EXPECT_EQ(EnteroCorto(u"32768"), std::nullopt);
    EXPECT_EQ(EnteroCorto(u"1a"), std::nullopt);
    EXPECT_EQ(EnteroCorto(u"1 2"), std::nullopt);
    EXPECT_EQ(EnteroCorto(u""), std::nullopt);
    EXPECT_EQ(EnteroCorto(u"  "), std::nullopt);
}

TEST(ConversionNumerica, Textos) {
    EXPECT_EQ(NumeroConBlanco(1), QStringLiteral(" 1"));
    EXPECT_EQ(NumeroConBlanco(0), QStringLiteral(" 0"));
    EXPECT_EQ(NumeroConBlanco(-3), QStringLiteral("-3"));
    EXPECT_EQ(CifrasFijas(7, 3), QStringLiteral("007"));
    EXPECT_EQ(CifrasFijas(12345, 4), QStringLiteral("2345"));
    EXPECT_EQ(CifrasFijas(-12, 3), QStringLiteral("012"));
    EXPECT_EQ(AnchoFijo(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
    EXPECT_EQ(AnchoFijo(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
    EXPECT_EQ(SinBlancos(u"  a b \t "), QStringLiteral("a b \t"));
}

} // namespace
} // namespace vornith::document
