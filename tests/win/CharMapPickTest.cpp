// Picking cells of the character map, the text buffer, the clipboard and the wheel.
#include <windows.h>

#include <gtest/gtest.h>

#include "CharMapTestSupport.h"
#include "charmap/CharMapRenderer.h"
#include "print/CommonDialogs.h"
#include "print/PrintProgressDialog.h"
#include "support/DialogWatcher.h"
#include "toolkit/Menu.h"
#include "toolkit/Printer.h"
#include "toolkit/UniqueHandle.h"

namespace {

using charmaptest::CharMapTest;
using charmaptest::kBlack;
using charmaptest::kBlue;
using charmaptest::kWhite;
using charmaptest::kYellow;

constexpr const char* kFont = "DejaVu Sans";
constexpr int kS = 70;
// With 5 columns a press at (140, 70) is on column 2 of row 1: code 2 + 5 + 32 = 39, "'".
constexpr int kPickX = 140;
constexpr int kPickY = 70;
constexpr uint8_t kPicked = 39;
// The position after code 255 in the last row of a 5-column map.
constexpr int kEmptyX = 4 * kS + 10;
constexpr int kEmptyY = 44 * kS + 10;

class PickTest : public CharMapTest {
protected:
    void SetUp() override {
        CharMapTest::SetUp();
        OpenMap(kFont, charmaptest::WidthForColumns(5));
    }
    int Highlighted() { return charmaptest::CellsWithInterior(Map(), 5, kBlue); }
    bool IsHighlighted(int code) {
        const logic::CellOrigin cell = logic::CellOriginFor(code, kS, 5, 0, 0);
        return Map().Pixel(cell.left + 5, cell.top + kS - 5) == kBlue;
    }
    std::string Buffer() const { return form->CharMap().Buffer().Text(); }
    void RunMenuItem(const char* name) {
        ASSERT_TRUE(
            form->CharMap().PopupMenu().Execute(form->CharMap().PopupMenu().CommandId(name)));
        testsupport::Pump();
    }
    void Wheel(int distance) {
        ::SendMessageA(::GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(0, distance), MAKELPARAM(100, 100));
    }
    // A key pressed on the focused window, through the message loop as typed keys go.
    void Type(UINT key, bool control = false) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(state);
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageA(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        testsupport::Pump();
        state[VK_CONTROL] = 0;
        ::SetKeyboardState(state);
    }
    // Whether the whole cell of the code shows in the scroll box.
    bool InView(int code) {
        const int top = logic::CellOriginFor(code, kS, 5, 0, 0).top;
        const int position = form->CharMap().Scroller().Position();
        return top >= position &&
               top + kS <= position + form->CharMap().Scroller().ClientRect().bottom;
    }
};

int Differences(tk::MemoryBitmap& a, tk::MemoryBitmap& b) {
    int different = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) different += a.Pixel(x, y) != b.Pixel(x, y);
    return different;
}

TEST_F(PickTest, HighlightTurnsTheCellBlueWithYellowInkAndADottedFrameAndASecondOneUndoesIt) {
    tk::MemoryBitmap before;
    before.Assign(Map());
    const int left = 2 * kS;
    const int top = kS;
    form->CharMap().HighlightCell(kPickX, kPickY);
    EXPECT_EQ(Map().Pixel(left + 5, top + kS - 5), kBlue);
    EXPECT_EQ(Map().Pixel(left, top + 35), kYellow);  // the outline
    EXPECT_EQ(Map().Pixel(left + kS - 1, top + 35), kYellow);
    int ink = 0;
    for (int y = top + 1; y < top + kS - 1; ++y)
        for (int x = left + 1; x < left + kS - 1; ++x)
            if (before.Pixel(x, y) == kBlack) ink += Map().Pixel(x, y) == kYellow ? 1 : -1000;
    EXPECT_GT(ink, 20);  // every black pixel of the texts turned yellow
    int dots = 0;
    int gaps = 0;
    for (int x = left + 20; x < left + 50; ++x)  // the frame's bottom line, clear of the texts
        ++(Map().Pixel(x, top + kS - 4) == kYellow ? dots : gaps);
    EXPECT_GT(dots, 10);
    EXPECT_GT(gaps, 10);
    EXPECT_EQ(Map().Pixel(left - 1, top + 35), kBlack);  // the neighbour's outline is untouched

    form->CharMap().HighlightCell(left + 60, top + 3);  // another point of the same cell
    EXPECT_EQ(Differences(Map(), before), 0);
}

