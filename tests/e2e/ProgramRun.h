#pragma once
// Starts the real Letterloom.exe as a user would and finds its main window.
#include <windows.h>

#include <string>

#include "toolkit/UniqueHandle.h"

namespace e2e {

class ProgramRun {
public:
    ProgramRun();
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // The visible main window titled "Letterloom", or null after the timeout.
    HWND WaitForMainWindow(DWORD timeoutMs);
    // A visible top-level window of the program of the given class, or null after the timeout.
    HWND WaitForWindowOfClass(const char* className, DWORD timeoutMs);
    // True when the process ended within the timeout.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;

private:
    HWND WaitForWindow(bool (*matches)(HWND, const char*), const char* className, DWORD timeoutMs);
    tk::UniqueKernelHandle process_;
    tk::UniqueKernelHandle thread_;
    DWORD processId_ = 0;
};

// The program built beside the tests.
std::string ProgramPath();
// Whether a top-level window is the foreground one, its thread's active window, and holds the
// keyboard focus in itself or a child: keys typed now reach it.
bool HasKeyboard(HWND window);
// Makes a top-level window the foreground one and waits until it has the keyboard.
bool BringToFront(HWND window);
// The window that has the keyboard focus in the thread of the given one, or null.
HWND FocusOf(HWND window);
// Keys typed into the foreground window. They queue up in order; a test waits for what the last
// of them does.
void TypeKey(WORD key, bool alt = false);

}  // namespace e2e
