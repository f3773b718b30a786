#include "print/PrintJob.h"

namespace letterloom {

PrintJob::PrintJob(tk::Printer& printer, PrintProgressDialog& progress, HWND owner)
    : printer_(printer), progress_(progress), owner_(owner) {
    const std::string printers = printer_.PrinterListText();
    if (owner_) ::EnableWindow(owner_, FALSE);
    try {
        progress_.ShowFor(owner_, printers, [this] { cancelled_ = true; });
    } catch (...) {
        HideProgress();
        throw;
    }
}

PrintJob::~PrintJob() {
    printer_.Abort();
    HideProgress();
}

void PrintJob::HideProgress() {
    if (!showing_) return;
    showing_ = false;
    if (owner_) ::EnableWindow(owner_, TRUE);
    progress_.Hide();
}

PrintOutcome PrintJob::Finish() {
    if (cancelled_) {
        printer_.Abort();
        return PrintOutcome::Cancelled;
    }
    printer_.EndDoc();
    return PrintOutcome::Printed;
}

}  // namespace letterloom
