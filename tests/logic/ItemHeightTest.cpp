#include "logic/ItemHeight.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(ItemHeightFromPoints, TruncatesTowardZero) {
    EXPECT_EQ(ItemHeightFromPoints(96, 16), 21);
    EXPECT_EQ(ItemHeightFromPoints(96, 24), 32);
    EXPECT_EQ(ItemHeightFromPoints(120, 16), 26);
    EXPECT_EQ(ItemHeightFromPoints(120, 24), 40);
    EXPECT_EQ(ItemHeightFromPoints(96, 3), 4);
    EXPECT_EQ(ItemHeightFromPoints(96, 0), 0);
    EXPECT_EQ(ItemHeightFromPoints(96, -5), -6);
    EXPECT_EQ(ItemHeightFromPoints(72, 1), 1);
    EXPECT_EQ(ItemHeightFromPoints(71, 1), 0);
}

TEST(ItemHeightFromPoints, ProductWrapsIn32BitsBeforeTheDivision) {
    // 96 * 22369621 = 2147483616 still fits; one point more wraps negative.
    EXPECT_EQ(ItemHeightFromPoints(96, 22369621), 29826161);
    EXPECT_EQ(ItemHeightFromPoints(96, 22369622), -29826160);
    EXPECT_EQ(ItemHeightFromPoints(120, 2147483647), -1);
}

TEST(IsApplicableItemHeight, OnlyPositiveHeights) {
    EXPECT_TRUE(IsApplicableItemHeight(1));
    EXPECT_TRUE(IsApplicableItemHeight(2147483647));
    EXPECT_FALSE(IsApplicableItemHeight(0));
    EXPECT_FALSE(IsApplicableItemHeight(-6));
}

TEST(PointsToPixels, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(PointsToPixels(12, 96), 16);
    EXPECT_EQ(PointsToPixels(24, 96), 32);
    EXPECT_EQ(PointsToPixels(10, 96), 13);  // 13.33
    EXPECT_EQ(PointsToPixels(11, 96), 15);  // 14.67
    EXPECT_EQ(PointsToPixels(3, 12), 1);    // 0.5
    EXPECT_EQ(PointsToPixels(-3, 12), -1);  // -0.5
    EXPECT_EQ(PointsToPixels(-10, 96), -13);
    EXPECT_EQ(PointsToPixels(0, 96), 0);
}

TEST(PointsToPixels, GivesMinusOneWhenTheResultDoesNotFit) {
    EXPECT_EQ(PointsToPixels(2147483647, 72), 2147483647);
    EXPECT_EQ(PointsToPixels(2147483647, 73), -1);
    EXPECT_EQ(PointsToPixels(-2147483647, 72), -2147483647);
    EXPECT_EQ(PointsToPixels(-2147483647 - 1, 72), -1);
}

TEST(FontHeightForPoints, IsTheNegatedPixelSize) {
    EXPECT_EQ(FontHeightForPoints(12, 96), -16);
    EXPECT_EQ(FontHeightForPoints(24, 96), -32);
    EXPECT_EQ(FontHeightForPoints(0, 96), 0);
    EXPECT_EQ(FontHeightForPoints(-10, 96), 13);
    EXPECT_EQ(FontHeightForPoints(12, 120), -20);
    EXPECT_EQ(FontHeightForPoints(-2147483647, 72), 2147483647);
    EXPECT_EQ(FontHeightForPoints(-2147483647 - 1, 72), 1);
}

}  // namespace
}  // namespace logic
