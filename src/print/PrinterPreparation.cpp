// What every print job shares: the estimate for the options dialog and the printer's preparation.
#include "print/PrinterPreparation.h"
#include "logic/PrintLayout.h"
#include "toolkit/Printer.h"

namespace letterloom {

logic::FontListPlan PlanFontListPrintout(int columns, int entries) {
    // The printout starts from the driver's defaults, and so does its estimate.
    ResetPrinterSettings();
    HDC dc = tk::ThePrinter().Handle();
    const logic::FontListMetrics metrics = logic::FontListPageMetrics(
        ::GetDeviceCaps(dc, LOGPIXELSY), ::GetDeviceCaps(dc, HORZRES), columns);
    return logic::PlanFontList(entries, columns, metrics, ::GetDeviceCaps(dc, VERTRES));
}

void ResetPrinterSettings() {
    tk::Printer& printer = tk::ThePrinter();
    // The names are held whole, however long the platform makes them.
    HGLOBAL settings = nullptr;
    const tk::PrinterNames names = printer.Current(&settings);
    printer.Select(names, nullptr);
}

}  // namespace letterloom
