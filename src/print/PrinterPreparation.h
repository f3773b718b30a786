#pragma once
// What every print job does before it starts, the estimate of a font-list printout, and the words
// the printer reports its failures in.
#include "logic/PrintLayout.h"
#include "toolkit/Printer.h"

namespace letterloom {

// The printer's failures as the program words them.
tk::PrinterMessages PrinterWording();

// Selects the current printer again with its driver's default document settings: the choice of
// printer stays, settings made in the set-up or print dialog do not reach the next job.
void ResetPrinterSettings(tk::Printer& printer);

// The entries on a page and the pages of a font-list printout of that many entries on the
// printer, in 1 or 2 columns, exactly as the printout will place them.
logic::FontListPlan PlanFontListPrintout(tk::Printer& printer, int columns, int entries);

}  // namespace letterloom
