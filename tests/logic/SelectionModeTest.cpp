#include "logic/SelectionMode.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(SelectionModeFor, FollowsCountAndCurrentEntry) {
    EXPECT_EQ(SelectionModeFor(0, false), 0);
    EXPECT_EQ(SelectionModeFor(0, true), 0);
    EXPECT_EQ(SelectionModeFor(1, false), 2);
    EXPECT_EQ(SelectionModeFor(1, true), 2);
    EXPECT_EQ(SelectionModeFor(2, false), 1);
    EXPECT_EQ(SelectionModeFor(2, true), 3);
    EXPECT_EQ(SelectionModeFor(500, false), 1);
    EXPECT_EQ(SelectionModeFor(500, true), 3);
}

TEST(SelectionModeFor, NegativeCountMeansNothingSelected) {
    EXPECT_EQ(SelectionModeFor(-1, true), 0);
}

TEST(TabsForMode, SelectedFontsFollowBitZeroAndTheOthersBitOne) {
    const TabVisibility none = TabsForMode(0);
    EXPECT_FALSE(none.selectedFonts);
    EXPECT_FALSE(none.fontTest);
    EXPECT_FALSE(none.charMap);

    const TabVisibility several = TabsForMode(1);
    EXPECT_TRUE(several.selectedFonts);
    EXPECT_FALSE(several.fontTest);
    EXPECT_FALSE(several.charMap);

    const TabVisibility one = TabsForMode(2);
    EXPECT_FALSE(one.selectedFonts);
    EXPECT_TRUE(one.fontTest);
    EXPECT_TRUE(one.charMap);

    const TabVisibility both = TabsForMode(3);
    EXPECT_TRUE(both.selectedFonts);
    EXPECT_TRUE(both.fontTest);
    EXPECT_TRUE(both.charMap);
}

TEST(DesignatedListForMode, NamesTheListHoldingTheDesignatedFont) {
    EXPECT_EQ(DesignatedListForMode(0), DesignatedList::None);
    EXPECT_EQ(DesignatedListForMode(1), DesignatedList::None);
    EXPECT_EQ(DesignatedListForMode(2), DesignatedList::FontList);
    EXPECT_EQ(DesignatedListForMode(3), DesignatedList::SelectedList);
    EXPECT_EQ(DesignatedListForMode(4), DesignatedList::None);
    EXPECT_EQ(DesignatedListForMode(255), DesignatedList::None);
}

}  // namespace
}  // namespace logic
