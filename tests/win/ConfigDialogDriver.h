#pragma once
// Works the configuration dialog from a second thread while the program shows it modally: once
// it is visible, runs the given steps, which reach its controls by messages only.
#include <windows.h>

#include <functional>

#include "settings/frmConfigForm.h"

namespace testsupport {

class ConfigDialogDriver {
public:
    using Steps = std::function<void(letterloom::TConfigForm& dialog)>;
    explicit ConfigDialogDriver(Steps steps);
    ~ConfigDialogDriver();
    ConfigDialogDriver(const ConfigDialogDriver&) = delete;
    ConfigDialogDriver& operator=(const ConfigDialogDriver&) = delete;

    int Runs() const { return runs_; }

private:
    static DWORD WINAPI ThreadMain(void* self);
    void Run();

    Steps steps_;
    volatile LONG stop_ = 0;
    volatile LONG runs_ = 0;
    HANDLE thread_;
};

// Steps: type a text into a control, press a button, press a key in a control.
void SetTextOf(HWND control, const char* text);
void Press(const tk::Button& button);
void PostKey(HWND control, UINT key);

}  // namespace testsupport
