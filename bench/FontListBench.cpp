// Figures of the font list: the start-up work of the first showing (without its fixed pauses),
// building the font names in a fresh process, the time to paint a screenful of items in each
// list, and the process's peak memory against that of an empty Wine GUI process.
//
//   FontListBench.exe [repaints [top index]]
//   FontListBench.exe names      (run by the above: the font names in a process of their own)
//   FontListBench.exe --font-names (run by the program it benchmarks: the helper that collects
//                                   the font names, as the program runs itself)
//   FontListBench.exe enumeration (run by the above: the bare enumeration in a process of its own)
//   FontListBench.exe empty      (run by the above: a window and nothing else)
//   FontListBench.exe empty-like (run by the above: the same at the program's size and language)
//
// Run it with the machine's fonts, and with a large generated font set (run-font-bench.sh).
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "NoStoredPlacement.h"
#include "PumpRecorder.h"
#include "app/Program.h"
#include "print/FontListPrintout.h"
#include "print/FontNamesProcess.h"
#include "print/InstalledFonts.h"
#include "settings/SettingsStore.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/ProgramOutput.h"
#include "toolkit/UniqueHandle.h"

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
// window system's part (update regions, putting the window's pixels on the display). The DC
// holds one row, drawn in turn, so that the benchmark's own bitmap stays out of the program's
// peak memory.
Stats MeasureDrawing(int runs, tk::ListBox& list, int rows) {
    const RECT client = list.ClientRect();
    tk::MemoryBitmap target(client.right, list.ItemHeight());
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
            item.rcItem = {0, 0, client.right, list.ItemHeight()};
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

double PeakWorkingSetMb() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0;
}

double WorkingSetMb() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.WorkingSetSize) / 1048576.0;
}

// The enumeration alone, with a callback that only counts.
int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) {
    ++*reinterpret_cast<int*>(param);
    return 1;
}

double EnumerationOnly() {
    const double start = Now();
    {
        const tk::WindowDC screen(nullptr);
        LOGFONTA all{};
        all.lfCharSet = DEFAULT_CHARSET;
        int count = 0;
        ::EnumFontFamiliesExA(screen.get(), &all, CountFamily, reinterpret_cast<LPARAM>(&count), 0);
    }
    return Now() - start;
}

// A process of its own that only enumerates, with a callback that only counts: what the
// platform's first enumeration in a process costs without any of the program's work.
int EnumerationProcess() {
    const double first = EnumerationOnly();
    std::printf("  bare enumeration  %8.1f ms, first in a process of its own\n", first);
    std::fflush(stdout);
    return 0;
}

// A process of its own: the first building of the names in a process, then again, and the
// enumeration alone once the platform has read the fonts.
int NamesProcess() {
    double start = Now();
    std::vector<std::string> names = letterloom::CollectInstalledFontNames();
    const double first = Now() - start;
    start = Now();
    names = letterloom::CollectInstalledFontNames();
    const double again = Now() - start;
    const double enumeration = EnumerationOnly();
    std::printf("font names built    %8.1f ms, first in a process (%zu names)\n", first,
                names.size());
    std::printf("  again             %8.1f ms, of which the enumeration %.1f ms\n", again,
                enumeration);
    std::fflush(stdout);
    return 0;
}

// An empty Wine GUI process: one window shown, its messages run. "bare": a small window with a
// Latin caption. "like": a window of the program's first size (maximised) whose caption and
// one line of text are Chinese in the interface's font, so that what it holds beyond the bare
// one is the window surface of that size and the Chinese interface font, which any program of
// that size and language holds.
int EmptyProcess(bool likeTheProgram) {
    HWND window = ::CreateWindowExA(0, "STATIC", likeTheProgram ? "字体列表" : "empty",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                    nullptr, nullptr, nullptr);
    tk::UniqueFont interfaceFont;
    if (likeTheProgram) {
        ::ShowWindow(window, SW_MAXIMIZE);
        interfaceFont.reset(
            ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体"));
        ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(interfaceFont.get()), FALSE);
    }
    ::UpdateWindow(window);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::DestroyWindow(window);
    interfaceFont.reset();
    // The peak in KB is the exit code: the parent cannot always read it once the process is gone.
    return static_cast<int>(PeakWorkingSetMb() * 1024.0);
}

