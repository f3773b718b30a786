#include "logic/FontListLayout.h"

#include <string_view>

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(FontListLayout, Constants) {
    EXPECT_EQ(std::string_view(kNameFace), "times new roman");
    EXPECT_EQ(kNamePoints, 12);
    EXPECT_EQ(kNameLeft, 1);
    EXPECT_EQ(kPreviewColumn, 220);
    EXPECT_EQ(kPreviewTop, 1);
}

TEST(PreviewCellHeight, LeavesTheLastRowFree) {
    EXPECT_EQ(PreviewCellHeight(21), 20);
    EXPECT_EQ(PreviewCellHeight(1), 0);
    EXPECT_EQ(PreviewCellHeight(0), -1);
    EXPECT_EQ(PreviewCellHeight(-2147483647 - 1), 2147483647);  // wraps
}

TEST(NameTop, CentresTheNameInThePreviewCell) {
    EXPECT_EQ(NameTop(21, 19), 1);
    EXPECT_EQ(NameTop(21, 16), 3);  // (20 - 16) / 2 + 1
    EXPECT_EQ(NameTop(32, 16), 8);  // 15 / 2 + 1
    EXPECT_EQ(NameTop(1, 16), -7);
    EXPECT_EQ(NameTop(16, 16), 1);                                     // -1 / 2 truncates to 0
    EXPECT_EQ(NameTop(15, 16), 0);                                     // -2 / 2 + 1
    EXPECT_EQ(NameTop(14, 16), 0);                                     // -3 / 2 truncates to -1
    EXPECT_EQ(NameTop(2147483647, -2147483647 - 1), -2147483647 - 1);  // wraps
}

}  // namespace
}  // namespace logic
