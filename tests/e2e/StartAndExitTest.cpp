// The real program under Wine on the virtual display: it comes up, and the File menu's Exit
// closes it and leaves the settings in the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "ProgramRun.h"
#include "shared/RegistryKeys.h"

namespace {

constexpr const char* kSettingsKey = "SOFTWARE\\Orvane\\Letterloom";

bool ValueExists(const char* name) {
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CURRENT_USER, kSettingsKey);
    return key &&
           ::RegQueryValueExA(key.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

TEST(StartAndExit, MainWindowComesUpAndFileExitClosesIt) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    e2e::ProgramRun program;
    HWND main = program.WaitForMainWindow(60000);
    ASSERT_NE(main, nullptr) << "no main window titled Letterloom";

    char caption[64] = {};
    ::GetWindowTextA(main, caption, sizeof caption);
    EXPECT_STREQ(caption, "Letterloom");

    // Alt+F opens the File menu; Up wraps to its last item, Exit; Enter chooses it.
    ASSERT_TRUE(e2e::BringToFront(main));
    e2e::TypeKey('F', true);
    e2e::TypeKey(VK_UP);
    e2e::TypeKey(VK_RETURN);
    if (!program.WaitForExit(5000)) {
        ADD_FAILURE() << "File > Exit did not close the program";
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(program.WaitForExit(10000));
    }
    EXPECT_EQ(program.ExitCode(), 0u);
    for (const char* name : {"PrevString", "TryString", "字体列表大小", "已选字体大小   "})
        EXPECT_TRUE(ValueExists(name)) << name;
}

}  // namespace
