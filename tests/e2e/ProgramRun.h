#pragma once
// Starts the real Letterloom.exe as a user would and finds its main window.
#include <windows.h>

#include <string>

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
    PROCESS_INFORMATION process_{};
};

// The program built beside the tests.
std::string ProgramPath();
// Keys typed into the foreground window.
void TypeKey(WORD key, bool alt = false);

}  // namespace e2e
