// The character map as it is drawn: what reaches GDI for each cell size, the pixels of the
// on-screen map, and builds that are stopped, restarted or ended by closing the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "CharMapTestSupport.h"
#include "charmap/CharMapRenderer.h"
#include "support/DialogWatcher.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"

namespace {

using charmaptest::CharMapTest;
using charmaptest::kBlack;
using charmaptest::kWhite;
using letterloom::MapCellSize;

constexpr const char* kFont = "DejaVu Sans";
constexpr int kS = 70;

// Cell 65 ("A") of a grid with 5 columns sits in row 6, column 3.
constexpr int kCodeA = 65;
constexpr int kIndexA = kCodeA - 32;

struct CellSizeCase {
    int size;
    int margin;
    int labelHeight;
    int glyphHeight;
    int glyphTop;  // below the cell's top
    int smallTop;
};

class CellGeometryTest : public ::testing::TestWithParam<CellSizeCase> {};

int TextWidth(const charmaptest::RecordedText& text) {
    LOGFONTA lf{};
    lf.lfHeight = text.height;
    lf.lfWeight = text.weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(lf.lfFaceName, text.face.c_str(), LF_FACESIZE);
    tk::WindowDC screen(nullptr);
    tk::UniqueFont font(::CreateFontIndirectA(&lf));
    tk::SelectScope select(screen.get(), font.get());
    SIZE size{};
    ::GetTextExtentPoint32A(screen.get(), text.text.c_str(), static_cast<int>(text.text.size()),
                            &size);
    return size.cx;
}

TEST_P(CellGeometryTest, FontsAndPlacesOfACellFollowItsSize) {
    const CellSizeCase c = GetParam();
    charmaptest::StandaloneBar progress;
    const int x0 = 7;
    const int y0 = 11;
    bool drawing = false;
    const auto recording = charmaptest::RecordDrawing([&](tk::Canvas& canvas) {
        canvas.Font().Set(tk::kBold, true);
        letterloom::DrawCharCells(kFont, c.size, 5, x0, y0, canvas, progress.bar, drawing);
    });
    ASSERT_EQ(recording.rectangles.size(), 224u);
    ASSERT_EQ(recording.texts.size(), 3u * 224u);
    const int left = x0 + 3 * c.size;
    const int top = y0 + 6 * c.size;
    EXPECT_EQ(recording.rectangles[kIndexA].left, left);
    EXPECT_EQ(recording.rectangles[kIndexA].top, top);

    const auto& glyph = recording.texts[3 * kIndexA];
    const auto& label = recording.texts[3 * kIndexA + 1];
    const auto& small = recording.texts[3 * kIndexA + 2];
    EXPECT_EQ(glyph.text, "A");
    EXPECT_EQ(glyph.face, kFont);
    EXPECT_EQ(glyph.height, c.glyphHeight);
    EXPECT_EQ(glyph.y, top + c.glyphTop);
    const int glyphWidth = TextWidth(glyph);
    const int leftGap = glyph.x - left;
    const int rightGap = left + c.size - (glyph.x + glyphWidth);
    EXPECT_LE(std::abs(leftGap - rightGap), 1) << "centred: " << leftGap << " / " << rightGap;

    EXPECT_EQ(label.text, "字符 #65");
    EXPECT_EQ(label.face, "宋体 ");
    EXPECT_EQ(label.height, c.labelHeight);
    EXPECT_EQ(label.x, left + 2 * c.margin);
    EXPECT_EQ(label.y, top + c.margin);

    EXPECT_EQ(small.text, "A");
    EXPECT_EQ(small.face, "宋体 ");
    EXPECT_EQ(small.height, c.labelHeight);
    EXPECT_EQ(small.x + TextWidth(small), left + c.size - 2 * c.margin);
    EXPECT_EQ(small.y, top + c.smallTop);
}

// 25 and 75 have label heights of exactly 4.5 and 13.5, which go to the even neighbour.
INSTANTIATE_TEST_SUITE_P(CellSizes, CellGeometryTest,
                         ::testing::Values(CellSizeCase{25, 1, 4, 15, 5, 20},
                                           CellSizeCase{70, 2, 13, 42, 14, 55},
                                           CellSizeCase{75, 2, 14, 45, 15, 59},
                                           CellSizeCase{342, 10, 62, 205, 68, 270}),
                         [](const ::testing::TestParamInfo<CellSizeCase>& param) {
                             return "Size" + std::to_string(param.param.size);
                         });

class DrawCharCellsTest : public CharMapTest {
protected:
    charmaptest::Recording Record(bool bold) {
        bool drawing = false;
        return charmaptest::RecordDrawing([&](tk::Canvas& canvas) {
            canvas.Font().Set(tk::kBold, bold);
            letterloom::DrawCharCells(kFont, kS, 5, 0, 0, canvas, form->ProgressBar(), drawing);
        });
    }
};

TEST_F(DrawCharCellsTest, TextsTakeTheStyleTheCanvasHas) {
    StartProgram();
    for (bool bold : {true, false}) {
        const auto recording = Record(bold);
        ASSERT_EQ(recording.texts.size(), 3u * 224u);
        for (const auto& text : recording.texts)
            ASSERT_EQ(text.weight, bold ? FW_BOLD : FW_NORMAL) << text.text;
    }
}

TEST_F(DrawCharCellsTest, LabelsNameEachCodeAndTheBarEndsAtTheLastCell) {
    StartProgram();
    const auto recording = Record(true);
    ASSERT_EQ(recording.texts.size(), 3u * 224u);
    EXPECT_EQ(recording.texts[0].text, " ");
    EXPECT_EQ(recording.texts[1].text, "字符 #32");
    EXPECT_EQ(recording.texts[3 * kIndexA + 1].text, "字符 #65");
    EXPECT_EQ(recording.texts[3 * 223 + 1].text, "字符 #255");
    EXPECT_EQ(form->ProgressBar().Max(), 223);
    EXPECT_EQ(form->ProgressBar().Position(), 223);
}

TEST_F(CharMapTest, WindowWidthGivesColumnsRowsAndPictureSize) {
    OpenMap(kFont, 400);
    EXPECT_EQ(form->CharMap().State().mapColumns, 5);
    EXPECT_EQ(Map().Width(), 350);
    EXPECT_EQ(Map().Height(), 3150);  // 45 rows

    form->SetBounds(0, 0, 540, 600);  // a resize on the map page builds anew
    testsupport::Pump();
    EXPECT_EQ(form->CharMap().State().mapColumns, 7);
    EXPECT_EQ(Map().Width(), 490);
    EXPECT_EQ(Map().Height(), 2240);  // 32 full rows
    // The last row is full: code 255 is the last column's cell.
    EXPECT_EQ(Map().Pixel(490 - 1, 2240 - 35), kBlack);
    EXPECT_EQ(Map().Pixel(420, 2240 - 35), kBlack);
}

TEST_F(CharMapTest, CellsHaveBlackOutlinesAndWhiteInsidesAndEmptyPositionsStayWhite) {
    OpenMap(kFont, 400);
    for (int code = 32; code <= 255; ++code) {
        const logic::CellOrigin cell = logic::CellOriginFor(code, kS, 5, 0, 0);
        SCOPED_TRACE(code);
        EXPECT_EQ(Map().Pixel(cell.left, cell.top + kS / 2), kBlack);
        EXPECT_EQ(Map().Pixel(cell.left + kS - 1, cell.top + kS / 2), kBlack);
        EXPECT_EQ(Map().Pixel(cell.left + kS / 2, cell.top), kBlack);
        EXPECT_EQ(Map().Pixel(cell.left + kS / 2, cell.top + kS - 1), kBlack);
        EXPECT_EQ(Map().Pixel(cell.left + 1, cell.top + kS - 2), kWhite);
        EXPECT_EQ(Map().Pixel(cell.left + 5, cell.top + kS - 5), kWhite);
    }
    // After code 255 (row 44, column 3) one position is left, white without an outline.
    int other = 0;
    for (int y = 44 * kS; y < 45 * kS; ++y)
        for (int x = 4 * kS; x < 5 * kS; ++x) other += Map().Pixel(x, y) != kWhite;
    EXPECT_EQ(other, 0);
}

TEST_F(CharMapTest, TheSpaceCellShowsOnlyItsLabel) {
    OpenMap(kFont, 400);
    int inLabelBand = 0;
    int elsewhere = 0;
    // Inside the outline; the label takes the band from the margin (2) to 2 + 13.
    for (int y = 1; y < kS - 1; ++y)
        for (int x = 1; x < kS - 1; ++x)
            if (Map().Pixel(x, y) != kWhite) ++(y < 2 + 13 ? inLabelBand : elsewhere);
    EXPECT_GT(inLabelBand, 20);
    EXPECT_EQ(elsewhere, 0);
}

// A map drawn straight onto a plain bitmap whose canvas font is, or is not, bold, with a progress
// bar of its own.
void DrawReference(tk::MemoryBitmap& reference, bool bold, int columns,
                   const std::string& font = kFont) {
    charmaptest::StandaloneBar progress;
    bool drawing = false;
    reference.SetSize(kS * columns, kS * logic::MapRowCount(columns));
    reference.GetCanvas().PatBlt(0, 0, reference.Width(), reference.Height(), WHITENESS);
    reference.GetCanvas().Font().Set(tk::kBold, bold);
    letterloom::DrawCharCells(font, kS, columns, 0, 0, reference.GetCanvas(), progress.bar,
                              drawing);
}

int DifferentPixels(const tk::MemoryBitmap& a, const tk::MemoryBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    int different = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) different += a.Pixel(x, y) != b.Pixel(x, y);
    return different;
}

