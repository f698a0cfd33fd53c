#include "generation/module_interface.h"
#include "generation/number_services.h"
#include "qstring_printer.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace vornith::generation {
namespace {

using test::ScriptedRandom;

TEST(Aleatorio, EmptyRangeReturnsMinWithoutDrawing) {
    ScriptedRandom rng;
    EXPECT_EQ(Aleatorio(rng, 3, 3, 1, 1), 3.0);
    EXPECT_EQ(rng.draws, 0);
}

TEST(Aleatorio, GridGivesOnlyItsMultiples) {
    Pcg32Random rng(7);
    std::set<double> seen;
    for (int i = 0; i < 20000; ++i) {
        const double v = *Aleatorio(rng, 15, 275, 5, 1);
        ASSERT_GE(v, 15);
        ASSERT_LE(v, 275);
        ASSERT_EQ(std::fmod(v, 5.0), 0.0) << v;
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 53U); // 15, 20, ... 275: both ends reachable
}

TEST(Aleatorio, GridEndsComeHalfAsOftenAsInnerValues) {
    ScriptedRandom rng;
    rng.script = {0.0F, 0.124F, 0.126F, 0.99F};
    EXPECT_EQ(*Aleatorio(rng, 0, 4, 1, 0), 0.0);
    EXPECT_EQ(*Aleatorio(rng, 0, 4, 1, 0), 0.0);
    EXPECT_EQ(*Aleatorio(rng, 0, 4, 1, 0), 1.0);
    EXPECT_EQ(*Aleatorio(rng, 0, 4, 1, 0), 4.0);
}

TEST(Aleatorio, GivesUpWhenTheGridHoldsOnlyZero) {
    ScriptedRandom rng;
    EXPECT_FALSE(Aleatorio(rng, 0, 0.4, 1, 1).has_value());
    EXPECT_EQ(rng.draws, 100000);

    InterfazModulo v;
    Generador g(v, rng);
    EXPECT_EQ(g.Aleatorio(0, 0.4, 1, 1), 0.0);
}

TEST(Aleatorio, ZeroIsDrawnAgainWhenFlagged) {
    ScriptedRandom rng;
    rng.script = {0.5F, 0.9F}; // grid -1, 0, 1: first 0, then 1
    EXPECT_EQ(*Aleatorio(rng, -1, 1, 1, 1), 1.0);
    EXPECT_EQ(rng.draws, 2);
    rng.script = {0.5F};
    EXPECT_EQ(*Aleatorio(rng, -1, 1, 1, 0), 0.0);
}

TEST(Aleatorio, NegligibleStepDrawsContinuously) {
    ScriptedRandom rng;
    rng.script = {0.25F, 0.5F};
    EXPECT_EQ(*Aleatorio(rng, 1, 4, 0, 0), 1.75);
    EXPECT_EQ(*Aleatorio(rng, 1, 4, 1e-7, 0), 2.5);

    Pcg32Random real(3);
    bool fractional = false;
    for (int i = 0; i < 1000; ++i) {
        const double v = *Aleatorio(real, 1, 4, 0, 0);
        ASSERT_GE(v, 1);
        ASSERT_LT(v, 4);
        fractional = fractional || v != std::floor(v);
    }
    EXPECT_TRUE(fractional);
}

TEST(Aleatorio, UnevenRangeCanOvershootByHalfAStep) {
    ScriptedRandom rng;
    rng.script = {0.999F};
    EXPECT_EQ(*Aleatorio(rng, 0, 7.6, 1, 1), 8.0);
}

TEST(Redondea, RoundsHalfUpToThePosition) {
    EXPECT_DOUBLE_EQ(Redondea(2.375, -3), 2.38);
    EXPECT_EQ(Redondea(17, 0), 20.0);
    EXPECT_EQ(Redondea(-2.5, -1), -2.0);
    EXPECT_DOUBLE_EQ(Redondea(2.02040816, -3), 2.02);
    EXPECT_DOUBLE_EQ(Redondea(20.2030, -2), 20.2);
}

TEST(Redondea, OverflowGivesZeroAndNonFiniteIsPassedOn) {
    EXPECT_EQ(Redondea(1e308, -3), 0.0);
    EXPECT_TRUE(std::isnan(Redondea(std::nan(""), -2)));
    EXPECT_TRUE(std::isinf(Redondea(std::numeric_limits<double>::infinity(), -2)));
}

TEST(LimpiaEntero, SnapsOnlyRoundingNoise) {
    EXPECT_EQ(LimpiaEntero(2.99999999), 3.0);
    EXPECT_EQ(LimpiaEntero(2.9999), 2.9999);
    EXPECT_EQ(LimpiaEntero(-4.000000001), -4.0);
    EXPECT_EQ(LimpiaEntero(0.5), 0.5);
}

TEST(TextoPlano, FifteenDigitsNoLeadingZeroExponentForm) {
    EXPECT_EQ(TextoPlano(90.00000000000001), "90");
    EXPECT_EQ(TextoPlano(3.6 * 25), "90");
    EXPECT_EQ(TextoPlano(0.25), ".25");
    EXPECT_EQ(TextoPlano(-0.25), "-.25");
    EXPECT_EQ(TextoPlano(2.5), "2.5");
    EXPECT_EQ(TextoPlano(0.0001), ".0001");
    EXPECT_EQ(TextoPlano(0.00001), "1E-05");
    EXPECT_EQ(TextoPlano(2.5e20), "2.5E+20");
    EXPECT_EQ(TextoPlano(123456789012345.0), "123456789012345");
    EXPECT_EQ(TextoPlano(1e15), "1E+15");
    EXPECT_EQ(TextoPlano(1e-100), "1E-100");
    EXPECT_EQ(TextoPlano(-0.0), "0");
}

TEST(TextoNumero, WorkedExamples) {
    EXPECT_EQ(TextoNumero(-0.25), "-0&.25");
    EXPECT_EQ(TextoNumero(12), "12");
    EXPECT_EQ(TextoNumero(0.00001), "1&E-5");
    EXPECT_EQ(TextoNumero(2.5e20), "2&.5&E+20");
    EXPECT_EQ(TextoNumero(-1.5e-7), "-1&.5&E-7");
    EXPECT_EQ(TextoNumero(0), "0");
}

TEST(TextoCifras, WorkedExamples) {
    EXPECT_EQ(TextoCifras(0, 3), "0");
    EXPECT_EQ(TextoCifras(2.5, 3), "2&.5");
    EXPECT_EQ(TextoCifras(123456, 3), "1&.23&E5");
    EXPECT_EQ(TextoCifras(120000, 3), "1&.20&E5");
    EXPECT_EQ(TextoCifras(1000000, 3), "10&.0&E5"); // the exponent comes out one too low
    EXPECT_EQ(TextoCifras(-0.0456, 2), "-0&.046");
    EXPECT_EQ(TextoCifras(100000, 2), "1&.0&E5");
    EXPECT_EQ(TextoCifras(0.005, 1), "5&E-3");
    EXPECT_EQ(TextoCifras(-123456, 3), "-1&.23&E5");
    EXPECT_EQ(TextoCifras(9.8765, 2), "9&.9");
}

TEST(TextoPolinomio, WorkedExamples) {
    EXPECT_EQ(TextoPolinomio(0, 2, -1, 0, 5), "2&+Ix&-I^3& -& &+Ix&-I^2& +& 5");
    EXPECT_EQ(TextoPolinomio(0, 0, 0, -1, 0, "t"), "-t");
    EXPECT_EQ(TextoPolinomio(0, 0, 0.5, 0, 0, "t"), "&.5t^2");
    EXPECT_EQ(TextoPolinomio(0, 0, 0, 0, 0), "0");
    EXPECT_EQ(TextoPolinomio(1, 0, 0, 1, -1, "t"), "t^4& +& t& -& 1");
    EXPECT_EQ(TextoPolinomio(0, 0, -2.5, 3, 0, "t"), "-2&.5t^2& +& 3t");
}

TEST(TextoVector, WorkedExamples) {
    EXPECT_EQ(TextoVector(3, -1, 0), "3& #VED(&+B& i& &-B#VED)& -& & #VED(&+B& j& &-B#VED)");
    EXPECT_EQ(TextoVector(0, 0, 0), "#VEC(0#VEC)");
    EXPECT_EQ(TextoVector(0, 0, 0, "0", "0", "0"), "#VEC(0#VEC)");
    EXPECT_EQ(TextoVector(0, 0, -2.5), "-2&.5& #VEC(&+B& k& &-B#VEC)");
    EXPECT_EQ(TextoVector(-1, 0, 1), "-& #VED(&+B& i& &-B#VED)& +& & #VEC(&+B& k& &-B#VEC)");
}

TEST(TextoVector, ComponentTextsReplaceNumbersAndEscapesAreNormalised) {
    // A caller's text with escapes already in it ends with exactly one of each.
    EXPECT_EQ(TextoVector(9, 9, 0, "2t", "-3&.5t^2"),
              "2t& #VED(&+B& i& &-B#VED)& -& 3&.5t^2& #VED(&+B& j& &-B#VED)");
    EXPECT_EQ(TextoVector(0, 0, 0, "", "t& +& 1"), "t& +& 1& #VED(&+B& j& &-B#VED)");
    EXPECT_EQ(TextoVector(0, 1, 0, "", "", "4"),
              "& #VED(&+B& j& &-B#VED)& +& 4& #VEC(&+B& k& &-B#VEC)");
}

TEST(ArcoCoseno, EndsMiddleAndOutside) {
    EXPECT_DOUBLE_EQ(ArcoCoseno(-1), PI);
    EXPECT_DOUBLE_EQ(ArcoCoseno(0), PI / 2);
    EXPECT_EQ(ArcoCoseno(1), 0.0);
    EXPECT_EQ(ArcoCoseno(1.5), 0.0);
    EXPECT_EQ(ArcoCoseno(-1.0001), 0.0);
    EXPECT_NEAR(ArcoCoseno(0.5), PI / 3, 1e-15);
}

TEST(ArcoCoseno, RoundingNoiseOutsideTheIntervalIsClamped) {
    EXPECT_DOUBLE_EQ(ArcoCoseno(-1.0000000000000002), PI);
    EXPECT_EQ(ArcoCoseno(1.0000000000000002), 0.0);
}

TEST(RecortaBlancos, TrimsBlanksOnly) {
    EXPECT_EQ(RecortaBlancos("  4x "), "4x");
    EXPECT_EQ(RecortaBlancos("    "), "");
    EXPECT_EQ(RecortaBlancos(" \t a\r\n "), "\t a\r\n");
}

TEST(TextServices, NonFiniteValuesThrowInsteadOfPrinting) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    EXPECT_THROW(TextoPlano(inf), FalloGeneracion);
    EXPECT_THROW(TextoNumero(nan), FalloGeneracion);
    EXPECT_THROW(TextoNumero(-inf), FalloGeneracion);
    EXPECT_THROW(TextoCifras(inf, 3), FalloGeneracion);
    EXPECT_THROW(TextoPolinomio(0, 0, nan, 1, 0), FalloGeneracion);
    EXPECT_THROW(TextoVector(1, inf, 0), FalloGeneracion);
    EXPECT_THROW(TextoNumero(std::sqrt(-1.0)), FalloGeneracion);
    try {
        TextoNumero(1.0 / std::log(1.0) * -1.0);
        FAIL();
    } catch (const FalloGeneracion& f) {
        EXPECT_EQ(f.numero(), kFalloDesbordamiento);
    }
}

