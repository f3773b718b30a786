#include "logic/WindowFloor.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

void ExpectSize(OuterSize actual, int32_t width, int32_t height) {
    EXPECT_EQ(actual.width, width);
    EXPECT_EQ(actual.height, height);
}

TEST(ApplyMainWindowFloor, RaisesEachSideOnItsOwn) {
    ExpectSize(ApplyMainWindowFloor({100, 100}), 400, 350);
    ExpectSize(ApplyMainWindowFloor({399, 900}), 400, 900);
    ExpectSize(ApplyMainWindowFloor({900, 349}), 900, 350);
    ExpectSize(ApplyMainWindowFloor({-5, -2147483647 - 1}), 400, 350);
}

TEST(ApplyMainWindowFloor, KeepsSizesAtOrAboveTheFloor) {
    ExpectSize(ApplyMainWindowFloor({400, 350}), 400, 350);
    ExpectSize(ApplyMainWindowFloor({401, 351}), 401, 351);
    ExpectSize(ApplyMainWindowFloor({2147483647, 2147483647}), 2147483647, 2147483647);
}

TEST(WindowFloor, Constants) {
    EXPECT_EQ(kMinMainWidth, 400);
    EXPECT_EQ(kMinMainHeight, 350);
    EXPECT_EQ(kMinTrackSize, 400);
}

}  // namespace
}  // namespace logic
