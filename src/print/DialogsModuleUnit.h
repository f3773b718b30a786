#pragma once
// The common dialogs that the program's commands share, made once at start-up.
#include "print/Printunit.h"
#include "toolkit/ColorDialog.h"
#include "toolkit/PrintDialogs.h"
#include "toolkit/SaveDialog.h"

namespace letterloom {

class TDialogModule {
public:
    TDialogModule();
    ~TDialogModule();
    TDialogModule(const TDialogModule&) = delete;
    TDialogModule& operator=(const TDialogModule&) = delete;

    tk::PrinterSetupDialog PrinterSetupDialog{ThePrinter()};
    tk::ColorDialog ColorDialog;
    // The font list export's file; it proposes the last chosen name again.
    tk::SaveDialog SaveDialog;
    tk::PrintDialog PrintDialog{ThePrinter()};
};

// The one dialog holder of the program.
extern TDialogModule* DialogModule;

}  // namespace letterloom
