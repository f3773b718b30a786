// Tabs follow the selection of the font list, reached through real clicks and keys.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/ProgramFixture.h"

namespace {

using Tabs = std::vector<std::string>;
const Tabs kMode0{"字体列表"};
const Tabs kMode1{"字体列表", "已选字体"};
const Tabs kMode2{"字体列表", "字体测试", "字符映射表"};
const Tabs kMode3{"字体列表", "已选字体", "字体测试", "字符映射表"};

class SelectionTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
        ASSERT_GT(form->FontList().List().Count(), 6);
    }
    std::vector<std::string> SelectedListItems() {
        std::vector<std::string> items;
        for (int i = 0; i < form->SelectedFonts().List().Count(); ++i)
            items.push_back(form->SelectedFonts().List().Item(i));
        return items;
    }
};

TEST_F(SelectionTest, StartsInModeTwoWithOneFont) {
    EXPECT_EQ(form->SelectionMode(), 2);
    EXPECT_EQ(VisibleTabs(), kMode2);
}

TEST_F(SelectionTest, ClickingOneFontKeepsModeTwo) {
    testsupport::ClickListItem(form->FontList().List(), 3);
    EXPECT_EQ(form->FontList().List().SelCount(), 1);
    EXPECT_EQ(form->FontList().List().ItemIndex(), 3);
    EXPECT_EQ(VisibleTabs(), kMode2);
}

TEST_F(SelectionTest, SeveralFontsGiveModeOneWithTheSelectedListInListOrder) {
    testsupport::ClickListItem(form->FontList().List(), 5);
    testsupport::ClickListItem(form->FontList().List(), 2, MK_CONTROL);
    EXPECT_EQ(VisibleTabs(), kMode1);
    EXPECT_EQ(SelectedListItems(), (std::vector<std::string>{form->FontList().List().Item(2),
                                                             form->FontList().List().Item(5)}));

    testsupport::ClickListItem(form->FontList().List(), 4,
                               MK_SHIFT);  // range from the focused item 2
    EXPECT_EQ(form->FontList().List().SelCount(), 3);
    EXPECT_EQ(SelectedListItems(), (std::vector<std::string>{form->FontList().List().Item(2),
                                                             form->FontList().List().Item(3),
                                                             form->FontList().List().Item(4)}));
}

TEST_F(SelectionTest, ShiftArrowExtendsTheSelectionFromTheKeyboard) {
    testsupport::PressKey(form->FontList().List().Handle(), VK_DOWN, true);
    EXPECT_EQ(form->FontList().List().SelCount(), 2);
    EXPECT_EQ(VisibleTabs(), kMode1);
    testsupport::PressKey(form->FontList().List().Handle(), VK_DOWN);
    EXPECT_EQ(form->FontList().List().SelCount(), 1);
    EXPECT_EQ(VisibleTabs(), kMode2);
}

TEST_F(SelectionTest, PickInTheSelectedListGivesModeThreeThenBackToOneFont) {
    testsupport::ClickListItem(form->FontList().List(), 1, MK_SHIFT);
    ASSERT_EQ(VisibleTabs(), kMode1);
    testsupport::ClickTab(form->Pages(), "已选字体");
    ASSERT_EQ(form->Pages().ActivePage(), (&form->SelectedFonts().Sheet()));
    testsupport::ClickListItem(form->SelectedFonts().List(), 1);
    EXPECT_EQ(form->SelectionMode(), 3);
    EXPECT_EQ(VisibleTabs(), kMode3);

    // Opening the test page shows the picked font there.
    testsupport::ClickTab(form->Pages(), "字体测试");
    EXPECT_EQ(form->FontTest().Memo().GetFont().name, form->SelectedFonts().List().Item(1));
    EXPECT_EQ(form->FontTest().FontNameLabel().Text(),
              "字体: " + form->SelectedFonts().List().Item(1));

    testsupport::ClickTab(form->Pages(), "字体列表");
    testsupport::ClickListItem(form->FontList().List(), 4);
    EXPECT_EQ(VisibleTabs(), kMode2);
}

TEST_F(SelectionTest, NothingSelectedLeavesOnlyTheFontListTab) {
    testsupport::ClickListItem(form->FontList().List(), 0, MK_CONTROL);
    EXPECT_EQ(form->FontList().List().SelCount(), 0);
    EXPECT_EQ(form->SelectionMode(), 0);
    EXPECT_EQ(VisibleTabs(), kMode0);
}

TEST_F(SelectionTest, HiddenTabsComeBackInTheirPlace) {
    testsupport::ClickListItem(form->FontList().List(), 0, MK_CONTROL);
    ASSERT_EQ(VisibleTabs(), kMode0);
    testsupport::ClickListItem(form->FontList().List(), 2, MK_CONTROL);
    testsupport::ClickListItem(form->FontList().List(), 3, MK_CONTROL);
    ASSERT_EQ(VisibleTabs(), kMode1);
    testsupport::ClickTab(form->Pages(), "已选字体");
    testsupport::ClickListItem(form->SelectedFonts().List(), 0);
    EXPECT_EQ(VisibleTabs(), kMode3);
}

