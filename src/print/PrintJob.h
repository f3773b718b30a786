#pragma once
// The span of one print job: the progress dialog shows over the window the job was started from,
// which takes no input meanwhile; Cancel marks the job. However the job ends, the dialog goes and
// the window comes back; a job left unfinished by an error is aborted.
#include <string>

#include "print/PrintProgressDialog.h"
#include "toolkit/Printer.h"

namespace letterloom {

// How a printout ended.
enum class PrintOutcome {
    NotStarted,  // nothing to print, or the user declined a dialog
    Printed,
    Cancelled,  // the platform discarded every page
};

class PrintJob {
public:
    PrintJob(tk::Printer& printer, PrintProgressDialog& progress, HWND owner);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool Cancelled() const { return cancelled_; }
    PrintProgressDialog& Progress() { return progress_; }
    // Gives the window back before the platform spools the end of the job.
    void HideProgress();
    // Ends the job, or aborts it when it was cancelled.
    PrintOutcome Finish();

private:
    tk::Printer& printer_;
    PrintProgressDialog& progress_;
    HWND owner_;
    bool cancelled_ = false;
    bool showing_ = true;
};

}  // namespace letterloom
