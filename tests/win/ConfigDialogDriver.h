#pragma once
// Works the configuration dialog from a second thread while the program shows it modally: once
// it is visible, runs the given steps, which reach its controls by messages only.
#include <windows.h>

#include <functional>

#include "settings/ConfigDialog.h"
#include "support/Wait.h"

namespace testsupport {

class ConfigDialogDriver {
public:
    using Steps = std::function<void(letterloom::ConfigDialog& dialog)>;
    explicit ConfigDialogDriver(Steps steps);

    int Runs() const { return runs_; }

private:
    void Run();

    Steps steps_;
    volatile LONG runs_ = 0;
    HWND answered_ = nullptr;
    DriverThread thread_;  // last: it starts once the rest is ready, and stops first
};

// The configuration dialog of this process while it exists, or null.
letterloom::ConfigDialog* OpenConfigDialog();

// Steps: type a text into a control, press a button, press a key in a control.
void SetTextOf(HWND control, const char* text);
void Press(const tk::Button& button);
void PostKey(HWND control, UINT key);

}  // namespace testsupport
