// The colours of the font test page: the two split buttons with their colour grids and the
// colour dialog behind their main parts.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "ColorDialogDriver.h"
#include "support/ProgramFixture.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/StandardColors.h"

namespace {

constexpr int kRed = 16;     // row 2, column 0
constexpr int kDarkRed = 8;  // row 1, column 0
constexpr int kLightYellow = 34;

LPARAM CellCentre(int cell) {
    const RECT r = tk::ColorPalette::CellRect(cell);
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Queues what the user does in the grid; the grid reads it once it is open.
void QueueClickOnCell(tk::ColorPalette& palette, int cell) {
    ::PostMessageA(palette.Handle(), WM_MOUSEMOVE, 0, CellCentre(cell));
    ::PostMessageA(palette.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(cell));
    ::PostMessageA(palette.Handle(), WM_LBUTTONUP, 0, CellCentre(cell));
}

void QueueKey(tk::ColorPalette& palette, UINT key) {
    ::PostMessageA(palette.Handle(), WM_KEYDOWN, key, 1);
}

struct DrawnColors {
    COLORREF text;
    COLORREF back;
};

// The colours the memo asks the system to draw it in.
DrawnColors MemoColors(letterloom::MainWindow& form) {
    tk::WindowDC dc(form.FontTest().Memo().Handle());
    ::SendMessageA(form.FontTest().Sheet().Handle(), WM_CTLCOLOREDIT,
                   reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(form.FontTest().Memo().Handle()));
    return {::GetTextColor(dc.get()), ::GetBkColor(dc.get())};
}

class FontTestColorsTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgramOnPage("字体测试");
        ASSERT_EQ(form->Pages().ActivePage(), (&form->FontTest().Sheet()));
    }
    void DropDown(UINT button) { form->FontTest().Toolbar().DropDownButton(button); }
};

TEST_F(FontTestColorsTest, GridsStartWithBlackAndWithNoColour) {
    EXPECT_EQ(form->FontTest().TextColors().Chosen(), RGB(0, 0, 0));
    EXPECT_EQ(form->FontTest().TextColors().ChosenCell(), 0);
    EXPECT_EQ(form->FontTest().BackgroundColors().ChosenCell(), -1);
    EXPECT_FALSE(form->FontTest().TextColors().Visible());
}

TEST_F(FontTestColorsTest, PickingInTheTextGridColoursTheText) {
    QueueClickOnCell(form->FontTest().TextColors(), kRed);
    DropDown(form->FontTest().TextColorButton());
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(255, 0, 0));
    EXPECT_EQ(MemoColors(*form).text, RGB(255, 0, 0));
    EXPECT_FALSE(form->FontTest().TextColors().Open());
    EXPECT_FALSE(form->FontTest().TextColors().Visible());
    // The background is the other grid's business.
    EXPECT_EQ(form->FontTest().Memo().GetColor(), tk::kClWindow);
}

TEST_F(FontTestColorsTest, PickingInTheBackgroundGridColoursTheBackground) {
    QueueClickOnCell(form->FontTest().BackgroundColors(), kLightYellow);
    DropDown(form->FontTest().BackgroundColorButton());
    EXPECT_EQ(form->FontTest().Memo().GetColor(), RGB(255, 255, 153));
    EXPECT_EQ(MemoColors(*form).back, RGB(255, 255, 153));
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(0, 0, 0));
    // Opened again, the grid marks the background colour.
    QueueKey(form->FontTest().BackgroundColors(), VK_ESCAPE);
    DropDown(form->FontTest().BackgroundColorButton());
    EXPECT_EQ(form->FontTest().BackgroundColors().ChosenCell(), kLightYellow);
}

TEST_F(FontTestColorsTest, DismissingTheGridChangesNothing) {
    QueueKey(form->FontTest().TextColors(), VK_ESCAPE);
    DropDown(form->FontTest().TextColorButton());
    EXPECT_FALSE(form->FontTest().TextColors().Open());
    ::PostMessageA(form->FontTest().TextColors().Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                   MAKELPARAM(-5, -5));
    DropDown(form->FontTest().TextColorButton());
    EXPECT_FALSE(form->FontTest().TextColors().Open());
    // A release over the grid's margin picks nothing either.
    ::PostMessageA(form->FontTest().TextColors().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    QueueKey(form->FontTest().TextColors(), VK_ESCAPE);
    DropDown(form->FontTest().TextColorButton());
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(0, 0, 0));
}

TEST_F(FontTestColorsTest, KeysMoveThroughTheGridAndEnterPicks) {
    // The first arrow lands on the chosen cell (black), the next ones move.
    QueueKey(form->FontTest().TextColors(), VK_RIGHT);
    QueueKey(form->FontTest().TextColors(), VK_DOWN);
    QueueKey(form->FontTest().TextColors(), VK_RETURN);
    DropDown(form->FontTest().TextColorButton());
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(128, 0, 0));
    EXPECT_EQ(form->FontTest().TextColors().ChosenCell(), kDarkRed);
}

