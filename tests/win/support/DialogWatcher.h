#pragma once
// Watches from a second thread for message boxes of this process, records what they show and
// presses their OK button, so that tests can drive code that reports errors.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    std::vector<SeenDialog> Seen() const;

private:
    // Win32 threads and locks: <thread> and <mutex> bring in <chrono>, whose texts have no GBK
    // form.
    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    std::function<bool(HWND dialog)> answer_;
    volatile LONG stop_ = 0;
    mutable CRITICAL_SECTION lock_;
    std::vector<SeenDialog> seen_;
    HANDLE thread_;
};

}  // namespace testsupport
