#pragma once
// The font-list printout: every installed family, its name in Arial and the preview text in the
// family's own font, in one or two columns under a header line.
#include <string>
#include <vector>

#include "print/PrintJob.h"
#include "print/PrintTools.h"

namespace tk {
class Canvas;
}

namespace letterloom {

// The print options dialog, then the printout in the columns chosen there. owner is the window
// the command came from; it takes no input while the job runs.
PrintOutcome ShowPrintOptions(PrintTools& tools, HWND owner, const std::vector<std::string>& names,
                              const std::string& previewText);
// Prints the names, each with the preview text in its font, in 1 or 2 columns.
PrintOutcome PrintFontList(PrintTools& tools, HWND owner, const std::vector<std::string>& names,
                           int columns, const std::string& previewText);
// The header line of a font-list page on the printer's canvas: title, the maker's address and the
// page number.
void DrawPageHeader(tk::Canvas& canvas, int height, int page, int pageWidth);

}  // namespace letterloom