TEST_F(PickTest, APressPicksTheCellUnderIt) {
    form->CharMap().Buffer().SetFocus();
    LeftClick(kPickX, kPickY);
    EXPECT_EQ(form->CharMap().State().currentChar, kPicked);
    EXPECT_EQ(form->CharMap().State().selectedPoint.x, kPickX);
    EXPECT_EQ(form->CharMap().State().selectedPoint.y, kPickY);
    EXPECT_TRUE(IsHighlighted(kPicked));
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(Buffer(), "TestBuffer");
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
}

TEST_F(PickTest, APressOnTheHighlightedCellKeepsItAndAnotherCellTakesTheOnlyHighlight) {
    LeftClick(kPickX, kPickY);
    LeftClick(kPickX + 20, kPickY + 30);
    EXPECT_TRUE(IsHighlighted(kPicked));
    EXPECT_EQ(Highlighted(), 1);
    EXPECT_EQ(form->CharMap().State().selectedPoint.x, kPickX + 20);

    LeftClick(10, 10);
    EXPECT_EQ(form->CharMap().State().currentChar, 32);
    EXPECT_TRUE(IsHighlighted(32));
    EXPECT_FALSE(IsHighlighted(kPicked));
    EXPECT_EQ(Highlighted(), 1);
}

TEST_F(PickTest, PressesOnTheEmptyPositionsChangeNothing) {
    LeftClick(kPickX, kPickY);
    tk::MemoryBitmap before;
    before.Assign(Map());
    LeftClick(kEmptyX, kEmptyY);
    EXPECT_EQ(form->CharMap().State().currentChar, kPicked);
    EXPECT_EQ(form->CharMap().State().selectedPoint.x, kPickX);
    EXPECT_EQ(form->CharMap().State().selectedPoint.y, kPickY);
    EXPECT_EQ(Differences(Map(), before), 0);
}

TEST_F(PickTest, PressesWhileTheMapIsBuildingChangeNothing) {
    LeftClick(kPickX, kPickY);
    ShowPage("字体列表");
    charmaptest::PopupMenuWatcher menus(charmaptest::PopupMenuWatcher::Answer::Close);
    bool ready = true;
    charmaptest::DuringBuild probe([&] {
        ready = form->CharMap().State().mapReady;
        LeftClick(10, 10);
        RightClick(10, 10);
    });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    EXPECT_FALSE(ready);
    EXPECT_EQ(form->CharMap().State().currentChar, kPicked);
    EXPECT_EQ(form->CharMap().State().selectedPoint.x, -1);
    EXPECT_EQ(Highlighted(), 0);
    EXPECT_EQ(menus.Opened(), 0);
}

TEST_F(PickTest, ARightPressOpensTheMenuWhoseFirstItemAppendsThePickedCharacter) {
    LeftClick(kPickX, kPickY);
    {
        charmaptest::PopupMenuWatcher menus(charmaptest::PopupMenuWatcher::Answer::ChooseFirst);
        RightClick(10, 10);  // on another cell
        EXPECT_EQ(menus.Opened(), 1);
    }
    EXPECT_EQ(Buffer(), "TestBuffer'");
    EXPECT_EQ(form->CharMap().State().currentChar, kPicked);
    EXPECT_TRUE(IsHighlighted(kPicked));
    EXPECT_FALSE(IsHighlighted(32));
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
}

