#pragma once
// The span of a print job in which the progress dialog shows and the main window is disabled.
// However the job ends, the dialog goes and the main window comes back; a job left unfinished by
// an error is aborted.
#include "print/PrintStatUnit.h"
#include "print/Printunit.h"
#include "toolkit/Printer.h"

namespace letterloom {

class PrintJobScope {
public:
    PrintJobScope() { ShowPrintProgress(true); }
    ~PrintJobScope() {
        ThePrinter().Abort();
        if (showing_) ShowPrintProgress(false);
    }
    PrintJobScope(const PrintJobScope&) = delete;
    PrintJobScope& operator=(const PrintJobScope&) = delete;

    void HideProgress() {
        showing_ = false;
        ShowPrintProgress(false);
    }

private:
    bool showing_ = true;
};

}  // namespace letterloom
