#include <cmath>

#include "PrintTestSupport.h"
#include "logic/PrintLayout.h"
#include "print/Printunit.h"
#include "toolkit/Printer.h"

namespace printtest {
namespace {

// Text tops in the PDF sit a little below the cell's top (the font's internal leading).
constexpr double kTolerance = 2.0;

bool Near(double actual, double expected) { return std::fabs(actual - expected) <= kTolerance; }

struct Queue {
    int dpi, width, height;
};

Queue QueueCaps() {
    HDC dc = tk::ThePrinter().Handle();
    return {::GetDeviceCaps(dc, LOGPIXELSY), ::GetDeviceCaps(dc, HORZRES),
            ::GetDeviceCaps(dc, VERTRES)};
}

TEST_F(PrintTest, PagesFollowTheLayoutInOneAndTwoColumns) {
    for (int columns : {1, 2}) {
        SCOPED_TRACE(columns);
        DeletePdfFiles();
        const Queue q = QueueCaps();
        const logic::FontListMetrics m = logic::FontListPageMetrics(q.dpi, q.width, columns);
        const int perPage = columns * ((q.height - m.top) / m.pitch - 1);
        UseFonts(perPage + 1);
        letterloom::PrintFontList(columns, "Sample");
        const std::vector<Page> pages = PrintedPages();
        ASSERT_EQ(pages.size(), 2u);
        logic::PrintCursor cursor;
        for (int i = 0; i <= perPage; ++i) {
            logic::AdvanceCursor(cursor, columns, m, q.height);
            const Page& page = pages[static_cast<size_t>(cursor.page - 1)];
            const Word* name = page.Find(letterloom::InstalledFontNames[static_cast<size_t>(i)]);
            ASSERT_NE(name, nullptr) << i;
            const double y = Points(cursor.row * m.pitch + m.top);
            EXPECT_TRUE(Near(name->left, Points(cursor.column * m.columnWidth + 10))) << i;
            EXPECT_TRUE(name->top >= y && name->top <= y + kTolerance) << i << " " << name->top;
            const double sampleLeft = Points(cursor.column * m.columnWidth + m.sampleOffset);
            bool sampleBeside = false;
            for (const Word& word : page.words)
                sampleBeside |= word.text == "Sample" && Near(word.left, sampleLeft) &&
                                Near(word.top, name->top);
            EXPECT_TRUE(sampleBeside) << i;
        }
        for (size_t p = 0; p < pages.size(); ++p) {
            const Word* title = pages[p].Find("已安装字体列表");
            ASSERT_NE(title, nullptr);
            EXPECT_LT(title->top, Points(m.top));
            const Word* number = pages[p].Find("页数:");
            ASSERT_NE(number, nullptr);
            EXPECT_GT(number->left, Points(q.width / 2));
            EXPECT_NE(pages[p].Find(std::to_string(p + 1)), nullptr);
            // Row 0 holds nothing in one column and nothing on the left in two.
            for (const Word& word : pages[p].words) {
                const bool inRowZero =
                    word.top >= Points(m.top) && word.top < Points(m.top + m.pitch);
                EXPECT_FALSE(inRowZero && word.left < Points(m.columnWidth)) << word.text;
            }
        }
    }
}

TEST_F(PrintTest, CancelDiscardsEveryPageAndTheFlagStaysSet) {
    UseFonts(200);
    auto cancel = CancelAtFirstPump();
    letterloom::PrintFontList(1, "Sample");
    EXPECT_TRUE(cancel->Ran());
    EXPECT_TRUE(letterloom::PrintAbort);
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(printStat->Visible());
    EXPECT_TRUE(PdfsBeforeMarker().empty());
    EXPECT_TRUE(letterloom::PrintAbort);
}

TEST_F(PrintTest, WhileAJobRunsTheMainWindowIsDisabledAndNoSecondJobBegins) {
    UseFonts(100);
    bool enabledDuringJob = true;
    bool progressShown = false;
    std::string secondJob;
    OnNextPump probe([&] {
        enabledDuringJob = ::IsWindowEnabled(form->Handle());
        progressShown = printStat->Visible();
        try {
            letterloom::PrintFontList(1, "Sample");
        } catch (const std::exception& error) {
            secondJob = error.what();
        }
    });
    letterloom::PrintFontList(2, "Sample");
    ASSERT_TRUE(probe.Ran());
    EXPECT_FALSE(enabledDuringJob);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(secondJob, "打印进行中");
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(printStat->Visible());
    EXPECT_EQ(PdfsBeforeMarker().size(), 1u);
}

TEST_F(PrintTest, OrientationChosenBeforeDoesNotReachTheJob) {
    tk::Printer& printer = tk::ThePrinter();
    HGLOBAL current = nullptr;
    const tk::PrinterNames names = printer.Current(&current);
    auto* mode = static_cast<DEVMODEA*>(::GlobalLock(current));
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    mode->dmFields |= DM_ORIENTATION;
    ::GlobalUnlock(current);
    printer.Select(names, current);
    ASSERT_GT(printer.PageWidth(), printer.PageHeight());
    UseFonts(3);
    letterloom::PrintFontList(1, "Sample");
    const std::vector<Page> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_LT(pages[0].width, pages[0].height);
}

TEST_F(PrintTest, LongPrinterNamesAreKeptWhole) {
    tk::Printer& printer = tk::ThePrinter();
    HGLOBAL current = nullptr;
    const tk::PrinterNames real = printer.Current(&current);
    const tk::PrinterNames longNames{std::string(120, 'D'), std::string(100, 'V'),
                                     std::string(90, 'P')};
    printer.Select(longNames, current);
    try {
        letterloom::ResetPrinterSettings();
        ADD_FAILURE() << "no such printer, yet no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "已选的打印机无效");
    }
    const tk::PrinterNames kept = printer.Current();
    EXPECT_EQ(kept.device, longNames.device);
    EXPECT_EQ(kept.port, longNames.port);
    printer.Select(real, nullptr);
}

TEST_F(PrintTest, OptionsDialogEstimatesForTheQueue) {
    // A4 at 300 pixels per inch: 54 entries a page in one column, 216 in two.
    struct Case {
        int item, fonts;
        const char* info;
        const char* pages;
    };
    for (const Case& c : {Case{0, 108, "页数字体:      54", "所需页数:     2"},
                          Case{0, 109, "页数字体:      54", "所需页数:     3"},
                          Case{1, 216, "页数字体:      216", "所需页数:     1"},
                          Case{1, 217, "页数字体:      216", "所需页数:     2"}}) {
        UseFonts(c.fonts);
        printDialog->PrintType.SetItemIndex(c.item);
        printDialog->PrintTypeClick();
        EXPECT_EQ(printDialog->Info.Text(), c.info);
        EXPECT_EQ(printDialog->PNum.Text(), c.pages);
    }
}

}  // namespace
}  // namespace printtest