TEST_F(FontTestColorsTest, DialogColourIsMarkedInTheGridOnlyWhenItIsOneOfTheForty) {
    {
        testsupport::ColorDialogDriver driver(RGB(255, 0, 0));
        form->FontTest().Toolbar().ClickButton(form->FontTest().TextColorButton());
        EXPECT_EQ(driver.Answered(), 1);
    }
    QueueKey(form->FontTest().TextColors(), VK_ESCAPE);
    DropDown(form->FontTest().TextColorButton());
    EXPECT_EQ(form->FontTest().TextColors().ChosenCell(), kRed);
    {
        testsupport::ColorDialogDriver driver(RGB(1, 2, 3));
        form->FontTest().Toolbar().ClickButton(form->FontTest().TextColorButton());
    }
    QueueKey(form->FontTest().TextColors(), VK_ESCAPE);
    DropDown(form->FontTest().TextColorButton());
    EXPECT_EQ(form->FontTest().TextColors().ChosenCell(), -1);
}

TEST_F(FontTestColorsTest, TextColourDialogStartsFromTheTextColourAndCancelKeepsIt) {
    {
        testsupport::ColorDialogDriver driver(RGB(10, 20, 30));
        form->FontTest().Toolbar().ClickButton(form->FontTest().TextColorButton());
        ASSERT_EQ(driver.Answered(), 1);
        EXPECT_EQ(driver.Shown(), RGB(0, 0, 0));
    }
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(10, 20, 30));
    EXPECT_EQ(MemoColors(*form).text, RGB(10, 20, 30));
    {
        testsupport::ColorDialogDriver driver(std::nullopt);
        form->FontTest().Toolbar().ClickButton(form->FontTest().TextColorButton());
        ASSERT_EQ(driver.Answered(), 1);
        EXPECT_EQ(driver.Shown(), RGB(10, 20, 30));
    }
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(10, 20, 30));
}

TEST_F(FontTestColorsTest, BackgroundColourDialogStartsFromTheWindowColour) {
    {
        testsupport::ColorDialogDriver driver(RGB(200, 220, 240));
        form->FontTest().Toolbar().ClickButton(form->FontTest().BackgroundColorButton());
        ASSERT_EQ(driver.Answered(), 1);
        EXPECT_EQ(driver.Shown(), ::GetSysColor(COLOR_WINDOW));
    }
    EXPECT_EQ(form->FontTest().Memo().GetColor(), RGB(200, 220, 240));
    EXPECT_EQ(MemoColors(*form).back, RGB(200, 220, 240));
    EXPECT_EQ(form->FontTest().Memo().GetFont().color, RGB(0, 0, 0));
}

TEST(StandardColorsTest, GridRunsFromBlackToWhiteWithEnglishNames) {
    const auto& colors = tk::StandardColors();
    ASSERT_EQ(colors.size(), 40u);
    EXPECT_STREQ(colors[0].name, "Black");
    EXPECT_EQ(colors[0].color, RGB(0, 0, 0));
    EXPECT_STREQ(colors[5].name, "Dark blue");
    EXPECT_EQ(colors[5].color, RGB(0, 0, 128));
    EXPECT_STREQ(colors[23].name, "Gray-40%");
    EXPECT_EQ(colors[23].color, RGB(150, 150, 150));
    EXPECT_STREQ(colors[30].name, "Plum");
    EXPECT_EQ(colors[30].color, RGB(153, 51, 102));
    EXPECT_STREQ(colors[39].name, "White");
    EXPECT_EQ(colors[39].color, RGB(255, 255, 255));
    for (size_t i = 0; i < colors.size(); ++i)
        for (size_t j = i + 1; j < colors.size(); ++j)
            EXPECT_NE(colors[i].color, colors[j].color) << colors[i].name << " " << colors[j].name;
}

TEST_F(FontTestColorsTest, EveryCellShowsItsColourWithItsNameAsTooltip) {
    tk::ColorPalette& palette = form->FontTest().TextColors();
    const auto& colors = tk::StandardColors();
    HWND tips = palette.ToolTips();
    ASSERT_EQ(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 40);
    for (int cell = 0; cell < 40; ++cell) {
        char text[80] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        ASSERT_TRUE(::SendMessageA(tips, TTM_ENUMTOOLSA, cell, reinterpret_cast<LPARAM>(&tool)));
        const RECT expected = tk::ColorPalette::CellRect(static_cast<int>(tool.uId));
        EXPECT_TRUE(::EqualRect(&tool.rect, &expected)) << cell;
        EXPECT_STREQ(text, colors[tool.uId].name);
        const RECT r = tk::ColorPalette::CellRect(cell);
        EXPECT_EQ(tk::ColorPalette::CellAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}),
                  cell);
    }

    // The swatch in the middle of each cell, as the grid paints it.
    const RECT client = palette.ClientRect();
    tk::MemoryBitmap painted(client.right, client.bottom);
    ::SendMessageA(palette.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.DC()),
                   PRF_CLIENT);
    for (int cell = 0; cell < 40; ++cell) {
        const RECT r = tk::ColorPalette::CellRect(cell);
        EXPECT_EQ(painted.Pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2),
                  static_cast<COLORREF>(colors[static_cast<size_t>(cell)].color))
            << colors[static_cast<size_t>(cell)].name;
    }
}

}  // namespace