// Printing the maps leaves the screen map as it was: the highlight and the picked point stay, and
// the popup menu appends the picked character as before.
TEST_F(PickTest, AMapPrintoutLeavesTheHighlightAndThePopupMenuWorking) {
    LeftClick(kPickX, kPickY);
    {
        testsupport::DialogWatcher confirmPrintDialog;
        ::SendMessageA(form->Handle(), WM_COMMAND, form->FileMenu().CommandId("PrintCharMaps"), 0);
        testsupport::Pump();
        ASSERT_EQ(confirmPrintDialog.Seen().size(), 1u);
        ASSERT_FALSE(program->printer.Printing());
    }
    EXPECT_TRUE(IsHighlighted(kPicked));
    EXPECT_EQ(form->CharMap().State().selectedPoint.x, kPickX);
    EXPECT_EQ(form->CharMap().State().selectedPoint.y, kPickY);
    {
        charmaptest::PopupMenuWatcher menus(charmaptest::PopupMenuWatcher::Answer::ChooseFirst);
        RightClick(10, 10);
        EXPECT_EQ(menus.Opened(), 1);
    }
    EXPECT_EQ(Buffer(), "TestBuffer'");
    LeftClick(10, 10);  // another pick moves the highlight
    EXPECT_TRUE(IsHighlighted(32));
    EXPECT_FALSE(IsHighlighted(kPicked));
}

TEST_F(PickTest, RightPressesOpenNoMenuBeforeAPick) {
    charmaptest::PopupMenuWatcher menus(charmaptest::PopupMenuWatcher::Answer::Close);
    RightClick(kPickX, kPickY);
    EXPECT_EQ(menus.Opened(), 0);
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
}

TEST_F(PickTest, ADoubleClickPicksAndAppends) {
    DoubleClick(kPickX, kPickY);
    EXPECT_EQ(Buffer(), "TestBuffer'");
    EXPECT_TRUE(IsHighlighted(kPicked));
    EXPECT_EQ(Highlighted(), 1);
    DoubleClick(kS * 3 + 5, kS * 6 + 5);  // "A"
    EXPECT_EQ(Buffer(), "TestBuffer'A");
}

TEST_F(PickTest, NothingIsAppendedBeforeTheFirstPick) {
    DoubleClick(kEmptyX, kEmptyY);
    RunMenuItem("AppendToBuffer");
    EXPECT_EQ(Buffer(), "TestBuffer");
}

TEST_F(PickTest, AfterARebuildNoMenuOpensButADoubleClickStillAppendsTheEarlierCharacter) {
    LeftClick(kPickX, kPickY);
    ShowPage("字体列表");
    ShowPage("字符映射表");
    EXPECT_EQ(Highlighted(), 0);
    {
        charmaptest::PopupMenuWatcher menus(charmaptest::PopupMenuWatcher::Answer::Close);
        RightClick(kPickX, kPickY);
        EXPECT_EQ(menus.Opened(), 0);
    }
    DoubleClick(kEmptyX, kEmptyY);
    EXPECT_EQ(Buffer(), "TestBuffer'");

    LeftClick(kPickX, kPickY);  // the next pick brings the menu back
    charmaptest::PopupMenuWatcher menus(charmaptest::PopupMenuWatcher::Answer::Close);
    RightClick(kPickX, kPickY);
    EXPECT_EQ(menus.Opened(), 1);
}

TEST_F(PickTest, CopyPutsTheBuffersBytesOnTheClipboardForOtherPrograms) {
    const std::string text = "TestBuffer 中文 '#~";
    form->CharMap().Buffer().SetText(text);
    form->CharMap().Toolbar().ClickButton(form->CharMap().CopyButton());
    EXPECT_EQ(charmaptest::ClipboardTextSeenByAnotherProcess(), text);

    form->CharMap().Buffer().SetText("other");
    RunMenuItem("CopyBuffer");
    EXPECT_EQ(charmaptest::ClipboardTextSeenByAnotherProcess(), "other");

    form->CharMap().Buffer().SetText("");
    form->CharMap().Toolbar().ClickButton(form->CharMap().CopyButton());
    EXPECT_EQ(charmaptest::ClipboardTextSeenByAnotherProcess(), "");
}

