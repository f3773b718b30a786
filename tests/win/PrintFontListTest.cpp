#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "PrintTestSupport.h"
#include "logic/PrintLayout.h"
#include "print/FontListPrintout.h"
#include "support/DialogWatcher.h"
#include "toolkit/Printer.h"

namespace printtest {
namespace {

// Text tops in the PDF sit a little below the cell's top (the font's internal leading).
constexpr double kTolerance = 2.0;

bool Near(double actual, double expected) { return std::fabs(actual - expected) <= kTolerance; }

struct Queue {
    int dpi, width, height;
};

Queue QueueCaps(tk::Printer& printer) {
    HDC dc = printer.Handle();
    return {::GetDeviceCaps(dc, LOGPIXELSY), ::GetDeviceCaps(dc, HORZRES),
            ::GetDeviceCaps(dc, VERTRES)};
}

TEST_F(PrintTest, PagesFollowTheLayoutInOneAndTwoColumns) {
    for (int columns : {1, 2}) {
        SCOPED_TRACE(columns);
        DeletePdfFiles();
        const Queue q = QueueCaps(program->printer);
        const logic::FontListMetrics m = logic::FontListPageMetrics(q.dpi, q.width, columns);
        const int perPage = columns * ((q.height - m.top) / m.pitch - 1);
        UseFonts(perPage + 1);
        PrintFontList(columns);
        const std::vector<Page> pages = PrintedPages();
        ASSERT_EQ(pages.size(), 2u);
        logic::PrintCursor cursor;
        for (int i = 0; i <= perPage; ++i) {
            logic::AdvanceCursor(cursor, columns, m, q.height);
            const Page& page = pages[static_cast<size_t>(cursor.page - 1)];
            const Word* name = page.Find(program->fontNames[static_cast<size_t>(i)]);
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
            // The product's name and the maker's address are words of their own.
            const Word* product = pages[p].Find("Letterloom");
            const Word* address = pages[p].Find("http://www.orvane.example");
            ASSERT_TRUE(product && address);
            EXPECT_LT(product->right, address->left);
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

// The progress dialog's Cancel, Escape and Alt+F4 all stop the job and discard its pages.
TEST_F(PrintTest, CancelEscapeOrAltF4DiscardEveryPage) {
    const std::vector<std::pair<const char*, std::function<void()>>> gestures{
        {"Cancel", [this] { ::SendMessageA(progress->CancelButton().Handle(), BM_CLICK, 0, 0); }},
        {"Escape",
         [this] { ::PostMessageA(progress->CancelButton().Handle(), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"Alt+F4",
         [this] { ::PostMessageA(progress->Handle(), WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29)); }}};
    for (const auto& [name, gesture] : gestures) {
        SCOPED_TRACE(name);
        UseFonts(200);
        OnNextPump cancel(gesture);
        EXPECT_EQ(PrintFontList(1), letterloom::PrintOutcome::Cancelled);
        EXPECT_TRUE(cancel.Ran());
        EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
        EXPECT_FALSE(progress->Visible());
        EXPECT_TRUE(PdfsBeforeMarker().empty());
        DeletePdfFiles();
    }
}

TEST_F(PrintTest, WhileAJobRunsTheMainWindowIsDisabledAndNoSecondJobBegins) {
    UseFonts(100);
    bool enabledDuringJob = true;
    bool progressShown = false;
    std::string secondJob;
    std::string device;
    bool pageShownWhole = false;
    OnNextPump probe([&] {
        enabledDuringJob = ::IsWindowEnabled(form->Handle());
        progressShown = progress->Visible();
        device = progress->DeviceLabel().Text();
        pageShownWhole = ShowsWholeText(progress->PageLabel().Handle());
        try {
            PrintFontList(1);
        } catch (const std::exception& error) {
            secondJob = error.what();
        }
    });
    EXPECT_EQ(PrintFontList(2), letterloom::PrintOutcome::Printed);
    ASSERT_TRUE(probe.Ran());
    EXPECT_FALSE(enabledDuringJob);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(secondJob, "打印进行中");
    // Every queue, one a line, after the caption and its eight spaces.
    EXPECT_EQ(device, "打印:        " + program->printer.PrinterListText());
    EXPECT_NE(device.find("LetterloomPDF\r\n"), std::string::npos);
    EXPECT_NE(device.find(std::string(kWideQueue) + "\r\n"), std::string::npos);
    EXPECT_TRUE(pageShownWhole);
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(progress->Visible());
    EXPECT_EQ(PdfsBeforeMarker().size(), 1u);
}

TEST_F(PrintTest, OrientationChosenBeforeDoesNotReachTheJob) {
    tk::Printer& printer = program->printer;
    HGLOBAL current = nullptr;
    const tk::PrinterNames names = printer.Current(&current);
    auto* mode = static_cast<DEVMODEA*>(::GlobalLock(current));
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    mode->dmFields |= DM_ORIENTATION;
    ::GlobalUnlock(current);
    printer.Select(names, current);
    ASSERT_GT(printer.PageWidth(), printer.PageHeight());
    UseFonts(3);
    PrintFontList(1);
    const std::vector<Page> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    // The paper of the queue stays portrait whatever the job draws: the page number at the right
    // edge of a portrait layout shows that the job was laid out portrait.
    const Word* number = pages[0].Find("页数:");
    ASSERT_NE(number, nullptr);
    EXPECT_GT(number->left, pages[0].width / 2);
    EXPECT_LT(number->right, pages[0].width);
    const Word* sample = pages[0].Find("Sample");
    ASSERT_NE(sample, nullptr);
    EXPECT_NEAR(sample->left, pages[0].width / 2, 3);
}

// Whatever a job writes in the progress dialog shows whole: long font names, page numbers of
// three digits.
TEST_F(PrintTest, TheProgressDialogShowsEveryTextWhole) {
    for (const std::string& text : {std::string("页数: 1"), std::string("页数: 100"),
                                    std::string("打印字体:     DejaVu Sans Condensed"),
                                    std::string("打印字体:     ").append(31, 'W')}) {
        progress->SetPageText(text);
        EXPECT_EQ(progress->PageLabel().Text(), text);
        EXPECT_TRUE(ShowsWholeText(progress->PageLabel().Handle())) << text;
    }
}

TEST_F(PrintTest, LongPrinterNamesAreKeptWhole) {
    tk::Printer& printer = program->printer;
    HGLOBAL current = nullptr;
    const tk::PrinterNames real = printer.Current(&current);
    const tk::PrinterNames longNames{std::string(120, 'D'), std::string(100, 'V'),
                                     std::string(90, 'P')};
    printer.Select(longNames, current);
    try {
        letterloom::ResetPrinterSettings(program->printer);
        ADD_FAILURE() << "no such printer, yet no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "已选的打印机无效");
    }
    const tk::PrinterNames kept = printer.Current();
    EXPECT_EQ(kept.device, longNames.device);
    EXPECT_EQ(kept.port, longNames.port);
    printer.Select(real, nullptr);
}

// From the File menu through the options dialog to the PDF: the dialog promises the pages that
// print, in the columns chosen there (A4 at 300 pixels per inch: 54 entries a page in one column,
// 214 in two).
TEST_F(PrintTest, TheOptionsDialogPromisesThePagesThatPrint) {
    struct Case {
        int item, fonts;
        const char* info;
        size_t pages;
    };
    for (const Case& c :
         {Case{1, 213, "页数字体:      214", 1}, Case{1, 214, "页数字体:      214", 1},
          Case{1, 215, "页数字体:      214", 2}, Case{0, 53, "页数字体:      54", 1},
          Case{0, 54, "页数字体:      54", 1}, Case{0, 55, "页数字体:      54", 2}}) {
        SCOPED_TRACE(c.fonts);
        UseFonts(c.fonts);
        std::string info;
        std::string promised;
        OnNextPump choose([&] {
            ::SendMessageA(options->ColumnsChoice().Item(c.item).Handle(), BM_CLICK, 0, 0);
            info = options->PerPageLabel().Text();
            promised = options->PagesLabel().Text();
            ::SendMessageA(options->PrintButton().Handle(), BM_CLICK, 0, 0);
        });
        Command("PrintFontList");
        ASSERT_TRUE(choose.Ran());
        const std::vector<Page> pages = PrintedPages();
        DeletePdfFiles();
        EXPECT_EQ(info, c.info);
        EXPECT_EQ(promised, "所需页数:     " + std::to_string(pages.size()));
        ASSERT_EQ(pages.size(), c.pages);
        // In two columns a page's first entry stands in the right half.
        const Word* first = pages[0].Find("Font000");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->left > pages[0].width / 2, c.item == 1);
    }
}

// A printer chosen in the set-up dialog (from the File menu or the options dialog) prints the
// font list; its paper is the driver's default, here wider than high.
TEST_F(PrintTest, ThePrinterChosenInASetUpDialogPrintsTheJob) {
    const tk::PrinterNames standard = program->printer.Current();
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"File menu",
         [this] {
             Command("PrinterSetup");
             PrintFontList(1);
         }},
        {"options dialog", [this] {
             OnNextPump setUpAndPrint([this] {
                 ::SendMessageA(options->PrinterSetupButton().Handle(), BM_CLICK, 0, 0);
                 ::SendMessageA(options->PrintButton().Handle(), BM_CLICK, 0, 0);
             });
             Command("PrintFontList");
             EXPECT_TRUE(setUpAndPrint.Ran());
         }}};
    for (const auto& [way, print] : ways) {
        SCOPED_TRACE(way);
        UseFonts(3);
        {
            testsupport::DialogWatcher chooser(
                [](HWND dialog) { return ChoosePrinterAndConfirm(dialog, kWideQueue); });
            print();
        }
        EXPECT_EQ(program->printer.Current().device, kWideQueue);
        const std::vector<Page> pages = PrintedPages();
        DeletePdfFiles();
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_GT(pages[0].width, pages[0].height);
        program->printer.Select(standard, nullptr);
    }
}

}  // namespace
}  // namespace printtest
