// Letterloom: start-up of the program.
#include <windows.h>
#include <commctrl.h>

#include "about/HtmlHelp.h"
#include "app/MainFormUnit.h"
#include "app/XPTheme.h"
#include "app/frmSplashForm.h"
#include "print/DialogsModuleUnit.h"
#include "print/PrintDialogUnit.h"
#include "print/PrintStatUnit.h"
#include "resources/resource_ids.h"
#include "settings/RegSave.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    letterloom::SetDefaultConfig();
    letterloom::EnableVisualStyles();

    // The toolkit's controls need their window classes whatever the platform's version.
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);

    tk::Application& app = tk::Application::Instance();
    app.SetTitle("Letterloom");
    app.SetIcon(::LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAINICON)));
    letterloom::HtmlHelpUnloader unloadHelpAtExit;
    try {
        letterloom::ShowSplash();
    } catch (...) {
        // The splash is only a picture: the program starts without it.
        app.HandleCurrentException();
    }
    try {
        letterloom::TMainForm mainForm;
        app.SetMainForm(&mainForm);
        letterloom::TPrintStat printStat;
        letterloom::TPrintDialog printDialog;
        letterloom::TDialogModule dialogModule;
        const int exitCode = app.Run();
        app.SetMainForm(nullptr);
        return exitCode;
    } catch (...) {
        app.HandleCurrentException();
        return 1;
    }
}
