#pragma once
// What the print commands work with: the printer of the run, the platform's dialogs, the options
// dialog of the font list and the progress dialog, all made once at start-up.
#include "print/CommonDialogs.h"
#include "print/PrintOptionsDialog.h"
#include "print/PrintProgressDialog.h"
#include "toolkit/Printer.h"

namespace letterloom {

struct PrintTools {
    tk::Printer& printer;
    CommonDialogs& dialogs;
    PrintOptionsDialog& options;
    PrintProgressDialog& progress;
};

}  // namespace letterloom
