#pragma once
// The platform's dialogs that the program's commands share, made once at start-up: each keeps
// what the user last chose in it.
#include "toolkit/ColorDialog.h"
#include "toolkit/PrintDialogs.h"
#include "toolkit/Printer.h"
#include "toolkit/SaveDialog.h"

namespace letterloom {

struct CommonDialogs {
    // The printer dialogs choose the printer of the run.
    explicit CommonDialogs(tk::Printer& printer);

    tk::PrinterSetupDialog printerSetup;
    tk::ColorDialog color;
    // The font list export's file, plain names (filter 1) or a table with the families' facts
    // (filter 2); it proposes the last chosen name and type again.
    tk::SaveDialog exportFile;
    static constexpr int kExportFactsFilter = 2;
    tk::PrintDialog print;
};

}  // namespace letterloom
