// The random source: reproducible when seeded, always below 1, positions within range.
#include "core/randomsource.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomSource, SameSeedSameSequence)
{
    RandomSource a(42), b(42);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.next(), b.next());
}

TEST(RandomSource, AFixedSeedSurvivesTheReseedOfARun)
{
    RandomSource fixed, reference(42);
    fixed.fixSeed(42);
    fixed.next();
    fixed.reseed();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(fixed.next(), reference.next());
}

TEST(RandomSource, StaysInTheHalfOpenUnitInterval)
{
    RandomSource rnd(7);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float r = rnd.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

struct AlmostOne : RandomSource {
    AlmostOne() : RandomSource(1) {}
    float next() override { return 16777215.0f / 16777216.0f; }
};

TEST(RandomSource, BelowNeverIndexesPastTheEnd)
{
    AlmostOne rnd;
    EXPECT_EQ(rnd.below(14), 13);
    EXPECT_EQ(rnd.below(16777216), 16777215);
    EXPECT_EQ(rnd.below(0), 0);
    RandomSource real(3);
    for (int i = 0; i < 10000; ++i) {
        const int k = real.below(3);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 3);
    }
}

} // namespace
