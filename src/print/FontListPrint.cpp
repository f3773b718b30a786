// The font-list printout: every installed family, its name in Arial and the preview text in the
// family's own font, in one or two columns under a header line.
#include "logic/PrintLayout.h"
#include "print/PrintDialogUnit.h"
#include "print/PrintJobScope.h"
#include "print/Printunit.h"
#include "toolkit/Printer.h"

namespace letterloom {

namespace {
constexpr const char* kMakerHomePage = "http://www.orvane.example";
constexpr const char* kNameFace = "Arial";
}  // namespace

void ShowPrintOptions(const std::string& previewText) {
    if (PrintDialog->ShowModal() != tk::kModalOk) return;
    PrintFontList(PrintDialog->Columns(), previewText);
}

void DrawPageHeader(int height, int page, int pageWidth) {
    tk::Canvas& canvas = ThePrinter().GetCanvas();
    canvas.Font().name = kNameFace;
    canvas.Font().height = height;
    canvas.TextOut(
        1, 1,
        std::string("已安装字体列表     随同打印: Letterloom ") + kMakerHomePage + "        ");
    // Only a measure: the number's left edge stays put however long it grows.
    const int measure = canvas.TextWidth("Page: XXX");
    canvas.TextOut(pageWidth - measure - 10, 1, "页数: " + std::to_string(page));
}

void PrintFontList(int columns, const std::string& previewText) {
    tk::Printer& printer = ThePrinter();
    ResetPrinterSettings();
    printer.Refresh();
    PrintJobScope job;
    PrintAbort = false;
    HDC dc = printer.Handle();
    const int width = ::GetDeviceCaps(dc, HORZRES);
    const int height = ::GetDeviceCaps(dc, VERTRES);
    const logic::FontListMetrics m =
        logic::FontListPageMetrics(::GetDeviceCaps(dc, LOGPIXELSY), width, columns);
    logic::PrintCursor cursor;
    const int last = static_cast<int>(InstalledFontNames.size()) - 1;
    PrintStat->SetPageText("页数: 1");
    PrintStat->Repaint();
    printer.title = "Letterloom Font List";
    printer.BeginDoc();
    DrawPageHeader(m.headerHeight, 1, width);
    tk::Canvas& canvas = printer.GetCanvas();
    canvas.Font().height = m.entryHeight;
    PrintStat->ProgressBar.SetMax(last);
    int shownPage = 1;
    for (int i = 0; i <= last && !PrintAbort; ++i) {
        PrintStat->ProgressBar.SetPosition(i);
        // The label changes with the page only; setting it for every entry would cost a
        // repaint each time.
        if (cursor.page != shownPage) {
            shownPage = cursor.page;
            PrintStat->SetPageText("页数: " + std::to_string(shownPage));
        }
        if (logic::AdvanceCursor(cursor, columns, m, height)) {
            printer.NewPage();
            DrawPageHeader(m.headerHeight, cursor.page, width);
        }
        const int left = cursor.column * m.columnWidth;
        const int y = cursor.row * m.pitch + m.top;
        const std::string& name = InstalledFontNames[static_cast<size_t>(i)];
        canvas.Font().name = kNameFace;
        canvas.Font().height = m.entryHeight;
        canvas.TextOut(left + logic::kNameOffset, y, name);
        canvas.Font().name = name;
        canvas.TextOut(left + m.sampleOffset, y, previewText);
    }
    if (PrintAbort)
        printer.Abort();
    else
        printer.EndDoc();
}

}  // namespace letterloom
