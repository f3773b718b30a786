#include "print/PrintJob.h"

namespace letterloom {

PrintJob::PrintJob(PrintProgressDialog& progress, HWND owner) : progress_(progress), owner_(owner) {
    const std::string printers = tk::ThePrinter().PrinterListText();
    if (owner_) ::EnableWindow(owner_, FALSE);
    try {
        progress_.ShowFor(owner_, printers, [this] { cancelled_ = true; });
    } catch (...) {
        HideProgress();
        throw;
    }
}

PrintJob::~PrintJob() {
    tk::ThePrinter().Abort();
    HideProgress();
}

void PrintJob::HideProgress() {
    if (!showing_) return;
    showing_ = false;
    if (owner_) ::EnableWindow(owner_, TRUE);
    progress_.Hide();
}

PrintOutcome PrintJob::Finish() {
    tk::Printer& printer = tk::ThePrinter();
    if (cancelled_) {
        printer.Abort();
        return PrintOutcome::Cancelled;
    }
    printer.EndDoc();
    return PrintOutcome::Printed;
}

}  // namespace letterloom
