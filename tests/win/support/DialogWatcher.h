#pragma once
// Watches from a second thread for message boxes of this process, records what they show and
// presses their OK button, so that tests can drive code that reports errors.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/Wait.h"

namespace testsupport {

struct SeenDialog {
    std::string caption;
    std::string text;
    bool errorIcon = false;
};

// A visible top-level window of this process whose class is className ("#32770" for dialogs,
// "#32768" for menus), or null.
HWND FindProcessWindow(const char* className);

class DialogWatcher {
public:
    // answer, when given, sees every dialog first and returns true for one it dealt with itself.
    explicit DialogWatcher(std::function<bool(HWND dialog)> answer = {});

    std::vector<SeenDialog> Seen() const;

private:
    void Watch();
    std::function<bool(HWND dialog)> answer_;
    mutable SRWLOCK lock_ = SRWLOCK_INIT;  // a Win32 lock, as the thread is one (see Wait.h)
    std::vector<SeenDialog> seen_;
    DriverThread thread_;  // last: it starts once the rest is ready, and stops first
};

}  // namespace testsupport
