// A soak of the real main window: every command many times over, then a check that the process
// holds no more GDI objects, USER objects, kernel handles and private bytes than before.
//
//   SoakBench.exe [--quick] [--trace]
//
// A warm-up round (a tenth of the full one, and every list item drawn) fills the caches first;
// the counts are read before and after the full round. --quick runs a tenth of every count;
// --trace prints the counts' change after each activity. Exits 1 when a count has not come back
// within its tolerance. run-soak.sh runs it with the private PDF queue.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BenchProgram.h"
#include "ProcessCounts.h"
#include "app/Program.h"
#include "print/CommonDialogs.h"
#include "print/FontListPrintout.h"
#include "print/PrintOptionsDialog.h"
#include "print/PrintProgressDialog.h"
#include "settings/ConfigDialog.h"
#include "settings/SettingsStore.h"
#include "support/UserGestures.h"
#include "toolkit/Application.h"
#include "toolkit/Menu.h"
#include "toolkit/UniqueHandle.h"

namespace {

using letterloom::MainWindow;
using testsupport::ClickListItem;
using testsupport::ClickTabShowing;
using testsupport::Pump;

// How often each activity runs in a full round.
struct Amounts {
    int mapBuilds = 1000;
    int pageSwitches = 1000;
    int selectionChanges = 500;
    int testPageChanges = 200;
    int printouts = 100;  // of each kind
    int configRoundTrips = 100;
    int exports = 100;
    int fontSearches = 100;

    Amounts Divided(int by) const {
        return {mapBuilds / by, pageSwitches / by,     selectionChanges / by, testPageChanges / by,
                printouts / by, configRoundTrips / by, exports / by,          fontSearches / by};
    }
};

// What the process may hold more after a round than before it.
constexpr long kGdiTolerance = 8;
constexpr long kUserTolerance = 2;
constexpr long kKernelTolerance = 4;
// Private bytes grow in the heap's blocks, not by the object: about a sixth of what the process
// holds.
constexpr int64_t kPrivateBytesTolerance = 4 * 1024 * 1024;
// Uses of the platform's save dialog and aborted jobs alone, to measure what it keeps itself.
constexpr int kCalibrationRuns = 10;
constexpr int kCalibrationWarmUp = 3;

// ---- The dialogs, answered from a second thread as a user would.

enum class Answer : LONG {
    None,
    ConfigOk,
    ConfigCancel,
    OptionsOk,
    OptionsCancel,
    PlatformOk,
    Save
};

volatile LONG expected = static_cast<LONG>(Answer::None);
volatile LONG otherDialogs = 0;
std::string exportName;

void Expect(Answer answer) { ::InterlockedExchange(&expected, static_cast<LONG>(answer)); }

bool VisibleForm(const tk::Form* form) { return form && ::IsWindowVisible(form->Handle()); }

struct DialogSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    char name[16] = {};
    ::GetWindowThreadProcessId(hwnd, &owner);
    ::GetClassNameA(hwnd, name, sizeof name);
    if (owner != search->process || std::strcmp(name, "#32770") != 0 || !::IsWindowVisible(hwnd))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// A platform dialog or message box of this process that shows.
HWND VisibleDialog() {
    DialogSearch search{::GetCurrentProcessId(), nullptr};
    ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The save dialog's name box, once it shows.
HWND NameBox(HWND dialog) {
    for (int id : {cmb13, edt1})
        if (HWND box = ::GetDlgItem(dialog, id); box && ::IsWindowVisible(box)) return box;
    return nullptr;
}

// Types the export's name into the save dialog's name box and confirms. The dialog fills its
// boxes after it shows: once a marker of the interface thread posted now is handled.
bool AnswerSave(HWND dialog, testsupport::QueueMarker& interfaceThread) {
    HWND box = nullptr;
    if (!testsupport::PollFor([&] { return (box = NameBox(dialog)) != nullptr; })) return false;
    interfaceThread.Reach();
    ::SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(exportName.c_str()));
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    return true;
}

// Presses the button the main thread expects in the dialog it opened; anything else that shows
// (an error box) is counted and closed.
void WatchDialogs(testsupport::QueueMarker& interfaceThread,
                  letterloom::PrintOptionsDialog* options) {
    const auto answer = static_cast<Answer>(expected);
    auto* config = testsupport::FindProcessWindowOf<letterloom::ConfigDialog>();
    bool done = false;
    if ((answer == Answer::ConfigOk || answer == Answer::ConfigCancel) && VisibleForm(config)) {
        tk::Button& button =
            answer == Answer::ConfigOk ? config->OkButton() : config->CancelButton();
        ::PostMessageA(button.Handle(), BM_CLICK, 0, 0);
        done = true;
    } else if ((answer == Answer::OptionsOk || answer == Answer::OptionsCancel) &&
               VisibleForm(options)) {
        tk::Button& button =
            answer == Answer::OptionsOk ? options->PrintButton() : options->CancelButton();
        ::PostMessageA(button.Handle(), BM_CLICK, 0, 0);
        done = true;
    } else if (HWND dialog = VisibleDialog()) {
        if (answer == Answer::Save) {
            done = AnswerSave(dialog, interfaceThread);
        } else if (answer == Answer::PlatformOk) {
            interfaceThread.Reach();  // the dialog has finished showing
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            done = true;
        } else {
            char text[256] = {};
            ::GetWindowTextA(dialog, text, sizeof text);
            std::printf("unexpected dialog: %s\n", text);
            ::InterlockedIncrement(&otherDialogs);
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
    }
    if (done) Expect(Answer::None);
}

// Runs a menu command whose dialog the watcher answers.
void Command(tk::Menu& menu, const char* item, Answer answer) {
    Expect(answer);
    menu.Execute(menu.CommandId(item));
    Expect(Answer::None);
    Pump();
}

// ---- Actions run inside the next message pump: during a build, between two cells.

class OnNextPump {
public:
    OnNextPump() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "SoakOnNextPump";
        ::RegisterClassA(&wc);
        window_ = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    wc.hInstance, nullptr);
    }
    ~OnNextPump() { ::DestroyWindow(window_); }
    OnNextPump(const OnNextPump&) = delete;
    OnNextPump& operator=(const OnNextPump&) = delete;

