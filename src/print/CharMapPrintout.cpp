// The character-map printout: one page per font selected in the font list, its name as a heading
// and its 224 cells drawn by the renderer of the on-screen map, sized to the page.
#include "print/CharMapPrintout.h"

#include "logic/PrintLayout.h"
#include "print/PrinterPreparation.h"
#include "toolkit/Application.h"
#include "toolkit/Printer.h"

namespace letterloom {

namespace {

constexpr int kHeadingPoints = 12;

void PrintOneMap(tk::Printer& printer, const std::string& fontName, CellRenderer drawCells,
                 PrintProgressDialog& progress) {
    tk::Canvas& canvas = printer.GetCanvas();
    progress.SetPageText("打印字体:     " + fontName);
    canvas.Font().name = "Arial";
    canvas.Font().SetSize(kHeadingPoints);
    canvas.Font().Set(tk::kBold, true);
    canvas.TextOut(0, 0, fontName);
    const int top = canvas.TextHeight(fontName) * 11 / 10;
    // The whole grid on the page, on landscape and square paper too.
    const logic::CharMapPrintGrid grid =
        logic::CharMapGridForPage(printer.PageWidth(), printer.PageHeight(), top);
    // Cancel discards the job at its end; the maps are drawn whole until then. The flag is the
    // printout's own, so the on-screen map's build is neither stopped nor revived by it.
    bool drawing = true;
    drawCells(fontName, grid.cellSize, grid.columns, 0, top, canvas, progress.Progress(), drawing);
}

}  // namespace

PrintOutcome PrintCharMaps(PrintTools& tools, HWND owner, const std::vector<std::string>& fonts,
                           CellRenderer drawCells) {
    tk::Application& app = tk::Application::Instance();
    if (fonts.empty()) {
        ::MessageBoxA(owner, "你需要至少选择一种字体            ", app.Title().c_str(), MB_OK);
        return PrintOutcome::NotStarted;
    }
    if (!tools.dialogs.print.Execute(owner)) return PrintOutcome::NotStarted;
    tk::Printer& printer = tools.printer;
    ResetPrinterSettings(printer);
    printer.Refresh();
    PrintJob job(printer, tools.progress, owner);
    printer.BeginDoc();
    for (size_t i = 0; i < fonts.size(); ++i) {
        PrintOneMap(printer, fonts[i], drawCells, job.Progress());
        if (i + 1 < fonts.size()) printer.NewPage();
    }
    // The window comes back before the platform spools the end of the job.
    job.HideProgress();
    return job.Finish();
}

}  // namespace letterloom
