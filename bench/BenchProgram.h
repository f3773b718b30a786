#pragma once
// What a benchmark that drives the main window does first, as the program's start does: the
// control classes, the title and the settings' defaults; the fixed pauses are left out.
#include <windows.h>

#include <commctrl.h>

#include "settings/SettingsStore.h"
#include "toolkit/Application.h"

inline tk::Application& StartBenchProgram() {
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application& app = tk::Application::Instance();
    app.SetTitle("Letterloom");
    tk::SetPauseFunction([](DWORD) {});
    letterloom::SetDefaultConfig();
    return app;
}
