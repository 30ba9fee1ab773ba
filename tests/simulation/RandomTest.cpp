// The random source and its derived quantities, checked against draws
// worked out from the generator's formula.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SimulationTestSupport.h"
#include "simulation/Random.h"

namespace fg {
namespace {

TEST(RandomGenerator, ReproducesTheClassicSequence) {
    Random random;
    random.seed(1);
    // The C library's well-known first values for seed 1.
    EXPECT_EQ(random.next(), 41);
    EXPECT_EQ(random.next(), 18467);
    EXPECT_EQ(random.next(), 6334);
    EXPECT_EQ(random.next(), 26500);
    EXPECT_EQ(random.next(), 19169);
    random.seed(0);
    EXPECT_EQ(random.next(), 38);  // 2531011 >> 16
}

TEST(RandomGenerator, SeedsFromNegativeSeedsAsUnsigned) {
    Random random;
    random.seed(static_cast<std::uint32_t>(-5));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(random.next(), test::drawAt(static_cast<std::uint32_t>(-5), i));
}

TEST(RandomDerived, AngleJitterAndSignFromOneDrawEach) {
    Random random;
    random.seed(1);
    EXPECT_FLOAT_EQ(random.angle(), 0.41f);        // 41 % 628 / 100
    EXPECT_FLOAT_EQ(random.unitJitter(), -0.33f);  // (18467 % 200 − 100) / 100 = (67 − 100) / 100
    EXPECT_EQ(random.sign(), -1);                  // 6334 % 100 = 34, even
    EXPECT_EQ(random.sign(), -1);                  // 26500 % 100 = 0
    EXPECT_EQ(random.sign(), 1);                   // 19169 % 100 = 69, odd
}

TEST(RandomDerived, CentredValueDrawsOnlyWhenTheExtentHasAPositiveBound) {
    Random random;
    random.seed(1);
    // Extent 1: bounds −50 … 50, (41 % 100 − 50) / 100.
    EXPECT_FLOAT_EQ(random.centred(1.0f), -0.09f);
    const std::uint32_t before = random.state();
    EXPECT_EQ(random.centred(0.0f), 0.0f);
    EXPECT_EQ(random.centred(0.015f), 0.0f);  // trunc(0.75) = 0
    EXPECT_EQ(random.centred(-3.0f), 0.0f);
    EXPECT_EQ(random.state(), before);
    // Extent 0.5: bounds −25 … 25, (18467 % 50 − 25) / 100 = (17 − 25) / 100.
    EXPECT_FLOAT_EQ(random.centred(0.5f), -0.08f);
}

TEST(RandomDerived, SpreadFactorCoversOneMinusEToOnePlusEMinusOne) {
    Random random;
    random.seed(1);
    const std::uint32_t before = random.state();
    EXPECT_EQ(random.spread(0), 1.0f);
    EXPECT_EQ(random.state(), before);
    EXPECT_FLOAT_EQ(random.spread(10), 0.91f);   // (41 % 20 − 10 + 100) / 100
    EXPECT_FLOAT_EQ(random.spread(50), 1.17f);   // (18467 % 100 − 50 + 100) / 100
    EXPECT_FLOAT_EQ(random.spread(-10), 1.24f);  // 6334 % −20 = 14: (14 + 10 + 100) / 100
    // The whole range for e = 3: 0.97 … 1.02.
    float lo = 10.0f;
    float hi = 0.0f;
    for (int i = 0; i < 1000; ++i) {
        const float f = random.spread(3);
        lo = std::min(lo, f);
        hi = std::max(hi, f);
    }
    EXPECT_FLOAT_EQ(lo, 0.97f);
    EXPECT_FLOAT_EQ(hi, 1.02f);
}

TEST(RandomDerived, ExtremePercentagesDoNotOverflow) {
    Random random;
    random.seed(7);
    const float f = random.spread(std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(std::isfinite(f));
    EXPECT_GT(f, 1.0f);
    EXPECT_TRUE(std::isfinite(random.centred(1e30f)));
}

TEST(RandomTruncation, SaturatesAndCountsNegativesAsZero) {
    EXPECT_EQ(truncToInt(2.99f), 2);
    EXPECT_EQ(truncToInt(-2.99f), -2);
    EXPECT_EQ(truncToInt(1e20f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(truncToInt(-1e20f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(truncToInt(std::nanf("")), 0);
    EXPECT_EQ(truncToCount(-4.5f), 0u);
    EXPECT_EQ(truncToCount(59.99f), 59u);
}

}  // namespace
}  // namespace fg