    void Arm(std::function<void()> action) {
        action_ = std::move(action);
        ::PostMessageA(window_, WM_APP, 0, reinterpret_cast<LPARAM>(this));
    }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg != WM_APP) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
        auto* self = reinterpret_cast<OnNextPump*>(lParam);
        std::function<void()> action = std::move(self->action_);
        self->action_ = nullptr;
        if (action) action();
        return 0;
    }
    HWND window_ = nullptr;
    std::function<void()> action_;
};

// Presses the progress dialog's Cancel once a job shows it: at a timer, which the job's message
// pumps run.
class CancelPrintout {
public:
    explicit CancelPrintout(letterloom::PrintProgressDialog& progress) {
        progress_ = &progress;
        pressed_ = false;
        timer_ = ::SetTimer(nullptr, 0, 1, Tick);
    }
    ~CancelPrintout() { ::KillTimer(nullptr, timer_); }
    CancelPrintout(const CancelPrintout&) = delete;
    CancelPrintout& operator=(const CancelPrintout&) = delete;
    bool Pressed() const { return pressed_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (VisibleForm(progress_) && !pressed_) {
            pressed_ = true;
            progress_->CancelButton().Click();
        }
    }
    // A timer procedure has no object: the one canceller at a time lives here.
    static inline letterloom::PrintProgressDialog* progress_ = nullptr;
    static inline bool pressed_ = false;
    UINT_PTR timer_ = 0;
};

// ---- The user's gestures.

const char* const kListTab = "字体列表";
const char* const kSelectedTab = "已选字体";
const char* const kTestTab = "字体测试";
const char* const kMapTab = "字符映射表";

// The state every activity starts from and ends in: one font selected on the font list page.
void OneFontOnTheListPage(letterloom::MainWindow& form, int index = 0) {
    ClickTabShowing(form.Pages(), kListTab);
    ClickListItem(form.FontList().List(), index);
}

// ---- The activities.

// Draws every item of both lists, so that the cache of their fonts holds all it will hold.
void FillListFontCache(letterloom::MainWindow& form) {
    const int fonts = form.FontList().List().Count();
    ClickTabShowing(form.Pages(), kListTab);
    for (int i = 0; i < fonts; ++i) {
        form.FontList().List().SetItemIndex(i);
        ::UpdateWindow(form.FontList().List().Handle());
    }
    for (int i = 0; i < fonts; ++i) form.FontList().List().SetSelected(i, true);
    form.FontList().onClick();  // as a click there ends
    ClickTabShowing(form.Pages(), kSelectedTab);
    for (int i = 0; i < form.SelectedFonts().List().Count(); ++i) {
        form.SelectedFonts().List().SetItemIndex(i);
        ::UpdateWindow(form.SelectedFonts().List().Handle());
    }
    OneFontOnTheListPage(form);
}

