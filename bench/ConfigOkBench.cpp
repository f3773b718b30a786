// The time from OK in the configuration dialog to a repainted font list: the dialog closes, the
// list is refilled from the installed fonts and drawn again.
//
//   ConfigOkBench.exe [runs]
//
// run-font-bench.sh runs it with the machine's fonts and with a large generated font set.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "BenchClock.h"
#include "BenchProgram.h"
#include "NoStoredPlacement.h"
#include "app/Program.h"
#include "print/FontListPrintout.h"
#include "settings/ConfigDialog.h"
#include "settings/SettingsStore.h"
#include "support/UserGestures.h"
#include "support/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Menu.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    tk::Application& app = StartBenchProgram();
    const NoStoredPlacement noStoredPlacement;
    letterloom::Program program;
    letterloom::MainWindow& form = program.mainWindow;
    ShowBenchProgram(app, form);

    // Presses OK in every configuration dialog that shows, noting when it did.
    double pressedAt = 0;
    HWND pressed = nullptr;
    std::optional<testsupport::DriverThread> presser;
    presser.emplace([&] {
        auto* dialog = testsupport::FindProcessWindowOf<letterloom::ConfigDialog>();
        if (dialog && dialog->Handle() != pressed && ::IsWindowVisible(dialog->Handle())) {
            pressed = dialog->Handle();
            pressedAt = Now();
            ::SendMessageA(dialog->OkButton().Handle(), BM_CLICK, 0, 0);
        }
        return false;
    });
    const UINT configure = form.FileMenu().CommandId("Configure");
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        form.FontList().List().SetSelected(1, true);  // a selection that OK resets
        ::SendMessageA(form.Handle(), WM_COMMAND, configure, 0);
        ::UpdateWindow(form.Handle());
        ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::GdiFlush();
        times.push_back(Now() - pressedAt);
        app.ProcessMessages();
    }
    presser.reset();

    std::sort(times.begin(), times.end());
    std::printf("font families       %zu\n", program.fontNames.size());
    std::printf("OK to repainted list %7.1f ms median, %.1f best, %.1f worst of %d\n",
                times[times.size() / 2], times.front(), times.back(), runs);
    return 0;
}
