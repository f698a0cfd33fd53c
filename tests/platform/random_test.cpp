#include "platform/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vornith {
namespace {

std::vector<float> drawsOf(std::int64_t seed, int n) {
    Pcg32Random rng(seed);
    std::vector<float> v;
    for (int i = 0; i < n; ++i) v.push_back(rng.next());
    return v;
}

TEST(Random, DrawsStayInUnitInterval) {
    Pcg32Random rng(7);
    float lo = 1, hi = 0;
    for (int i = 0; i < 200000; ++i) {
        const float x = rng.next();
        ASSERT_GE(x, 0.0F);
        ASSERT_LT(x, 1.0F);
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    EXPECT_LT(lo, 0.001F);
    EXPECT_GT(hi, 0.999F);
}

TEST(Random, EqualSeedsRepeatAndReseedRestarts) {
    EXPECT_EQ(drawsOf(345, 50), drawsOf(345, 50));
    Pcg32Random rng(345);
    rng.next();
    rng.next();
    rng.reseed(345);
    EXPECT_EQ(rng.next(), drawsOf(345, 1).front());
}

TEST(Random, NeighbouringSeedsAreUnrelated) {
    // Consecutive problem seeds must not give shifted or similar sequences.
    for (std::int64_t seed = 0; seed < 50; ++seed) {
        const auto a = drawsOf(seed, 64);
        const auto b = drawsOf(seed + 1, 64);
        int close = 0;
        for (int i = 0; i < 64; ++i) close += std::fabs(a[i] - b[i]) < 0.01F;
        EXPECT_LT(close, 6) << "seed " << seed;
        EXPECT_NE(a[1], b[0]);
    }
}

TEST(Random, MeanAndBucketsAreUniform) {
    Pcg32Random rng(2024);
    constexpr int n = 100000;
    int buckets[10] = {};
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const float x = rng.next();
        sum += x;
        ++buckets[static_cast<int>(x * 10)];
    }
    EXPECT_NEAR(sum / n, 0.5, 0.01);
    for (int b : buckets) EXPECT_NEAR(b, n / 10, n / 100);
}

} // namespace
} // namespace vornith
