// Figures of the font list: the start-up work of the first showing (without its fixed pauses),
// the time to paint a screenful of items in each list, and the process's peak memory.
//
//   FontListBench.exe [repaints [top index]]
//
// Run it with the machine's fonts, and with a large generated font set (run-font-bench.sh).
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchClock.h"
#include "app/InternalProcs.h"
#include "app/MainFormUnit.h"
#include "print/Printunit.h"
#include "settings/RegSave.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"

namespace {

// Milliseconds since the process was created, as the system counts it.
double SinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    ::GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

struct Stats {
    double median;
    double best;
};

Stats Measure(int runs, void (*step)(HWND), HWND hwnd) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        step(hwnd);
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

void RepaintNow(HWND hwnd) {
    ::InvalidateRect(hwnd, nullptr, TRUE);
    ::UpdateWindow(hwnd);
    ::GdiFlush();
}

int VisibleRows(tk::ListBox& list) {
    const RECT client = list.ClientRect();
    const int height = list.ItemHeight();
    return std::min(list.Count(), static_cast<int>((client.bottom + height - 1) / height));
}

// The drawing work alone: the visible rows drawn by the list into a memory DC, without the
// window system's part (update regions, putting the window's pixels on the display).
Stats MeasureDrawing(int runs, tk::ListBox& list, int rows) {
    const RECT client = list.ClientRect();
    tk::MemoryBitmap target(client.right, client.bottom);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double start = Now();
        for (int row = 0; row < rows; ++row) {
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_LISTBOX;
            item.itemID = static_cast<UINT>(row);
            item.itemAction = ODA_DRAWENTIRE;
            item.hwndItem = list.Handle();
            item.hDC = target.DC();
            ::SendMessageA(list.Handle(), LB_GETITEMRECT, row,
                           reinterpret_cast<LPARAM>(&item.rcItem));
            list.OnDrawItem(&item);
        }
        ::GdiFlush();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

// The first row of the screenful measured; the command line may move it down the list.
int topIndex = 0;

void ReportList(const char* name, tk::ListBox& list, int repaints) {
    ::SendMessageA(list.Handle(), LB_SETTOPINDEX, topIndex, 0);
    const int rows = VisibleRows(list);
    const Stats screen = Measure(repaints, RepaintNow, list.Handle());
    const Stats drawing = MeasureDrawing(repaints, list, rows);
    std::printf("%-14s %3d rows of %2d px\n", name, rows, list.ItemHeight());
    std::printf("  on screen         %8.2f ms a screenful (best %.2f), %.3f ms a row\n",
                screen.median, screen.best, rows ? screen.median / rows : 0.0);
    std::printf("  drawing only      %8.2f ms a screenful (best %.2f), %.3f ms a row\n",
                drawing.median, drawing.best, rows ? drawing.median / rows : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    topIndex = argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
    const double entered = SinceProcessStart();

    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application& app = tk::Application::Instance();
    app.SetTitle("Letterloom");
    tk::SetPauseFunction([](DWORD) {});  // the fixed pauses are not part of the figures
    letterloom::SetDefaultConfig();

    double start = Now();
    letterloom::TMainForm form;
    app.SetMainForm(&form);
    const double created = Now() - start;

    start = Now();
    letterloom::BuildInstalledFontNames();
    const double fontNames = Now() - start;

    // The first showing builds the names once more; it is timed whole.
    ::SetWindowPos(form.Handle(), nullptr, 0, 0, 900, 1010, SWP_NOZORDER | SWP_NOACTIVATE);
    start = Now();
    form.Show(true);
    const double shown = Now() - start;
    start = Now();
    ::UpdateWindow(form.Handle());
    ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
    const double firstPaint = Now() - start;
    app.ProcessMessages();
    const double ready = SinceProcessStart();

    std::printf("font families       %zu\n", letterloom::InstalledFontNames.size());
    std::printf("process to main     %8.1f ms (Wine's own start)\n", entered);
    std::printf("main window made    %8.1f ms\n", created);
    std::printf("font names built    %8.1f ms (enumerate, drop repeats, sort)\n", fontNames);
    std::printf("first showing       %8.1f ms (without its 1200 ms of pauses)\n", shown);
    std::printf("first paint         %8.1f ms\n", firstPaint);
    std::printf("process to ready    %8.1f ms\n", ready);

    ReportList("font list", form.FontList, repaints);
    // The selected-fonts list, filled with the first fonts as a multiple selection fills it.
    const int picked = std::min(form.FontList.Count(), 60);
    for (int i = 0; i < picked; ++i) form.FontList.SetSelected(i, true);
    letterloom::SyncPages(true);
    form.Pagine.SetActivePage(form.SelectedFontsPage);
    app.ProcessMessages();
    ReportList("selected list", form.SelectedList, repaints);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    std::printf("peak working set    %8.1f MB\n", memory.PeakWorkingSetSize / 1048576.0);
    std::printf("peak private bytes  %8.1f MB\n", memory.PeakPagefileUsage / 1048576.0);

    app.SetMainForm(nullptr);
    return 0;
}