TEST(Generador, VueltaGivesUpAfterTheCap) {
    ScriptedRandom rng;
    InterfazModulo v;
    Generador g(v, rng);
    for (int i = 0; i < kMaxVueltas; ++i)
        g.Vuelta();
    EXPECT_THROW(g.Vuelta(), FalloGeneracion);
}

// Restores the C locale that the test changed, whatever happens.
class LocaleGuard {
public:
    LocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    std::string saved_;
};

TEST(TextServices, CommaLocaleChangesNothing) {
    LocaleGuard guard;
    ASSERT_TRUE(std::setlocale(LC_ALL, "es_ES.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8"))
        << "no comma-decimal locale installed (scripts/deps installs locales-all)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(TextoPlano(0.25), ".25");
    EXPECT_EQ(TextoNumero(-0.25), "-0&.25");
    EXPECT_EQ(TextoNumero(2.5e20), "2&.5&E+20");
    EXPECT_EQ(TextoCifras(123456, 3), "1&.23&E5");
    EXPECT_EQ(TextoCifras(-0.0456, 2), "-0&.046");
    EXPECT_EQ(TextoPolinomio(0, 0, 0.5, 0, 0, "t"), "&.5t^2");
    EXPECT_EQ(TextoVector(2.5, 0, 0), "2&.5& #VED(&+B& i& &-B#VED)");
}

} // namespace
} // namespace vornith::generation
