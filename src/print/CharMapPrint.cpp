// The character-map printout: one page per font selected in the font list, its name as a heading
// and its 224 cells drawn by the renderer of the on-screen map, sized to the page.
#include <vector>

#include "logic/PrintLayout.h"
#include "print/DialogsModuleUnit.h"
#include "print/PrintJobScope.h"
#include "print/Printunit.h"
#include "toolkit/Application.h"
#include "toolkit/ListBox.h"
#include "toolkit/Printer.h"

namespace letterloom {

namespace {

constexpr int kHeadingPoints = 12;

std::vector<std::string> SelectedNames(const tk::ListBox& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Selected(i)) names.push_back(list.Item(i));
    return names;
}

void PrintOneMap(const std::string& fontName, CellRenderer drawCells) {
    tk::Printer& printer = ThePrinter();
    tk::Canvas& canvas = printer.GetCanvas();
    PrintStat->SetPageText("打印字体:     " + fontName);
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
    drawCells(fontName, grid.cellSize, grid.columns, 0, top, canvas, PrintStat->ProgressBar,
              drawing);
}

}  // namespace

void PrintCharMap(const tk::ListBox& fontList, CellRenderer drawCells) {
    PrintAbort = false;
    tk::Application& app = tk::Application::Instance();
    const HWND owner = app.MainForm() ? app.MainForm()->Handle() : nullptr;
    if (fontList.SelCount() == 0) {
        ::MessageBoxA(owner, "你需要至少选择一种字体            ", app.Title().c_str(), MB_OK);
        return;
    }
    if (!DialogModule->PrintDialog.Execute(owner)) return;
    tk::Printer& printer = ThePrinter();
    ResetPrinterSettings();
    printer.Refresh();
    PrintJobScope job;
    printer.BeginDoc();
    const std::vector<std::string> names = SelectedNames(fontList);
    for (size_t i = 0; i < names.size(); ++i) {
        PrintOneMap(names[i], drawCells);
        if (i + 1 < names.size()) printer.NewPage();
    }
    // The main window comes back before the platform spools the end of the job.
    job.HideProgress();
    if (PrintAbort)
        printer.Abort();
    else
        printer.EndDoc();
}

}  // namespace letterloom
