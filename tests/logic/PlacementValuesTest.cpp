#include "logic/PlacementValues.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(PlacementValues, FourNumbersGoOutWithCommasAndComeBack) {
    EXPECT_EQ(FormatFourNumbers({-32000, -32000, -1, -8}), "-32000,-32000,-1,-8");
    EXPECT_EQ(ParseFourNumbers("10,20,630,500", {0, 0, 0, 0}), (FourNumbers{10, 20, 630, 500}));
    EXPECT_EQ(ScreenSizedName("NormPos", 800, 600), "NormPos(800x600)");
}

TEST(PlacementValues, ReadingSplitsAtCommasAndSpacesAndFillsGaps) {
    const FourNumbers fallback{1, 2, 3, 4};
    const struct {
        const char* text;
        FourNumbers expected;
    } cases[] = {
        {"5 6  7,,8", {5, 6, 7, 8}},
        {"5,6", {5, 6, 3, 4}},
        {"5,x,7,8", {5, 2, 7, 8}},
        {"", {1, 2, 3, 4}},
        {" ,9", {9, 2, 3, 4}},
        {"$10,0x10,-0,+3,99", {16, 16, 0, 3}},
        {"99999999999,1,2,3", {1, 1, 2, 3}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseFourNumbers(c.text, fallback), c.expected) << c.text;
}

TEST(PlacementValues, ShowCommandsSelectTheState) {
    for (int32_t cmd : {1, 5, 9}) EXPECT_EQ(StateForShowCmd(cmd), WindowState::Normal) << cmd;
    for (int32_t cmd : {2, 6, 7}) EXPECT_EQ(StateForShowCmd(cmd), WindowState::Minimized) << cmd;
    for (int32_t cmd : {0, 3, 4, 8, 10, -1})
        EXPECT_EQ(StateForShowCmd(cmd), WindowState::Maximized) << cmd;
    EXPECT_EQ(StateForShowCmd(std::nullopt), WindowState::Maximized);
}

TEST(PlacementValues, PositionNeedsTheSamePixelsPerInchAndAStoredPosition) {
    EXPECT_TRUE(PositionApplies(96, 96, true, false));
    EXPECT_TRUE(PositionApplies(96, 96, false, true));
    EXPECT_FALSE(PositionApplies(96, 96, false, false));
    EXPECT_FALSE(PositionApplies(120, 96, true, true));
}

}  // namespace
}  // namespace logic