// The renderer needs no main window: cells drawn before the program starts are the map page's.
TEST_F(CharMapTest, CellsDrawnWithoutTheMainWindowAreThePagesMapAndEveryTextIsBold) {
    ASSERT_EQ(program, nullptr);
    tk::MemoryBitmap bold;
    tk::MemoryBitmap regular;
    DrawReference(bold, true, 5);
    DrawReference(regular, false, 5);
    OpenMap(kFont, 400);
    EXPECT_EQ(DifferentPixels(Map(), bold), 0);
    EXPECT_GT(DifferentPixels(Map(), regular), 1000);
}

TEST_F(CharMapTest, WhileBuildingTheWaitingPictureShowsAndTheBarAdvances) {
    OpenMap(kFont, 400);
    ShowPage("字体列表");
    bool ready = true;
    int width = 0;
    int height = 0;
    COLORREF corner = 0;
    int textPixels = 0;
    int max = 0;
    int position = -1;
    charmaptest::DuringBuild probe([&] {
        ready = form->CharMap().State().mapReady;
        width = Map().Width();
        height = Map().Height();
        corner = Map().Pixel(499, 279);
        for (int y = 10; y < 30; ++y)
            for (int x = 10; x < 150; ++x) textPixels += Map().Pixel(x, y) != corner;
        max = form->ProgressBar().Max();
        position = form->ProgressBar().Position();
    });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    EXPECT_FALSE(ready);
    EXPECT_EQ(width, 500);
    EXPECT_EQ(height, 280);
    EXPECT_EQ(corner, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(textPixels, 50);  // the bold "创建字符表..."
    EXPECT_EQ(max, 223);
    EXPECT_GT(position, 0);
    EXPECT_LT(position, 223);

    EXPECT_TRUE(form->CharMap().State().mapReady);
    EXPECT_EQ(form->ProgressBar().Position(), 0);
    EXPECT_EQ(::SendMessageA(form->ProgressBar().Handle(), PBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(form->CharMap().FontLabel().Text(), "字体: DejaVu Sans");
    EXPECT_EQ(form->CharMap().Buffer().GetFont().name, kFont);
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
}

TEST_F(CharMapTest, LeavingThePageStopsTheBuildAfterTheCurrentCell) {
    OpenMap(kFont, 400);
    ShowPage("字体列表");
    form->FontList().List().SetFocus();
    testsupport::DialogWatcher dialogs;
    int current = -1;
    charmaptest::DuringBuild probe([&] {
        current = form->ProgressBar().Position();
        ShowPage("字体列表");
    });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    ASSERT_GT(current, 0);
    ASSERT_LT(current, 223);
    EXPECT_EQ(form->Pages().ActivePage(), (&form->FontList().Sheet()));

    // A partial map: the cells up to the one being drawn, then white.
    EXPECT_EQ(Map().Width(), 350);
    EXPECT_EQ(Map().Height(), 3150);
    for (int index = 0; index < 224; ++index) {
        const logic::CellOrigin cell = logic::CellOriginFor(32 + index, kS, 5, 0, 0);
        SCOPED_TRACE(index);
        EXPECT_EQ(Map().Pixel(cell.left, cell.top + kS / 2), index <= current ? kBlack : kWhite);
        if (index > current) {
            EXPECT_EQ(Map().Pixel(cell.left + kS / 2, cell.top + kS / 2), kWhite);
        }
    }
    EXPECT_TRUE(form->CharMap().State().mapReady);
    EXPECT_EQ(form->ProgressBar().Position(), 0);
    // The build ended with its page hidden: the hidden scroll box did not take the focus.
    EXPECT_NE(::GetFocus(), form->CharMap().Scroller().Handle());
    EXPECT_TRUE(::IsWindowVisible(::GetFocus()));
    EXPECT_TRUE(dialogs.Seen().empty());

    // Back on the page, the map is built anew and whole.
    ShowPage("字符映射表");
    EXPECT_EQ(Map().Pixel(4 * kS - 1, 43 * kS + 35), kBlack);  // code 251's right edge
    EXPECT_EQ(::GetFocus(), form->CharMap().Scroller().Handle());
}

// A printout draws its cells with a flag of its own: one that starts while a stopped screen build
// waits on the stack does not make that build go on.
TEST_F(CharMapTest, CellsDrawnElsewhereDoNotReviveAStoppedBuild) {
    OpenMap(kFont, 400);
    ShowPage("字体列表");
    int current = -1;
    charmaptest::DuringBuild probe([&] {
        current = form->ProgressBar().Position();
        ShowPage("字体列表");
        tk::MemoryBitmap elsewhere;
        DrawReference(elsewhere, true, 14);
    });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    ASSERT_LT(current, 200);
    EXPECT_FALSE(form->CharMap().State().drawingContinue);
    const logic::CellOrigin last = logic::CellOriginFor(255, kS, 5, 0, 0);
    EXPECT_EQ(Map().Pixel(last.left, last.top + kS / 2), kWhite);
}

TEST_F(CharMapTest, ARequestDuringABuildRestartsItInsteadOfNestingASecondBuild) {
    OpenMap(kFont, 400);
    ShowPage("字体列表");
    bool readyAfterRequest = true;
    int widthAfterRequest = 0;
    charmaptest::DuringBuild probe([&] {
        form->SetBounds(0, 0, charmaptest::WidthForColumns(7), 600);
        // Still the one build, not yet finished: a nested build would have ended by now.
        readyAfterRequest = form->CharMap().State().mapReady;
        widthAfterRequest = Map().Width();
    });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    EXPECT_FALSE(readyAfterRequest);
    EXPECT_EQ(widthAfterRequest, 500);  // the waiting picture

    // The picture, the column count and picking agree.
    EXPECT_TRUE(form->CharMap().State().mapReady);
    EXPECT_EQ(form->CharMap().State().mapColumns, 7);
    tk::MemoryBitmap reference;
    DrawReference(reference, true, 7);
    EXPECT_EQ(DifferentPixels(Map(), reference), 0);
    LeftClick(140, 70);
    EXPECT_EQ(form->CharMap().State().currentChar, 2 + 7 + 32);
}

TEST_F(CharMapTest, AnotherFontPickedDuringABuildIsTheOneShown) {
    OpenMap(kFont, 400);
    ShowPage("字体列表");
    charmaptest::DuringBuild probe([&] { SelectFont("Liberation Serif"); });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    EXPECT_TRUE(form->CharMap().State().mapReady);
    EXPECT_EQ(form->CharMap().FontLabel().Text(), "字体: Liberation Serif");
    tk::MemoryBitmap reference;
    DrawReference(reference, true, 5, "Liberation Serif");
    EXPECT_EQ(DifferentPixels(Map(), reference), 0);
}

TEST_F(CharMapTest, ColumnsStayBetweenOneAnd255ForAnyWidth) {
    OpenMap(kFont, 400);
    auto beyondTheScreen = std::make_unique<testsupport::NoMaximumSize>(form->Handle());
    for (int width : {17969, 17970, 20000}) {
        SCOPED_TRACE(width);
        form->SetBounds(0, 0, width, 600);
        testsupport::Pump();
        ASSERT_EQ(form->Width(), width);
        EXPECT_EQ(form->CharMap().State().mapColumns, 255);
        EXPECT_EQ(Map().Width(), 255 * kS);
        EXPECT_EQ(Map().Height(), kS);
        EXPECT_EQ(Map().Pixel(223 * kS + kS - 1, 35), kBlack);  // code 255, the last cell
        EXPECT_EQ(Map().Pixel(224 * kS, 35), kWhite);
        EXPECT_FALSE(form->CharMap().IsCharCell(224 * kS + 5, 5));
        EXPECT_TRUE(form->CharMap().IsCharCell(223 * kS + 5, 5));
    }
    beyondTheScreen.reset();
    form->SetBounds(0, 0, 400, 600);
    testsupport::Pump();
    EXPECT_EQ(form->CharMap().State().mapColumns, 5);
}

TEST_F(CharMapTest, ClosingTheWindowDuringABuildEndsIt) {
    OpenMap(kFont, 400);
    ShowPage("字体列表");
    testsupport::DialogWatcher dialogs;
    int current = -1;
    charmaptest::DuringBuild probe([&] {
        current = form->ProgressBar().Position();
        form->Close();
    });
    ShowPage("字符映射表");
    ASSERT_TRUE(probe.Ran());
    EXPECT_TRUE(tk::Application::Instance().Terminated());
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_LT(current, 223);
    // Nothing was shown for a window that is gone.
    EXPECT_FALSE(form->CharMap().State().mapReady);
    EXPECT_EQ(Map().Width(), 500);
    EXPECT_TRUE(dialogs.Seen().empty());
}

TEST_F(CharMapTest, TheCellLoopStopsWhenTheProgramEnds) {
    StartProgram();
    tk::MemoryBitmap map(350, 3150);
    map.GetCanvas().PatBlt(0, 0, 350, 3150, WHITENESS);
    int current = -1;
    charmaptest::DuringBuild probe([&] {
        current = form->ProgressBar().Position();
        form->Close();
    });
    bool drawing = false;
    letterloom::DrawCharCells(kFont, kS, 5, 0, 0, map.GetCanvas(), form->ProgressBar(), drawing);
    ASSERT_TRUE(probe.Ran());
    ASSERT_TRUE(tk::Application::Instance().Terminated());
    ASSERT_LT(current, 222);
    for (int index = 0; index < 224; ++index) {
        const logic::CellOrigin cell = logic::CellOriginFor(32 + index, kS, 5, 0, 0);
        EXPECT_EQ(map.Pixel(cell.left, cell.top + kS / 2), index <= current ? kBlack : kWhite)
            << index;
    }
}

}  // namespace