// Runs this program again with argument; its output shares this one's. Returns its exit code.
DWORD RunChild(const char* argument) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string commandLine = std::string("\"") + path + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::fflush(stdout);
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process))
        return 0;
    const tk::UniqueKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && letterloom::IsFontNamesRequest(argv[1])) return letterloom::WriteFontNames();
    if (argc > 1 && std::string(argv[1]) == "names") return NamesProcess();
    if (argc > 1 && std::string(argv[1]) == "enumeration") return EnumerationProcess();
    if (argc > 1 && std::string(argv[1]) == "empty") return EmptyProcess(false);
    if (argc > 1 && std::string(argv[1]) == "empty-like") return EmptyProcess(true);
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    topIndex = argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
    const double entered = SinceProcessStart();
    const double mainEntered = Now();

    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application& app = tk::Application::Instance();
    app.SetTitle("Letterloom");
    // The fixed pauses run as in the program, since work goes on during them; their time is
    // taken out of the figures.
    double paused = 0;
    tk::SetPauseFunction([&paused](DWORD milliseconds) {
        const double before = Now();
        ::Sleep(milliseconds);
        paused += Now() - before;
    });
    const NoStoredPlacement noStoredPlacement;
    const double atMain = WorkingSetMb();
    // The names as the program collects them: by a helper run of this program.
    double namesAsked = 0;
    double namesCame = 0;
    const std::string self = tk::OwnProgramPath();
    double start = Now();
    letterloom::Program program([&](const tk::StopSignal& stop) {
        namesAsked = Now();
        std::vector<std::string> names = letterloom::CollectFontNamesInHelper(self, stop);
        namesCame = Now();
        return names;
    });
    letterloom::MainWindow& form = program.mainWindow;
    const double created = Now() - start;
    const double atCreated = WorkingSetMb();

    ::SetWindowPos(form.Handle(), nullptr, 0, 0, 900, 1010, SWP_NOZORDER | SWP_NOACTIVATE);
    start = Now();
    form.Show(true);
    const double showEnded = Now();
    const double shown = showEnded - start - paused;
    start = Now();
    ::UpdateWindow(form.Handle());
    ::RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
    const double firstPaint = Now() - start;
    // Names that come after the showing fill the list then, its parts painting as messages of
    // their own; the window's messages run meanwhile.
    const double painted = Now();
    const bool late = !form.FontNamesArrived();
    PumpRecorder recorder;
    recorder.Start();
    while (!form.FontNamesArrived() || HIWORD(::GetQueueStatus(QS_PAINT)) != 0) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
        app.ProcessMessages();
    }
    ::GdiFlush();
    recorder.Stop();
    const double waitGap = LongestGap(recorder.Times(), painted, Now());
    app.ProcessMessages();
    const double ready = SinceProcessStart();
    const double atReady = WorkingSetMb();

    std::printf("font families       %zu\n", program.fontNames.size());
    std::printf("process to main     %8.1f ms (Wine's own start)\n", entered);
    std::printf("main window made    %8.1f ms\n", created);
    std::printf("first showing       %8.1f ms (without its %.0f ms of pauses)\n", shown, paused);
    std::printf("names by the helper %8.1f ms, asked %.1f ms after main, %s\n",
                namesCame - namesAsked, namesAsked - mainEntered,
                late ? "after the showing" : "within the showing");
    if (late)
        std::printf(
            "  came              %8.1f ms after the showing; longest stretch without "
            "messages from the window's first painting until the list was painted %.1f ms\n",
            namesCame - showEnded, waitGap);
    std::printf("first paint         %8.1f ms\n", firstPaint);
    std::printf("process to ready    %8.1f ms (pauses included)\n", ready);
    RunChild("names");
    RunChild("enumeration");
    std::printf("working set         %.1f MB at main, %.1f made, %.1f ready\n", atMain, atCreated,
                atReady);

    ReportList("font list", form.FontList().List(), repaints);
    // The selected-fonts list, filled with the first fonts as a multiple selection fills it.
    const int picked = std::min(form.FontList().List().Count(), 60);
    for (int i = 0; i < picked; ++i) form.FontList().List().SetSelected(i, true);
    form.SyncPages(true);
    form.Pages().SetActivePage((&form.SelectedFonts().Sheet()));
    app.ProcessMessages();
    ReportList("selected list", form.SelectedFonts().List(), repaints);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    const double peak = PeakWorkingSetMb();
    const double empty = RunChild("empty") / 1024.0;
    const double emptyLike = RunChild("empty-like") / 1024.0;
    std::printf("peak working set    %8.1f MB\n", peak);
    std::printf("  over an empty Wine GUI process: %+.1f MB (a small Latin window, %.1f MB)\n",
                peak - empty, empty);
    std::printf("  %+.1f MB (a maximised window with a Chinese caption and text, %.1f MB)\n",
                peak - emptyLike, emptyLike);
    std::printf("peak private bytes  %8.1f MB\n", memory.PeakPagefileUsage / 1048576.0);

    return 0;
}
