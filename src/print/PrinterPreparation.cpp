// What every print job shares: the printer of the run, the estimate for the options dialog and
// the printer's preparation.
#include "logic/PrintLayout.h"
#include "print/Printunit.h"
#include "toolkit/Printer.h"

namespace letterloom {

tk::Printer& ThePrinter() {
    static tk::Printer printer({
        .noDefaultPrinter = "当前没有已选默认打印机",
        .invalidPrinter = "已选的打印机无效",
        .printingInProgress = "打印进行中",
    });
    return printer;
}

logic::FontListPlan PlanFontListPrintout(int columns, int entries) {
    // The printout starts from the driver's defaults, and so does its estimate.
    ResetPrinterSettings();
    HDC dc = ThePrinter().Handle();
    const logic::FontListMetrics metrics = logic::FontListPageMetrics(
        ::GetDeviceCaps(dc, LOGPIXELSY), ::GetDeviceCaps(dc, HORZRES), columns);
    return logic::PlanFontList(entries, columns, metrics, ::GetDeviceCaps(dc, VERTRES));
}

void ResetPrinterSettings() {
    tk::Printer& printer = ThePrinter();
    // The names are held whole, however long the platform makes them.
    HGLOBAL settings = nullptr;
    const tk::PrinterNames names = printer.Current(&settings);
    printer.Select(names, nullptr);
}

}  // namespace letterloom
