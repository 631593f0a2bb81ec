#include "game/scoring.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) { Hand h{{6,6,6,6,6}}; EXPECT_EQ(CombCheck(h, 1, 10), 80); }
