#include "PrintTestSupport.h"
#include "charmap/CharMapRenderer.h"
#include "print/FontListPrintout.h"
#include "support/DialogWatcher.h"
#include "toolkit/Error.h"
#include "toolkit/Printer.h"

namespace printtest {
namespace {

constexpr int kLastCell = 223;

class CharMapPrintTest : public PrintTest {
protected:
    void SelectFonts(std::initializer_list<int> indexes) {
        for (int i = 0; i < form->FontList().List().Count(); ++i)
            form->FontList().List().SetSelected(i, false);
        for (int index : indexes) form->FontList().List().SetSelected(index, true);
    }
    // The File menu's command, with the platform's print dialog confirmed.
    std::vector<testsupport::SeenDialog> PrintMaps() {
        testsupport::DialogWatcher watcher;
        ::SendMessageA(form->Handle(), WM_COMMAND, form->FileMenu().CommandId("PrintCharMaps"), 0);
        testsupport::Pump();
        return watcher.Seen();
    }
    // Weight of the font that the printer canvas draws with at the first page break of a
    // font-list printout. (The PDF cannot show it: the queue's face for Arial has no bold
    // variant, and the PostScript driver makes none up.)
    int FontListWeight() {
        UseFonts(60);
        int weight = 0;
        OnNextPump probe([this, &weight] {
            LOGFONTA font{};
            program->printer.GetCanvas().RealizeFont();
            HGDIOBJ current = ::GetCurrentObject(program->printer.Handle(), OBJ_FONT);
            ::GetObjectA(current, sizeof font, &font);
            weight = font.lfWeight;
        });
        PrintFontList(1);
        PdfsBeforeMarker();
        DeletePdfFiles();
        return weight;
    }
};

// Presses Cancel once the progress dialog shows: at a timer, as the cell loop lets messages run.
class CancelWhenShowing {
public:
    explicit CancelWhenShowing(letterloom::PrintProgressDialog& stat) {
        stat_ = &stat;
        pressed_ = false;
        timer_ = ::SetTimer(nullptr, 0, 1, Tick);
    }
    ~CancelWhenShowing() { ::KillTimer(nullptr, timer_); }
    CancelWhenShowing(const CancelWhenShowing&) = delete;
    CancelWhenShowing& operator=(const CancelWhenShowing&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (stat_->Visible() && !pressed_) {
            pressed_ = true;
            stat_->CancelButton().Click();
        }
    }
    // A timer procedure has no object: the one press of the test's dialog lives here.
    static inline letterloom::PrintProgressDialog* stat_ = nullptr;
    static inline bool pressed_ = false;
    UINT_PTR timer_;
};

TEST_F(CharMapPrintTest, OnePagePerSelectedFontThenTheFontListPrintsBold) {
    EXPECT_EQ(FontListWeight(), FW_NORMAL);
    SelectFonts({1, 2});
    EXPECT_EQ(PrintMaps().size(), 1u);  // the print dialog
    const std::vector<Page> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 2u);
    for (size_t p = 0; p < pages.size(); ++p) {
        const std::string font = form->FontList().List().Item(static_cast<int>(p) + 1);
        const Word* heading = pages[p].Find(font.substr(0, font.find(' ')));
        ASSERT_NE(heading, nullptr) << font;
        EXPECT_LT(heading->left, 2);
        EXPECT_LT(heading->top, 4);
        // 14 columns on a portrait page: codes 32 to 45 fill the first row, 46 starts the second.
        std::vector<const Word*> labels;
        for (int code = 32; code <= 46; ++code)
            labels.push_back(pages[p].Find(std::string("#").append(std::to_string(code))));
        ASSERT_EQ(std::count(labels.begin(), labels.end(), nullptr), 0) << font;
        for (size_t i = 1; i < 14; ++i) EXPECT_GT(labels[i]->left, labels[i - 1]->left + 30);
        EXPECT_NEAR(labels[14]->left, labels[0]->left, 1);
        EXPECT_GT(labels[14]->top, labels[0]->top + 30);
    }
    EXPECT_EQ(FontListWeight(), FW_BOLD);
}

// On the paper of the printer chosen in the print dialog, here wider than high, the map takes 16
// columns and all its 14 rows fit on the page.
TEST_F(CharMapPrintTest, OnWidePaperSixteenColumnsFitThePage) {
    SelectFonts({1});
    {
        testsupport::DialogWatcher chooser(
            [](HWND dialog) { return ChoosePrinterAndConfirm(dialog, kWideQueue); });
        ::SendMessageA(form->Handle(), WM_COMMAND, form->FileMenu().CommandId("PrintCharMaps"), 0);
        testsupport::Pump();
    }
    const std::vector<Page> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    const Page& page = pages[0];
    EXPECT_GT(page.width, page.height);
    const Word* first = page.Find("#32");
    const Word* rowEnd = page.Find("#47");
    const Word* secondRow = page.Find("#48");
    const Word* last = page.Find("#255");
    ASSERT_TRUE(first && rowEnd && secondRow && last);
    EXPECT_NEAR(rowEnd->top, first->top, 1);
    EXPECT_NEAR(secondRow->left, first->left, 1);
    EXPECT_GT(secondRow->top, first->top + 10);
    EXPECT_LE(last->bottom, page.height);
    EXPECT_LE(last->right, page.width);
}

TEST_F(CharMapPrintTest, CancelDrawsEveryMapThenDiscardsThemAll) {
    SelectFonts({1, 2});
    letterloom::PrintOutcome outcome = letterloom::PrintOutcome::NotStarted;
    {
        CancelWhenShowing cancel(*progress);
        testsupport::DialogWatcher confirmPrintDialog;
        outcome = letterloom::PrintCharMaps(
            Tools(), form->Handle(), form->FontList().SelectedNames(), letterloom::DrawCharCells);
    }
    EXPECT_EQ(outcome, letterloom::PrintOutcome::Cancelled);
    EXPECT_EQ(progress->Progress().Position(), kLastCell);
    EXPECT_EQ(progress->PageLabel().Text(),
              std::string("打印字体:     ").append(form->FontList().List().Item(2)));
    EXPECT_TRUE(ShowsWholeText(progress->PageLabel().Handle()));
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_TRUE(PdfsBeforeMarker().empty());
}

TEST_F(CharMapPrintTest, WithNoFontSelectedOnlyTheMessageShows) {
    SelectFonts({});
    const auto seen = PrintMaps();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "你需要至少选择一种字体            ");
    EXPECT_EQ(seen[0].caption, "Letterloom");
    EXPECT_FALSE(seen[0].errorIcon);
    EXPECT_TRUE(PdfsBeforeMarker().empty());
}

