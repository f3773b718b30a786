// Letterloom: start-up of the program.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/Program.h"
#include "app/SplashScreen.h"
#include "app/VisualStyles.h"
#include "print/FontNamesProcess.h"
#include "resources/resource_ids.h"
#include "toolkit/Application.h"
#include "toolkit/ProgramOutput.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    // A run that only collects the font names for the program that started it.
    if (letterloom::IsFontNamesRequest(commandLine)) return letterloom::WriteFontNames();
    letterloom::EnableVisualStyles();

    // The toolkit's controls need their window classes whatever the platform's version.
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);

    tk::Application& app = tk::Application::Instance();
    app.SetTitle("Letterloom");
    app.SetIcon(::LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAINICON)));
    // Lives from before the main window's creation to the end of its first showing.
    std::unique_ptr<letterloom::SplashScreen> splash;
    try {
        splash = std::make_unique<letterloom::SplashScreen>();
    } catch (...) {
        // The splash is only a picture: the program starts without it.
        app.HandleCurrentException();
    }
    try {
        letterloom::Program program([self = tk::OwnProgramPath()](const tk::StopSignal& stop) {
            return letterloom::CollectFontNamesInHelper(self, stop);
        });
        program.mainWindow.onFirstShowingEnd = [&splash] { splash.reset(); };
        return app.Run();
    } catch (...) {
        app.HandleCurrentException();
        return 1;
    }
}