// Builds with a font change (a restart), a page change (a stop), or a resize (a restart with
// other columns) in the middle, and builds left to finish.
void MapBuilds(letterloom::MainWindow& form, OnNextPump& during, int count) {
    const int fonts = form.FontList().List().Count();
    OneFontOnTheListPage(form);
    ClickTabShowing(form.Pages(), kMapTab);
    for (int i = 0; i < count; ++i) {
        if (form.Pages().ActivePage() != (&form.CharMap().Sheet()))
            ClickTabShowing(form.Pages(), kMapTab);
        form.FontList().List().SetItemIndex(i % fonts);
        switch (i % 4) {
            case 1:
                during.Arm([&form, i, fonts] {
                    ClickListItem(form.FontList().List(), (i * 7 + 3) % fonts);
                    form.CharMap().Build(form.FontList().CurrentName());
                });
                break;
            case 2:
                during.Arm([&form] { ClickTabShowing(form.Pages(), kListTab); });
                break;
            case 3:
                during.Arm([&form, i] { form.SetBounds(0, 0, 400 + (i % 5) * 70, 600); });
                break;
            default:
                break;
        }
        form.CharMap().Build(form.FontList().CurrentName());
        Pump();
    }
    form.SetBounds(0, 0, 640, 600);
    OneFontOnTheListPage(form);
}

// Switches through all four pages, with a picked font in the selected list.
void PageSwitches(letterloom::MainWindow& form, int count) {
    ClickTabShowing(form.Pages(), kListTab);
    ClickListItem(form.FontList().List(), 1);
    ClickListItem(form.FontList().List(), 2, MK_SHIFT);
    ClickTabShowing(form.Pages(), kSelectedTab);
    ClickListItem(form.SelectedFonts().List(), 0);
    const char* const tabs[] = {kListTab, kSelectedTab, kTestTab, kMapTab};
    for (int i = 0; i < count; ++i) ClickTabShowing(form.Pages(), tabs[i % 4]);
    OneFontOnTheListPage(form);
}

// Walks the four selection modes: one font, several, a pick in the selected list, none.
void SelectionChanges(letterloom::MainWindow& form, int count, int modesSeen[4]) {
    const int fonts = form.FontList().List().Count();
    OneFontOnTheListPage(form);
    for (int i = 0; i < count; ++i) {
        const int first = (i / 4) % (fonts - 1);
        switch (i % 4) {
            case 0:
                ClickTabShowing(form.Pages(), kListTab);
                ClickListItem(form.FontList().List(), first);
                break;
            case 1:
                ClickListItem(form.FontList().List(), first + 1, MK_CONTROL);
                break;
            case 2:
                ClickTabShowing(form.Pages(), kSelectedTab);
                ClickListItem(form.SelectedFonts().List(), i % 2);
                break;
            default:
                ClickTabShowing(form.Pages(), kListTab);
                ClickListItem(form.FontList().List(), first);
                ClickListItem(form.FontList().List(), first, MK_CONTROL);
                break;
        }
        ++modesSeen[form.SelectionMode() & 3];
    }
    OneFontOnTheListPage(form);
}

