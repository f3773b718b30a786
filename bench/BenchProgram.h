#pragma once
// What a benchmark that drives the main window does first, as the program's start does: the
// control classes and the title; the fixed pauses are left out. The program itself is the
// benchmark's own letterloom::Program.
#include <windows.h>

#include <commctrl.h>

#include "toolkit/Application.h"

inline tk::Application& StartBenchProgram() {
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application& app = tk::Application::Instance();
    app.SetTitle("Letterloom");
    tk::SetPauseFunction([](DWORD) {});
    return app;
}