TEST_F(PickTest, ClearEmptiesTheBuffer) {
    form->CharMap().Toolbar().ClickButton(form->CharMap().ClearButton());
    EXPECT_EQ(Buffer(), "");
    form->CharMap().Buffer().SetText("abc");
    RunMenuItem("ClearBuffer");
    EXPECT_EQ(Buffer(), "");
}

TEST_F(PickTest, TheWheelScrollsTheMapAndStopsAtBothEnds) {
    ASSERT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
    const int end = form->CharMap().Scroller().RangeEnd();
    ASSERT_EQ(end, 3150 - form->CharMap().Scroller().ClientRect().bottom);
    Wheel(-120);  // one notch toward the user
    EXPECT_EQ(form->CharMap().Scroller().Position(), 120);
    EXPECT_EQ(form->CharMap().Map().BoundsRect().top, -120);
    for (int i = 0; i < 3; ++i) Wheel(120);
    EXPECT_EQ(form->CharMap().Scroller().Position(), 0);
    for (int i = 0; i < 40; ++i) Wheel(-120);
    EXPECT_EQ(form->CharMap().Scroller().Position(), end);
    EXPECT_EQ(form->CharMap().Map().BoundsRect().top, -end);
    Wheel(-240);
    EXPECT_EQ(form->CharMap().Scroller().Position(), end);

    // A press on the scrolled map picks by the map's own coordinates.
    LeftClick(kPickX, kPickY);
    EXPECT_EQ(form->CharMap().State().currentChar, kPicked);
}

// Whether the scroll bar shows, the end of its range and its position.
struct BarState {
    bool shown;
    int max;
    int position;
};

