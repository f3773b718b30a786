#pragma once
// The help launcher: the system's HTML Help library, found through its registered class and
// loaded on the first help request, at most once per run.
#include <windows.h>

#include <string>

namespace letterloom {

// "<folder of the program file>\Letterloom.chm".
std::string HelpFilePath();

// Passes the command and data word to the library's HtmlHelpA; without the library, says so
// in a message box owned by window and returns null.
HWND ShowHtmlHelp(HWND window, const std::string& file, UINT command, DWORD_PTR data);

// Looks for the library and loads it; marks the attempt first, whatever comes of it.
void LoadHtmlHelp();
// Closes the library's viewer windows and releases it, if it was loaded.
void UnloadHtmlHelp();
bool HtmlHelpLoaded();

// Releases the library when the program's main body ends, on every path out of it.
struct HtmlHelpUnloader {
    HtmlHelpUnloader() = default;
    ~HtmlHelpUnloader() { UnloadHtmlHelp(); }
    HtmlHelpUnloader(const HtmlHelpUnloader&) = delete;
    HtmlHelpUnloader& operator=(const HtmlHelpUnloader&) = delete;
};

}  // namespace letterloom
