// The font test page: its toolbar, the size box, the style toggles and the memo's text.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "support/DialogWatcher.h"
#include "support/ProgramFixture.h"
#include "toolkit/Application.h"

namespace {

int PixelsForPoints(int points) { return -::MulDiv(points, 96, 72); }

void TypeChars(HWND hwnd, const std::string& text) {
    for (char c : text) ::SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    testsupport::Pump();
}

class FontTestPageTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgramOnPage("字体测试");
        ASSERT_EQ(form->Pages().ActivePage(), (&form->FontTest().Sheet()));
    }
    void TearDown() override {
        EXPECT_TRUE(testsupport::Settle());
        EXPECT_EQ(watcher.Seen().size(), expectedMessages) << "message boxes";
        ProgramTest::TearDown();
    }

    HWND SizeEdit() { return form->FontTest().SizeBox().EditHandle(); }

    // The size box holds all of text but its last character, which the user types at its end.
    // (Typing all of "$10" would report "$" on the way.)
    void TypeSize(const std::string& text) {
        form->FontTest().SizeBox().SetText(text.substr(0, text.size() - 1));
        ::SendMessageA(SizeEdit(), EM_SETSEL, text.size(), text.size());
        TypeChars(SizeEdit(), text.substr(text.size() - 1));
    }

    int TestHeight() { return form->FontTest().Memo().GetFont().height; }

    // Records and closes the error boxes the page shows.
    testsupport::DialogWatcher watcher;
    size_t expectedMessages = 0;

    void ClickButton(UINT id) {
        form->FontTest().Toolbar().ClickButton(id);
        tk::Application::Instance().DoIdle();
    }
};

TEST_F(FontTestPageTest, FirstShowingSetsTwentyFourPointsAndNoStyle) {
    EXPECT_EQ(form->FontTest().SizeBox().Text(), "24");
    EXPECT_EQ(TestHeight(), PixelsForPoints(24));
    EXPECT_EQ(form->FontTest().Memo().GetFont().style, 0u);
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(0, 0, 0));
    EXPECT_EQ(form->FontTest().Memo().GetColor(), tk::kClWindow);
    EXPECT_EQ(form->FontTest().Memo().Text(), program->settings.testText);
    EXPECT_EQ(form->FontTest().FontNameLabel().Text(), "字体: " + form->FontList().List().Item(0));
}

TEST_F(FontTestPageTest, ToolbarHoldsItsItemsLeftToRight) {
    tk::ToolBar& bar = form->FontTest().Toolbar();
    EXPECT_EQ(form->FontTest().SizeLabel().Text(), "字体大小: ");
    EXPECT_EQ(bar.ButtonHint(form->FontTest().BoldButton()), "字体测试粗体");
    EXPECT_EQ(bar.ButtonHint(form->FontTest().ItalicButton()), "字体测试斜体");
    EXPECT_EQ(bar.ButtonHint(form->FontTest().UnderlineButton()), "字体测试下划线");
    EXPECT_EQ(bar.ButtonHint(form->FontTest().TextColorButton()), "字体颜色");
    EXPECT_EQ(bar.ButtonHint(form->FontTest().BackgroundColorButton()), "背景颜色");

    const std::vector<int> lefts{form->FontTest().SizeLabel().BoundsRect().left,
                                 form->FontTest().SizeBox().BoundsRect().left,
                                 bar.ButtonRect(form->FontTest().BoldButton()).left,
                                 bar.ButtonRect(form->FontTest().ItalicButton()).left,
                                 bar.ButtonRect(form->FontTest().UnderlineButton()).left,
                                 bar.ButtonRect(form->FontTest().TextColorButton()).left,
                                 bar.ButtonRect(form->FontTest().BackgroundColorButton()).left,
                                 form->FontTest().FontNameLabel().BoundsRect().left};
    for (size_t i = 1; i < lefts.size(); ++i) EXPECT_LT(lefts[i - 1], lefts[i]) << i;

    // Icons 20, 18, 19 for the styles; 16 and 15 for the colours.
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE;
    const std::vector<std::pair<UINT, int>> icons{{form->FontTest().BoldButton(), 20},
                                                  {form->FontTest().ItalicButton(), 18},
                                                  {form->FontTest().UnderlineButton(), 19},
                                                  {form->FontTest().TextColorButton(), 16},
                                                  {form->FontTest().BackgroundColorButton(), 15}};
    for (const auto& [id, image] : icons) {
        ::SendMessageA(bar.Handle(), TB_GETBUTTONINFOA, id, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.iImage, image);
    }
    // The label is one font step larger than the toolbar's other texts.
    EXPECT_GT(::SendMessageA(form->FontTest().SizeLabel().Handle(), WM_GETFONT, 0, 0), 0);
    LOGFONTA label{}, other{};
    ::GetObjectA(reinterpret_cast<HFONT>(
                     ::SendMessageA(form->FontTest().SizeLabel().Handle(), WM_GETFONT, 0, 0)),
                 sizeof label, &label);
    ::GetObjectA(reinterpret_cast<HFONT>(
                     ::SendMessageA(form->FontTest().SizeBox().Handle(), WM_GETFONT, 0, 0)),
                 sizeof other, &other);
    EXPECT_LT(label.lfHeight, other.lfHeight);  // character heights are negative
}

