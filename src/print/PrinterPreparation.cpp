// What every print job shares: the estimate for the options dialog and the printer's preparation.
#include "logic/PrintLayout.h"
#include "print/Printunit.h"
#include "toolkit/Printer.h"

namespace letterloom {

int EntriesPerPage(int columns) {
    HDC dc = tk::ThePrinter().Handle();
    return logic::EntriesPerPage(::GetDeviceCaps(dc, LOGPIXELSY), ::GetDeviceCaps(dc, VERTRES),
                                 columns);
}

void ResetPrinterSettings() {
    tk::Printer& printer = tk::ThePrinter();
    // The names are held whole, however long the platform makes them.
    HGLOBAL settings = nullptr;
    const tk::PrinterNames names = printer.Current(&settings);
    printer.Select(names, nullptr);
}

}  // namespace letterloom
