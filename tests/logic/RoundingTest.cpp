#include "logic/Rounding.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(4.5), 4);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
}

TEST(RoundHalfEven, OtherValuesGoToTheNearestInteger) {
    EXPECT_EQ(RoundHalfEven(0.0), 0);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(10.26), 10);
    EXPECT_EQ(RoundHalfEven(61.56), 62);
    EXPECT_EQ(RoundHalfEven(-0.75), -1);
    EXPECT_EQ(RoundHalfEven(-2.4999999), -2);
    EXPECT_EQ(RoundHalfEven(-2.5000001), -3);
    EXPECT_EQ(RoundHalfEven(7.0), 7);
}

TEST(RoundHalfEven, ClampsAtTheEndsOfTheIntRange) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(RoundHalfEven(2147483646.5), 2147483646);
    EXPECT_EQ(RoundHalfEven(2147483647.0), kMax);
    EXPECT_EQ(RoundHalfEven(2147483647.5), kMax);
    EXPECT_EQ(RoundHalfEven(1e300), kMax);
    EXPECT_EQ(RoundHalfEven(INFINITY), kMax);
    EXPECT_EQ(RoundHalfEven(-2147483647.5), kMin);
    EXPECT_EQ(RoundHalfEven(-2147483648.0), kMin);
    EXPECT_EQ(RoundHalfEven(-2147483648.5), kMin);
    EXPECT_EQ(RoundHalfEven(-1e300), kMin);
    EXPECT_EQ(RoundHalfEven(-INFINITY), kMin);
    EXPECT_EQ(RoundHalfEven(-2147483646.5), -2147483646);
}

TEST(RoundHalfEven, NanGivesZero) { EXPECT_EQ(RoundHalfEven(std::nan("")), 0); }

}  // namespace
}  // namespace logic