TEST_F(SelectionTest, SingleFontThatIsNotFocusedUsesTheFocusedEntry) {
    testsupport::ClickListItem(form->FontList().List(), 2,
                               MK_CONTROL);  // 0 and 2 selected, 2 focused
    testsupport::ClickListItem(form->FontList().List(), 2,
                               MK_CONTROL);  // 2 unselected, still focused
    ASSERT_EQ(form->FontList().List().SelCount(), 1);
    EXPECT_EQ(VisibleTabs(), kMode2);
    testsupport::ClickTab(form->Pages(), "字体测试");
    EXPECT_EQ(form->FontTest().Memo().GetFont().name, form->FontList().List().Item(2));
}

TEST_F(SelectionTest, TestFontIsSetOnlyWhenItsPageOpens) {
    const std::string before = form->FontTest().Memo().GetFont().name;
    testsupport::ClickListItem(form->FontList().List(), 4);
    EXPECT_EQ(form->FontTest().Memo().GetFont().name, before);
    testsupport::ClickTab(form->Pages(), "字体测试");
    EXPECT_EQ(form->FontTest().Memo().GetFont().name, form->FontList().List().Item(4));
    EXPECT_EQ(form->FontTest().Memo().GetFont().Size(), 24);
}

// The first family whose name begins with an ASCII prefix, ignoring case; -1 for none.
int FirstFamilyBeginningWith(tk::ListBox& list, const std::string& prefix) {
    for (int i = 0; i < list.Count(); ++i)
        if (::_strnicmp(list.Item(i).c_str(), prefix.c_str(), prefix.size()) == 0) return i;
    return -1;
}

TEST_F(SelectionTest, TypingSelectsTheFirstFamilyBeginningWithWhatWasTypedWithinASecond) {
    tk::ListBox& list = form->FontList().List();
    DWORD now = 0xFFFFF000;  // the counter wraps on the way
    list.SetTickSource([&] { return now; });
    testsupport::ClickListItem(list, 1, MK_SHIFT);  // several selected: typing selects one again
    ASSERT_EQ(VisibleTabs(), kMode1);
    const struct {
        DWORD pauseMs;
        const char* typed;
        const char* found;  // the prefix whose first family is then selected
    } steps[] = {
        {5000, "lib", "Lib"}, {500, "q", "Lib"},    // "libq" begins no name: nothing moves
        {1001, "d", "D"},     {1000, "ej", "Dej"},  // a pause of one second still extends
        {1001, "\bLi", "Li"},                       // Backspace is no character of a name
    };
    for (const auto& step : steps) {
        now += step.pauseMs;
        testsupport::TypeText(list.Handle(), step.typed);
        const int expected = FirstFamilyBeginningWith(list, step.found);
        ASSERT_GE(expected, 0) << step.found;
        EXPECT_EQ(list.ItemIndex(), expected) << step.typed;
        EXPECT_TRUE(list.Selected(expected)) << step.typed;
        EXPECT_EQ(list.SelCount(), 1) << step.typed;
        EXPECT_EQ(VisibleTabs(), kMode2) << step.typed;
    }
    testsupport::ClickTab(form->Pages(), "字体测试");
    EXPECT_EQ(form->FontTest().FontNameLabel().Text(),
              "字体: " + list.Item(FirstFamilyBeginningWith(list, "Li")));

    // The selected-fonts list finds its fonts the same way, and the pick leads to mode 3.
    testsupport::ClickTab(form->Pages(), "字体列表");
    testsupport::ClickListItem(list, 0);
    testsupport::ClickListItem(list, FirstFamilyBeginningWith(list, "Lib"), MK_SHIFT);
    testsupport::ClickTab(form->Pages(), "已选字体");
    tk::ListBox& selected = form->SelectedFonts().List();
    selected.SetTickSource([&] { return now; });
    testsupport::TypeText(selected.Handle(), "d");
    EXPECT_EQ(selected.ItemIndex(), FirstFamilyBeginningWith(selected, "D"));
    EXPECT_EQ(form->SelectionMode(), 3);
}

}  // namespace

namespace {

class PageFocusTest : public testsupport::ProgramTest {};

TEST_F(PageFocusTest, KeysNeverGoToAControlOfAHiddenPage) {
    StartProgram();
    form->FontList().List().SetFocus();
    ASSERT_TRUE(form->FontList().List().Focused());
    testsupport::ClickTab(form->Pages(), "字体测试");
    HWND focus = ::GetFocus();
    EXPECT_FALSE(focus == form->FontList().List().Handle());
    EXPECT_TRUE(focus == nullptr || ::IsWindowVisible(focus));
    const int before = form->FontList().List().ItemIndex();
    if (focus) testsupport::PressKey(focus, VK_DOWN);
    EXPECT_EQ(form->FontList().List().ItemIndex(), before);
}

}  // namespace
