#pragma once
// Starts the program's main window in-process, on a clean settings key, the way WinMain does,
// and drives it as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Program.h"
#include "support/UserGestures.h"

namespace testsupport {

// HKEY_CURRENT_USER\SOFTWARE\Orvane\Letterloom and everything below it.
void DeleteSettingsKey();

// Writes one value into the settings key, creating the key.
void StoreSettingsValue(const char* name, DWORD type, const void* data, DWORD size);

// A click on the tab that shows the given caption; the test fails when no tab shows it.
void ClickTab(tk::PageControl& pages, const std::string& caption);

// Lets a window grow beyond the screen's size while it lives, as windows spanning several screens
// can.
class NoMaximumSize {
public:
    explicit NoMaximumSize(HWND hwnd);
    ~NoMaximumSize();
    NoMaximumSize(const NoMaximumSize&) = delete;
    NoMaximumSize& operator=(const NoMaximumSize&) = delete;

private:
    HWND hwnd_;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Start-up as WinMain does it: a fresh program (settings' defaults, dialogs, main window), then
    // the first showing.
    void StartProgram();
    // The same in two steps: a fresh program, then its main window's first showing.
    void CreateProgram();
    void ShowProgram();
    // Ends the program: its main window and everything else it owns.
    void EndProgram();
    // Start-up, then a click on the tab with this caption.
    void StartProgramOnPage(const std::string& tabCaption);
    // Closes the main window through File > Exit, as the user would.
    void ExitThroughMenu();

    std::vector<std::string> VisibleTabs() const { return form->Pages().VisibleTabCaptions(); }

    std::unique_ptr<letterloom::Program> program;
    // The program's main window while it lives.
    letterloom::MainWindow* form = nullptr;
};

}  // namespace testsupport
