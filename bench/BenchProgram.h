#pragma once
// What a benchmark that drives the main window does first, as the program's start does: the
// control classes and the title; the fixed pauses are left out. The program itself is the
// benchmark's own letterloom::Program, shown by ShowBenchProgram.
#include <windows.h>

#include <commctrl.h>

#include "app/MainWindow.h"
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

// Shows the program's main window as its start does, then runs its messages until the font list
// has the installed families, which may come after the showing.
inline void ShowBenchProgram(tk::Application& app, letterloom::MainWindow& form) {
    form.Show(true);
    while (!form.FontNamesArrived()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
        app.ProcessMessages();
    }
    app.ProcessMessages();
}