TEST_F(CharMapPrintTest, APrintoutDoesNotReviveAScreenBuildThatWasLeft) {
    testsupport::ClickListItem(form->FontList().List(), 1);
    OnNextPump leaveAndPrint([this] {
        testsupport::ClickTab(form->Pages(), "字体列表");
        PrintMaps();
    });
    testsupport::ClickTab(form->Pages(), "字符映射表");
    ASSERT_TRUE(leaveAndPrint.Ran());
    EXPECT_FALSE(form->CharMap().State().drawingContinue);
    // The screen map stopped where it was left: its last cell was never drawn.
    tk::MemoryBitmap& map = form->CharMap().Map().Picture();
    const int columns = form->CharMap().State().mapColumns;
    const int x = kLastCell % columns * letterloom::MapCellSize;
    const int y = kLastCell / columns * letterloom::MapCellSize;
    EXPECT_EQ(::GetPixel(map.GetCanvas().Handle(), x, y), RGB(255, 255, 255));
    EXPECT_EQ(PdfsBeforeMarker().size(), 1u);
}

TEST_F(CharMapPrintTest, AFailureInTheJobAbortsItAndGivesTheMainWindowBack) {
    SelectFonts({1});
    const auto failingCells = [](const std::string&, int32_t, int32_t, int32_t, int32_t,
                                 tk::Canvas&, tk::ProgressBar&,
                                 bool&) { throw tk::Error("cells failed"); };
    {
        testsupport::DialogWatcher watcher;
        EXPECT_THROW(letterloom::PrintCharMaps(Tools(), form->Handle(),
                                               form->FontList().SelectedNames(), failingCells),
                     tk::Error);
    }
    EXPECT_FALSE(program->printer.Printing());
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(progress->Visible());
    EXPECT_TRUE(PdfsBeforeMarker().empty());
}

}  // namespace
}  // namespace printtest
