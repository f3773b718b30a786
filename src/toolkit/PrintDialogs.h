#pragma once
// The platform's printer set-up and print dialogs, each made for a printer object. Both start
// from its current printer and settings and, when the user confirms, make the printer and settings
// chosen there current.
#include <windows.h>

namespace tk {

class Printer;

class PrinterSetupDialog {
public:
    explicit PrinterSetupDialog(Printer& printer) : printer_(printer) {}
    // True when the user confirmed.
    bool Execute(HWND owner);

private:
    Printer& printer_;
};

class PrintDialog {
public:
    explicit PrintDialog(Printer& printer) : printer_(printer) {}
    // Page-range and selection choices off, print-to-file box hidden, no warning when there is
    // no default printer.
    DWORD options = PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;
    bool Execute(HWND owner);

private:
    Printer& printer_;
};

}  // namespace tk