BarState BarOf(HWND box) {
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    ::GetScrollBarInfo(box, OBJID_VSCROLL, &bar);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    ::GetScrollInfo(box, SB_VERT, &info);
    return {(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0, info.nMax, info.nPos};
}

// A rebuild shows the waiting picture at the top of the box, as it always has, in the space of
// the map: the bar stays with the map's range, the screen beyond the picture has the box's colour,
// and the new map shows from its top.
TEST_F(PickTest, ARebuildKeepsTheScrollBarAndShowsTheWaitingPictureAndTheMapFromTheTop) {
    const HWND box = form->CharMap().Scroller().Handle();
    Wheel(-240);
    ASSERT_EQ(BarOf(box).position, 240);
    ::RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    BarState during{};
    COLORREF belowThePicture = 0;
    HWND underTheMouse = nullptr;
    charmaptest::DuringBuild probe([&] {
        during = BarOf(box);
        ::RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const tk::WindowDC screen(form->CharMap().Map().Handle());
        belowThePicture = ::GetPixel(screen.get(), 0, 290);
        POINT below{10, 290};
        ::ClientToScreen(box, &below);
        underTheMouse = ::WindowFromPoint(below);
    });
    // A resize that keeps five columns builds the map again.
    form->SetBounds(0, 0, charmaptest::WidthForColumns(5) + 20, 600);
    ASSERT_TRUE(probe.Ran());
    EXPECT_TRUE(during.shown);
    EXPECT_EQ(during.max, 3149);
    EXPECT_EQ(during.position, 0);
    EXPECT_EQ(belowThePicture, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(underTheMouse, box);  // a press there is the box's, as beside the picture
    const BarState after = BarOf(box);
    EXPECT_TRUE(after.shown);
    EXPECT_EQ(after.max, 3149);
    EXPECT_EQ(after.position, 0);
    EXPECT_EQ(form->CharMap().Map().BoundsRect().top, 0);
}

TEST_F(PickTest, ClicksOnTheMapOrBesideItGiveTheFocusToTheScrollBox) {
    form->CharMap().Buffer().SetFocus();
    LeftClick(kEmptyX, kEmptyY);
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());

    form->CharMap().Buffer().SetFocus();
    const int besideTheMap = 350 + 5;
    ASSERT_LT(besideTheMap, form->CharMap().Scroller().ClientRect().right);
    const LPARAM point = MAKELPARAM(besideTheMap, 10);
    ::SendMessageA(form->CharMap().Scroller().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(form->CharMap().Scroller().Handle(), WM_LBUTTONUP, 0, point);
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
}

TEST_F(PickTest, KeysMoveTheHighlightWithinTheGridAndEnterOrSpaceAppend) {
    ASSERT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
    Type(VK_RIGHT);  // nothing highlighted yet: the first cell
    EXPECT_TRUE(IsHighlighted(32));
    for (int i = 0; i < 3; ++i) Type(VK_RIGHT);
    Type(VK_DOWN);
    Type(VK_RETURN);
    const int code = 32 + 3 + form->CharMap().State().mapColumns;
    std::string expected = "TestBuffer";
    expected += static_cast<char>(code);
    EXPECT_EQ(Buffer(), expected);
    EXPECT_TRUE(IsHighlighted(code));
    EXPECT_EQ(Highlighted(), 1);

    Type(VK_END);
    EXPECT_TRUE(InView(255));
    Type(VK_RETURN);
    Type(VK_RIGHT);  // the grid ends here
    Type(VK_DOWN);
    Type(VK_SPACE);
    EXPECT_EQ(Buffer(), expected + "\xFF\xFF");
    EXPECT_TRUE(IsHighlighted(255));
    EXPECT_EQ(Highlighted(), 1);

    Type(VK_HOME);
    EXPECT_EQ(form->CharMap().Scroller().Position(), 0);
    EXPECT_EQ(form->CharMap().State().currentChar, 32);
    EXPECT_EQ(Highlighted(), 1);
}

TEST_F(PickTest, TabFromTheBufferReachesTheMapWhereCtrlCCopiesTheBuffer) {
    form->CharMap().Buffer().SetFocus();
    Type(VK_TAB);
    ASSERT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
    EXPECT_EQ(Buffer(), "TestBuffer");
    form->CharMap().Buffer().SetText("copied");
    Type('C', true);
    EXPECT_EQ(charmaptest::ClipboardTextSeenByAnotherProcess(), "copied");
    EXPECT_EQ(Buffer(), "copied");
    Type(VK_TAB);  // and back
    EXPECT_EQ(::GetFocus(), form->CharMap().Buffer().Handle());
}

// The system's minimise and restore, as the caption buttons give them: the map is neither built
// again nor changed, the highlight stays, and the window gets back the size it had.
TEST_F(PickTest, MinimiseAndRestoreKeepTheMapAndItsHighlight) {
    LeftClick(kPickX, kPickY);
    ASSERT_TRUE(IsHighlighted(kPicked));
    const int width = form->Width();
    const int height = form->Height();
    form->FontList().List().SetFocus();

    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    testsupport::Pump();
    ASSERT_TRUE(::IsIconic(form->Handle()));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(form->Handle(), &placement);
    EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, width);
    EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, height);

    ::SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    testsupport::Pump();
    ASSERT_FALSE(::IsIconic(form->Handle()));
    EXPECT_EQ(form->Width(), width);
    EXPECT_EQ(form->Height(), height);
    EXPECT_EQ(form->CharMap().State().mapColumns, 5);
    // A build would have forgotten the picked cell and drawn the map without its highlight.
    EXPECT_EQ(form->CharMap().State().selectedPoint.x, kPickX);
    EXPECT_EQ(form->CharMap().State().selectedPoint.y, kPickY);
    EXPECT_TRUE(IsHighlighted(kPicked));
    EXPECT_EQ(Highlighted(), 1);
    // Nor did the focus move to the map, as the end of a build makes it.
    EXPECT_NE(::GetFocus(), form->CharMap().Scroller().Handle());
}

}  // namespace
