// The font-list printout: every installed family, its name in Arial and the preview text in the
// family's own font, in one or two columns under a header line.
#include "print/FontListPrintout.h"

#include "logic/PrintLayout.h"
#include "print/PrinterPreparation.h"
#include "toolkit/Printer.h"

namespace letterloom {

namespace {
constexpr const char* kMakerHomePage = "http://www.orvane.example";
constexpr const char* kNameFace = "Arial";
}  // namespace

PrintOutcome ShowPrintOptions(PrintTools& tools, HWND owner, const std::vector<std::string>& names,
                              const std::string& previewText) {
    const int columns = tools.options.AskColumns(static_cast<int>(names.size()));
    if (columns == 0) return PrintOutcome::NotStarted;
    return PrintFontList(tools, owner, names, columns, previewText);
}

void DrawPageHeader(tk::Canvas& canvas, int height, int page, int pageWidth) {
    canvas.Font().name = kNameFace;
    canvas.Font().height = height;
    canvas.TextOut(
        1, 1,
        std::string("已安装字体列表     随同打印: Letterloom ") + kMakerHomePage + "        ");
    // Only a measure: the number's left edge stays put however long it grows.
    const int measure = canvas.TextWidth("Page: XXX");
    canvas.TextOut(pageWidth - measure - 10, 1, "页数: " + std::to_string(page));
}

PrintOutcome PrintFontList(PrintTools& tools, HWND owner, const std::vector<std::string>& names,
                           int columns, const std::string& previewText) {
    tk::Printer& printer = tools.printer;
    ResetPrinterSettings(printer);
    printer.Refresh();
    PrintJob job(printer, tools.progress, owner);
    PrintProgressDialog& progress = job.Progress();
    HDC dc = printer.Handle();
    const int width = ::GetDeviceCaps(dc, HORZRES);
    const int height = ::GetDeviceCaps(dc, VERTRES);
    const logic::FontListMetrics m =
        logic::FontListPageMetrics(::GetDeviceCaps(dc, LOGPIXELSY), width, columns);
    logic::PrintCursor cursor;
    const int last = static_cast<int>(names.size()) - 1;
    progress.SetPageText("页数: 1");
    progress.Repaint();
    printer.title = "Letterloom Font List";
    printer.BeginDoc();
    DrawPageHeader(printer.GetCanvas(), m.headerHeight, 1, width);
    tk::Canvas& canvas = printer.GetCanvas();
    canvas.Font().height = m.entryHeight;
    progress.Progress().SetMax(last);
    int shownPage = 1;
    for (int i = 0; i <= last && !job.Cancelled(); ++i) {
        progress.Progress().SetPosition(i);
        // The label changes with the page only; setting it for every entry would cost a
        // repaint each time.
        if (cursor.page != shownPage) {
            shownPage = cursor.page;
            progress.SetPageText("页数: " + std::to_string(shownPage));
        }
        if (logic::AdvanceCursor(cursor, columns, m, height)) {
            printer.NewPage();
            DrawPageHeader(printer.GetCanvas(), m.headerHeight, cursor.page, width);
        }
        const int left = cursor.column * m.columnWidth;
        const int y = cursor.row * m.pitch + m.top;
        const std::string& name = names[static_cast<size_t>(i)];
        canvas.Font().name = kNameFace;
        canvas.Font().height = m.entryHeight;
        canvas.TextOut(left + logic::kNameOffset, y, name);
        canvas.Font().name = name;
        canvas.TextOut(left + m.sampleOffset, y, previewText);
    }
    return job.Finish();
}

}  // namespace letterloom
