// What every print job shares: the printer's wording, the estimate for the options dialog and the
// printer's preparation.
#include "print/PrinterPreparation.h"

namespace letterloom {

tk::PrinterMessages PrinterWording() {
    return {
        .noDefaultPrinter = "当前没有已选默认打印机",
        .invalidPrinter = "已选的打印机无效",
        .printingInProgress = "打印进行中",
    };
}

logic::FontListPlan PlanFontListPrintout(tk::Printer& printer, int columns, int entries) {
    // The printout starts from the driver's defaults, and so does its estimate.
    ResetPrinterSettings(printer);
    HDC dc = printer.Handle();
    const logic::FontListMetrics metrics = logic::FontListPageMetrics(
        ::GetDeviceCaps(dc, LOGPIXELSY), ::GetDeviceCaps(dc, HORZRES), columns);
    return logic::PlanFontList(entries, columns, metrics, ::GetDeviceCaps(dc, VERTRES));
}

void ResetPrinterSettings(tk::Printer& printer) {
    // The names are held whole, however long the platform makes them.
    HGLOBAL settings = nullptr;
    const tk::PrinterNames names = printer.Current(&settings);
    printer.Select(names, nullptr);
}

}  // namespace letterloom