LPARAM CellCentre(int cell) {
    const RECT r = tk::ColorPalette::CellRect(cell);
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// A colour picked in one of the test page's drop-down grids.
void PickColour(letterloom::MainWindow& form, tk::ColorPalette& palette, UINT button, int cell) {
    ::PostMessageA(palette.Handle(), WM_MOUSEMOVE, 0, CellCentre(cell));
    ::PostMessageA(palette.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(cell));
    ::PostMessageA(palette.Handle(), WM_LBUTTONUP, 0, CellCentre(cell));
    form.FontTest().Toolbar().DropDownButton(button);
}

// Style toggles, sizes and both colours of the font test page.
void TestPageChanges(letterloom::MainWindow& form, int count) {
    OneFontOnTheListPage(form);
    ClickTabShowing(form.Pages(), kTestTab);
    const UINT styles[] = {form.FontTest().BoldButton(), form.FontTest().ItalicButton(),
                           form.FontTest().UnderlineButton()};
    const char* const sizes[] = {"8", "12", "36", "72", "24"};
    for (int i = 0; i < count; ++i) {
        switch (i % 4) {
            case 0:
                form.FontTest().Toolbar().ClickButton(styles[(i / 4) % 3]);
                tk::Application::Instance().DoIdle();
                break;
            case 1:
                form.FontTest().SizeBox().SetText(sizes[(i / 4) % 5]);
                form.FontTest().OnSizeChange();
                break;
            case 2:
                PickColour(form, form.FontTest().TextColors(), form.FontTest().TextColorButton(),
                           (i * 5) % 40);
                break;
            default:
                PickColour(form, form.FontTest().BackgroundColors(),
                           form.FontTest().BackgroundColorButton(), (i * 3) % 40);
                break;
        }
        Pump();
    }
    OneFontOnTheListPage(form);
}

struct PrintFigures {
    int fontLists = 0;
    int charMaps = 0;
    int cancelled = 0;
    int declined = 0;
};

// Font-list printouts (options dialog, then the job) and character-map printouts of two fonts
// (the platform's print dialog, then the job); every third job is cancelled in its progress
// dialog, every tenth font list declined in the options dialog.
void Printouts(letterloom::MainWindow& form, int count, PrintFigures& figures) {
    auto* progress = testsupport::FindProcessWindowOf<letterloom::PrintProgressDialog>();
    OneFontOnTheListPage(form);
    ClickListItem(form.FontList().List(), 1, MK_SHIFT);
    for (int i = 0; i < count; ++i) {
        for (const char* item : {"PrintFontList", "PrintCharMaps"}) {
            const bool fontList = std::strcmp(item, "PrintFontList") == 0;
            const bool decline = fontList && i % 10 == 9;
            const bool cancel = !decline && i % 3 == 2;
            const Answer answer = fontList ? (decline ? Answer::OptionsCancel : Answer::OptionsOk)
                                           : Answer::PlatformOk;
            bool cancelled = false;
            if (cancel) {
                CancelPrintout canceller(*progress);
                Command(form.FileMenu(), item, answer);
                cancelled = canceller.Pressed();
            } else {
                Command(form.FileMenu(), item, answer);
            }
            if (decline)
                ++figures.declined;
            else if (cancelled)
                ++figures.cancelled;
            else
                ++(fontList ? figures.fontLists : figures.charMaps);
        }
    }
    OneFontOnTheListPage(form);
}

void ConfigRoundTrips(letterloom::MainWindow& form, int count) {
    for (int i = 0; i < count; ++i)
        Command(form.FileMenu(), "Configure", i % 2 ? Answer::ConfigCancel : Answer::ConfigOk);
    OneFontOnTheListPage(form);
}

void Exports(letterloom::MainWindow& form, int count) {
    for (int i = 0; i < count; ++i) {
        ::DeleteFileA(exportName.c_str());
        Command(form.FileMenu(), "ExportFontList", Answer::Save);
    }
}

// Searches for the fonts that can set a text: a third left to finish, a third stopped by a new
// search, a third stopped by showing every font; Esc on the list shows every font at the end.
void FontSearches(letterloom::MainWindow& form, int count) {
    const char* const texts[] = {"Aa", "永", "αβγ"};
    for (int i = 0; i < count; ++i) {
        form.FindFonts(texts[i % 3]);
        if (i % 3 == 1) form.FindFonts(texts[(i + 1) % 3]);
        if (i % 3 == 2) form.ShowAllFonts();
        testsupport::WaitFor([&form] { return !form.FontSearchRunning(); });
    }
    testsupport::PostKeyPress(form.FontList().List().Handle(), VK_ESCAPE);
    OneFontOnTheListPage(form);
}

struct Figures {
    int modesSeen[4] = {};
    PrintFigures print;
};

const char* const kGdiKinds[16] = {
    "",        "pens",    "brushes",       "DCs",       "metafile DCs", "palettes",
    "fonts",   "bitmaps", "regions",       "metafiles", "memory DCs",   "ext pens",
    "EMF DCs", "EMFs",    "colour spaces", ""};

// The change of every count from one reading to the next, GDI objects by kind.
void PrintChange(const char* what, const ProcessCounts& from, const ProcessCounts& to) {
    std::printf("  %-22s GDI %+4ld, windows %+3ld, menus %+3ld, kernel %+3ld, private %+8lld", what,
                to.gdi - from.gdi, to.windows - from.windows, to.menus - from.menus,
                to.kernel - from.kernel,
                static_cast<long long>(to.privateBytes - from.privateBytes));
    for (int kind = 1; kind < 15; ++kind)
        if (to.gdiOfType[kind] != from.gdiOfType[kind])
            std::printf(" %s %+ld", kGdiKinds[kind], to.gdiOfType[kind] - from.gdiOfType[kind]);
    std::printf("\n");
    std::fflush(stdout);
}

// One round of every activity; with trace, the counts' change after each.
void Round(letterloom::MainWindow& form, OnNextPump& during, const Amounts& amounts,
           Figures& figures, bool trace) {
    ProcessCounts last = trace ? ReadProcessCounts() : ProcessCounts{};
    auto step = [&](const char* what, const std::function<void()>& activity) {
        activity();
        Pump();
        if (!trace) return;
        const ProcessCounts now = ReadProcessCounts();
        PrintChange(what, last, now);
        last = now;
    };
    step("map builds", [&] { MapBuilds(form, during, amounts.mapBuilds); });
    step("page switches", [&] { PageSwitches(form, amounts.pageSwitches); });
    step("selection changes",
         [&] { SelectionChanges(form, amounts.selectionChanges, figures.modesSeen); });
    step("test-page changes", [&] { TestPageChanges(form, amounts.testPageChanges); });
    step("printouts", [&] { Printouts(form, amounts.printouts, figures.print); });
    step("configuration", [&] { ConfigRoundTrips(form, amounts.configRoundTrips); });
    step("exports", [&] { Exports(form, amounts.exports); });
    step("font searches", [&] { FontSearches(form, amounts.fontSearches); });
}

// What the platform itself keeps, per use, of kernel handles and private bytes, measured here
// without the program: Wine's save dialog keeps some for each confirmed save, and its printer
// driver for each job ended by AbortDoc. The soak allows that much for its own saves and
// cancelled jobs, and nothing more.
struct PlatformKeeps {
    double handles = 0;
    double bytes = 0;
};

PlatformKeeps Measure(int times, const std::function<void()>& use) {
    // The first uses also fill the platform's caches.
    for (int i = 0; i < kCalibrationWarmUp; ++i) use();
    const ProcessCounts before = ReadProcessCounts();
    for (int i = 0; i < times; ++i) use();
    const ProcessCounts after = ReadProcessCounts();
    return {static_cast<double>(after.kernel - before.kernel) / times,
            static_cast<double>(after.privateBytes - before.privateBytes) / times};
}

// GetSaveFileName confirmed with the export's name.
void PlatformSave() {
    std::vector<char> name(MAX_PATH, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    Expect(Answer::Save);
    ::GetSaveFileNameA(&dialog);
    Expect(Answer::None);
}

// A one-page job on the default printer, begun and aborted.
void PlatformAbortedJob() {
    PRINTDLGA defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!::PrintDlgA(&defaults)) return;
    const tk::UniqueGlobal names(defaults.hDevNames), mode(defaults.hDevMode);
    const tk::UniqueDC dc(defaults.hDC);
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = "soak";
    if (::StartDocA(defaults.hDC, &info) > 0) {
        ::StartPage(defaults.hDC);
        ::TextOutA(defaults.hDC, 100, 100, "soak", 4);
        ::AbortDoc(defaults.hDC);
    }
}

// The export goes beside the benchmark, in the build folder.
std::string ExportPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "soak-export.txt";
}

