// Runs the in-process tests with the program's application object set up as WinMain sets it,
// but without its fixed pauses.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application::Instance().SetTitle("Letterloom");
    tk::SetPauseFunction([](DWORD) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