TEST_F(FontTestPageTest, SizeListOffersTheSixteenSizes) {
    std::vector<std::string> items;
    for (int i = 0; i < form->FontTest().SizeBox().Count(); ++i)
        items.push_back(form->FontTest().SizeBox().Item(i));
    EXPECT_EQ(items, (std::vector<std::string>{"8", "10", "12", "14", "16", "18", "20", "22", "24",
                                               "26", "28", "30", "32", "34", "36", "72"}));
}

TEST_F(FontTestPageTest, EveryTypedCharacterSetsTheSize) {
    form->FontTest().SizeBox().SetText("");
    TypeChars(SizeEdit(), "1");
    EXPECT_EQ(TestHeight(), PixelsForPoints(1));
    TypeChars(SizeEdit(), "2");
    EXPECT_EQ(form->FontTest().SizeBox().Text(), "12");
    EXPECT_EQ(TestHeight(), PixelsForPoints(12));
    EXPECT_EQ(form->FontTest().Memo().GetFont().Size(), 12);
}

TEST_F(FontTestPageTest, SizeTextReadsSignsAndHexadecimal) {
    TypeSize("$10");
    EXPECT_EQ(TestHeight(), PixelsForPoints(16));
    TypeSize("0x1C");
    EXPECT_EQ(TestHeight(), PixelsForPoints(28));
    TypeSize("  30");
    EXPECT_EQ(TestHeight(), PixelsForPoints(30));
    // Zero asks for the face's default height; minus n points a cell height of n points.
    TypeSize("0");
    EXPECT_EQ(TestHeight(), 0);
    TypeSize("-8");
    EXPECT_EQ(TestHeight(), ::MulDiv(8, 96, 72));
}

TEST_F(FontTestPageTest, BlankSizeTextGivesOnePointWithoutAMessage) {
    TypeSize(" ");
    EXPECT_EQ(TestHeight(), PixelsForPoints(1));
    TypeSize("  ");
    EXPECT_EQ(TestHeight(), PixelsForPoints(1));
    form->FontTest().SizeBox().SetText("9");
    ::SendMessageA(SizeEdit(), EM_SETSEL, 0, 1);
    TypeChars(SizeEdit(), "\b");  // the user deletes the last character
    EXPECT_EQ(form->FontTest().SizeBox().Text(), "");
    EXPECT_EQ(TestHeight(), PixelsForPoints(1));
}

TEST_F(FontTestPageTest, SizeTextThatIsNoIntegerIsReportedAndKeepsTheSize) {
    expectedMessages = 2;
    TypeSize("14");
    TypeChars(SizeEdit(), "a");
    ASSERT_TRUE(testsupport::Settle());
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "'14a' 不是有效整数值.");
    EXPECT_EQ(seen[0].caption, "Letterloom");
    EXPECT_TRUE(seen[0].errorIcon);
    EXPECT_EQ(TestHeight(), PixelsForPoints(14));
    EXPECT_EQ(form->FontTest().SizeBox().Text(), "14a");
    // Trailing blanks are no integer either. ("20" is set by the program, so no change.)
    TypeSize("20 ");
    ASSERT_TRUE(testsupport::Settle());
    ASSERT_EQ(watcher.Seen().size(), 2u);
    EXPECT_EQ(watcher.Seen()[1].text, "'20 ' 不是有效整数值.");
    EXPECT_EQ(TestHeight(), PixelsForPoints(14));
}

