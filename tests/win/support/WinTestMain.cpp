// Runs the in-process tests with the program's application object set up as WinMain sets it,
// but without its fixed pauses; or, as the program does, only writes the font names.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "print/FontNamesProcess.h"
#include "toolkit/Application.h"

int main(int argc, char** argv) {
    // The tests run their own program as the helper that collects the font names.
    if (argc == 2 && letterloom::IsFontNamesRequest(argv[1])) return letterloom::WriteFontNames();
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application::Instance().SetTitle("Letterloom");
    tk::SetPauseFunction([](DWORD) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
