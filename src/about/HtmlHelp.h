#pragma once
// The help launcher: the system's HTML Help library, found through its registered class and
// loaded on the first help request, at most once per run.
#include <windows.h>

#include <string>

#include "toolkit/UniqueHandle.h"

namespace letterloom {

// "<folder of the program file>\Letterloom.chm".
std::string HelpFilePath();

class HtmlHelp {
public:
    HtmlHelp() = default;
    // Closes the library's viewer windows and releases it, if it was loaded.
    ~HtmlHelp() { Unload(); }
    HtmlHelp(const HtmlHelp&) = delete;
    HtmlHelp& operator=(const HtmlHelp&) = delete;

    // Passes the command and data word to the library's HtmlHelpA; without the library, says so
    // in a message box owned by window and returns null.
    HWND Show(HWND window, const std::string& file, UINT command, DWORD_PTR data);
    // Looks for the library and loads it; marks the attempt first, whatever comes of it.
    void Load();
    // Closes the library's viewer windows, then releases it, if it was loaded.
    void Unload();
    bool Loaded() const { return static_cast<bool>(module_); }

private:
    using Entry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

    tk::UniqueModule module_;
    Entry entry_ = nullptr;
    bool loadAttempted_ = false;
};

}  // namespace letterloom
