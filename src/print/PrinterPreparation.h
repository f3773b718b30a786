#pragma once
// What every print job does before it starts, and the estimate of a font-list printout.
#include "logic/PrintLayout.h"

namespace letterloom {

// Selects the current printer again with its driver's default document settings: the choice of
// printer stays, settings made in the set-up or print dialog do not reach the next job.
void ResetPrinterSettings();

// The entries on a page and the pages of a font-list printout of that many entries on the current
// printer, in 1 or 2 columns, exactly as the printout will place them.
logic::FontListPlan PlanFontListPrintout(int columns, int entries);

}  // namespace letterloom
