#include "platform/systemrandom.h"

#include <gtest/gtest.h>

#include <array>

TEST(SystemRandom, DrawsAreUniformAndInRange)
{
    SystemRandom random(12345);
    std::array<int, 6> faces{};
    constexpr int kDraws = 60000;
    for (int i = 0; i < kDraws; ++i) {
        const int face = random.uniform(1, 6);
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        ++faces[std::size_t(face - 1)];
    }
    // Each face within five standard deviations of 10000.
    for (int count : faces)
        EXPECT_NEAR(count, kDraws / 6, 500);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(random.below(1), 0);
}

TEST(SystemRandom, SeedsGiveDifferentSequences)
{
    SystemRandom a(1), b(2), again(1);
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        const int x = a.below(1000);
        same += x == b.below(1000);
        EXPECT_EQ(x, again.below(1000));
    }
    EXPECT_LT(same, 10);
}