TEST_F(FontTestPageTest, ChoosingAnEntryOfTheListSetsItsSize) {
    ::SendMessageA(form->FontTest().SizeBox().Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(form->FontTest().SizeBox().Handle(), &info);
    // The open list starts scrolled to the current size when it is shorter than the list of
    // sizes; like the user, bring the entry into view before clicking it.
    const LRESULT index =
        ::SendMessageA(info.hwndList, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("14"));
    ASSERT_NE(index, LB_ERR);
    RECT list{}, entry{};
    ::GetClientRect(info.hwndList, &list);
    ::SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
    if (entry.top < list.top || entry.bottom > list.bottom) {
        ::SendMessageA(info.hwndList, LB_SETTOPINDEX, index, 0);
        ::SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
    }
    ASSERT_TRUE(entry.top >= list.top && entry.bottom <= list.bottom) << "the entry stays hidden";
    const LPARAM at = MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
    ::SendMessageA(info.hwndList, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(info.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(info.hwndList, WM_LBUTTONUP, 0, at);
    testsupport::Pump();
    EXPECT_EQ(form->FontTest().SizeBox().Text(), "14");
    EXPECT_EQ(TestHeight(), PixelsForPoints(14));
}

// The manifest asks for version 6 of the common controls (only those know CB_GETMINVISIBLE). A
// manifest naming another processor than the program's loses them, or keeps it from starting.
TEST_F(FontTestPageTest, TheSizeBoxIsACommonControlsSixOne) {
    EXPECT_EQ(::SendMessageA(form->FontTest().SizeBox().Handle(), CB_GETMINVISIBLE, 0, 0), 30);
}

TEST_F(FontTestPageTest, SizeTextSetByTheProgramChangesNothing) {
    form->FontTest().SizeBox().SetText("30");
    testsupport::Pump();
    EXPECT_EQ(TestHeight(), PixelsForPoints(24));
}

TEST_F(FontTestPageTest, StyleButtonsToggleTheirOwnStyleAndShowTheMemosStyle) {
    ClickButton(form->FontTest().BoldButton());
    EXPECT_EQ(form->FontTest().Memo().GetFont().style, unsigned(tk::kBold));
    EXPECT_TRUE(form->FontTest().Toolbar().ButtonChecked(form->FontTest().BoldButton()));
    ClickButton(form->FontTest().UnderlineButton());
    ClickButton(form->FontTest().ItalicButton());
    EXPECT_EQ(form->FontTest().Memo().GetFont().style,
              unsigned(tk::kBold | tk::kItalic | tk::kUnderline));
    ClickButton(form->FontTest().BoldButton());
    EXPECT_EQ(form->FontTest().Memo().GetFont().style, unsigned(tk::kItalic | tk::kUnderline));
    EXPECT_FALSE(form->FontTest().Toolbar().ButtonChecked(form->FontTest().BoldButton()));
    EXPECT_TRUE(form->FontTest().Toolbar().ButtonChecked(form->FontTest().ItalicButton()));
    EXPECT_TRUE(form->FontTest().Toolbar().ButtonChecked(form->FontTest().UnderlineButton()));

    // The memo really uses the style.
    LOGFONTA used{};
    ::GetObjectA(
        reinterpret_cast<HFONT>(::SendMessageA(form->FontTest().Memo().Handle(), WM_GETFONT, 0, 0)),
        sizeof used, &used);
    EXPECT_EQ(used.lfWeight, FW_NORMAL);
    EXPECT_TRUE(used.lfItalic);
    EXPECT_TRUE(used.lfUnderline);
    EXPECT_FALSE(used.lfStrikeOut);
}

TEST_F(FontTestPageTest, ExecuteGoesByThePressedStateUntilTheNextUpdate) {
    // Bold set behind the button's back: the button still shows it released.
    tk::FontSpec font = form->FontTest().Memo().GetFont();
    font.Set(tk::kBold, true);
    form->FontTest().Memo().SetFont(font);
    form->FontTest().Toolbar().ClickButton(form->FontTest().BoldButton());
    EXPECT_TRUE(form->FontTest().Memo().GetFont().Has(tk::kBold));
    EXPECT_FALSE(form->FontTest().BoldAction().Checked());
    tk::Application::Instance().DoIdle();
    EXPECT_TRUE(form->FontTest().BoldAction().Checked());
    EXPECT_TRUE(form->FontTest().Toolbar().ButtonChecked(form->FontTest().BoldButton()));
}

TEST_F(FontTestPageTest, SizeAndStyleSurviveAChangeOfFace) {
    TypeSize("30");
    ClickButton(form->FontTest().ItalicButton());
    testsupport::ClickTab(form->Pages(), "字体列表");
    testsupport::ClickListItem(form->FontList().List(), 5);
    testsupport::ClickTab(form->Pages(), "字体测试");
    EXPECT_EQ(form->FontTest().Memo().GetFont().name, form->FontList().List().Item(5));
    EXPECT_EQ(TestHeight(), PixelsForPoints(30));
    EXPECT_TRUE(form->FontTest().Memo().GetFont().Has(tk::kItalic));
    EXPECT_EQ(form->FontTest().SizeBox().Text(), "30");
}

TEST_F(FontTestPageTest, TypedTextBecomesTheStoredTestTextLineBreaksIncluded) {
    form->FontTest().Memo().SetText("");
    EXPECT_EQ(program->settings.testText, "");
    TypeChars(form->FontTest().Memo().Handle(), "ab\rc");
    EXPECT_EQ(form->FontTest().Memo().Text(), "ab\r\nc");
    EXPECT_EQ(program->settings.testText, "ab\r\nc");
}

TEST_F(FontTestPageTest, TypingStopsAtTwoHundredCharactersButStoredTextShowsWhole) {
    form->FontTest().Memo().SetText("");
    TypeChars(form->FontTest().Memo().Handle(), std::string(205, 'x'));
    EXPECT_EQ(form->FontTest().Memo().Text().size(), 200u);
    EXPECT_EQ(program->settings.testText.size(), 200u);

    const std::string stored(300, 'y');
    form->FontTest().Memo().SetText(stored);
    EXPECT_EQ(form->FontTest().Memo().Text(), stored);
    EXPECT_EQ(program->settings.testText, stored);
}

}  // namespace
