#pragma once
// The installed font families, as the font list and the printed font list show them.
#include <cstdint>
#include <string>
#include <vector>

#include "logic/PrintLayout.h"

namespace tk {
class Canvas;
class ListBox;
class Printer;
class ProgressBar;
}  // namespace tk

namespace letterloom {

extern std::vector<std::string> InstalledFontNames;

// The screen's font families, each once, with the pseudo-face "Default", sorted in the user
// locale's order ignoring case. Safe on any thread.
std::vector<std::string> CollectInstalledFontNames();

// InstalledFontNames = CollectInstalledFontNames().
void BuildInstalledFontNames();

// The printer of the run, made on first use; its errors speak the program's words.
tk::Printer& ThePrinter();

// The entries on a page and the pages of a font-list printout of that many entries on the current
// printer, in 1 or 2 columns, exactly as the printout will place them.
logic::FontListPlan PlanFontListPrintout(int columns, int entries);
// Selects the current printer again with its driver's default document settings: the choice of
// printer stays, settings made in the set-up or print dialog do not reach the next job.
void ResetPrinterSettings();

// The print options dialog, then the font-list job in the columns chosen there.
void ShowPrintOptions(const std::string& previewText);
// Prints InstalledFontNames, each name with the preview text in its font, in 1 or 2 columns.
void PrintFontList(int columns, const std::string& previewText);
// The header line of a font-list page: title, the maker's address and the page number.
void DrawPageHeader(int height, int page, int pageWidth);

// The character map's cell renderer: the cells of a font, cell size, columns, origin, canvas,
// progress bar and the flag that stops it.
using CellRenderer = void (*)(const std::string&, int32_t, int32_t, int32_t, int32_t, tk::Canvas&,
                              tk::ProgressBar&, bool&);

// Prints the character map of each font selected in fontList, one page per font, with drawCells.
void PrintCharMap(const tk::ListBox& fontList, CellRenderer drawCells);

}  // namespace letterloom
