#pragma once
// What the print commands work with besides the printer: the platform's dialogs, the options
// dialog of the font list and the progress dialog, all made once at start-up.
#include "print/CommonDialogs.h"
#include "print/PrintOptionsDialog.h"
#include "print/PrintProgressDialog.h"

namespace letterloom {

struct PrintTools {
    CommonDialogs& dialogs;
    PrintOptionsDialog& options;
    PrintProgressDialog& progress;
};

}  // namespace letterloom