bool Report(const char* what, int64_t before, int64_t after, int64_t tolerance) {
    const int64_t grown = after - before;
    const bool ok = grown <= tolerance;
    std::printf("%-16s %10lld %10lld %+9lld   (tolerance %+lld) %s\n", what,
                static_cast<long long>(before), static_cast<long long>(after),
                static_cast<long long>(grown), static_cast<long long>(tolerance),
                ok ? "ok" : "LEAK");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = false;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        quick |= std::strcmp(argv[i], "--quick") == 0;
        trace |= std::strcmp(argv[i], "--trace") == 0;
    }
    const Amounts full = quick ? Amounts{}.Divided(10) : Amounts{};
    StartBenchProgram();
    exportName = ExportPath();

    int failed = 0;
    {
        letterloom::Program program;
        letterloom::MainWindow& form = program.mainWindow;
        ShowBenchProgram(tk::Application::Instance(), form);
        form.SetBounds(0, 0, 640, 600);
        Pump();
        OnNextPump during;
        testsupport::QueueMarker interfaceThread;
        std::optional<testsupport::DriverThread> watcher;
        watcher.emplace([&interfaceThread, &program] {
            WatchDialogs(interfaceThread, &program.printOptions);
            return false;
        });

        Figures warmUp;
        const DWORD warmStart = ::GetTickCount();
        Round(form, during, Amounts{}.Divided(10), warmUp, false);
        FillListFontCache(form);
        std::printf("warm-up round     %lu ms\n", ::GetTickCount() - warmStart);
        const PlatformKeeps perSave = Measure(kCalibrationRuns, PlatformSave);
        const PlatformKeeps perAbort = Measure(kCalibrationRuns, PlatformAbortedJob);
        std::printf(
            "platform          kept by Wine alone (%d runs each): %.1f handles, %.0f bytes a"
            " confirmed save; %.1f handles, %.0f bytes an aborted job\n",
            kCalibrationRuns, perSave.handles, perSave.bytes, perAbort.handles, perAbort.bytes);
        std::fflush(stdout);

        const ProcessCounts before = ReadProcessCounts();
        Figures figures;
        const DWORD start = ::GetTickCount();
        Round(form, during, full, figures, trace);
        const DWORD took = ::GetTickCount() - start;
        const ProcessCounts after = ReadProcessCounts();

        watcher.reset();

        std::printf(
            "round%s           %lu ms: %d map builds, %d page switches, %d selection changes"
            " (modes 0-3: %d %d %d %d), %d test-page changes,\n",
            quick ? " (quick)" : "        ", took, full.mapBuilds, full.pageSwitches,
            full.selectionChanges, figures.modesSeen[0], figures.modesSeen[1], figures.modesSeen[2],
            figures.modesSeen[3], full.testPageChanges);
        std::printf(
            "                  printouts: %d font lists and %d character maps finished, %d"
            " cancelled, %d declined; %d configuration round trips, %d exports, %d font"
            " searches\n",
            figures.print.fontLists, figures.print.charMaps, figures.print.cancelled,
            figures.print.declined, full.configRoundTrips, full.exports, full.fontSearches);
        // The platform's share, for the saves and the cancelled jobs this round made.
        const int saves = full.exports;
        const int aborts = figures.print.cancelled;
        const auto allowed = [&](double perSaveAmount, double perAbortAmount) {
            return static_cast<int64_t>(std::ceil(std::max(0.0, perSaveAmount) * saves +
                                                  std::max(0.0, perAbortAmount) * aborts));
        };
        const int64_t handlesAllowed = allowed(perSave.handles, perAbort.handles);
        const int64_t bytesAllowed = allowed(perSave.bytes, perAbort.bytes);
        std::printf("\n%-16s %10s %10s %9s\n", "", "before", "after", "change");
        failed += !Report("GDI objects", before.gdi, after.gdi, kGdiTolerance);
        failed += !Report("USER windows", before.windows, after.windows, kUserTolerance);
        failed += !Report("USER menus", before.menus, after.menus, kUserTolerance);
        failed += !Report("kernel handles", before.kernel, after.kernel,
                          kKernelTolerance + handlesAllowed);
        failed += !Report("private bytes", before.privateBytes, after.privateBytes,
                          kPrivateBytesTolerance + bytesAllowed);
        std::printf(
            "(kernel handles and private bytes allow, beyond their own tolerance, what Wine"
            " keeps for %d saves and %d aborted jobs: %lld handles, %lld bytes)\n",
            saves, aborts, static_cast<long long>(handlesAllowed),
            static_cast<long long>(bytesAllowed));
        if (otherDialogs) {
            std::printf("%ld unexpected dialogs\n", static_cast<long>(otherDialogs));
            ++failed;
        }
    }
    std::printf("%s\n", failed ? "SOAK FAILED" : "soak passed");
    return failed ? 1 : 0;
}
