#pragma once
// The platform's printer set-up and print dialogs. Both start from the current printer of the run
// and, when the user confirms, make the printer and settings chosen there current.
#include <windows.h>

namespace tk {

class PrinterSetupDialog {
public:
    // True when the user confirmed.
    bool Execute(HWND owner);
};

class PrintDialog {
public:
    // Page-range and selection choices off, print-to-file box hidden, no warning when there is
    // no default printer.
    DWORD options = PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;
    bool Execute(HWND owner);
};

}  // namespace tk
