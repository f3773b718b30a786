// Steps through the maximised font list with the keys, as a user holds Down or presses Page Down,
// End and Home: for each key, the time from the key to the list repainted (its window validated,
// GdiFlush), and whether every row the list then shows on screen is that row drawn alone. A row
// that differs (the preview of another row's font, a stale or half-painted row) is named and
// counted, and the exit code is 1 if there is any.
//
//   ListStepBench.exe [downs [page downs [check every nth step [ms between keys]]]]
//
// Defaults: 1000 100 1, and the keys come at the keyboard's repeat rate, as when a key is held:
// the program's message loop runs the idle time that this leaves after each step, the row checks
// aside. 0 ms between keys sends each key as soon as the one before has been painted, with no
// idle time.
//
// run-step-bench.sh runs it with a large generated font set.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchProgram.h"
#include "NoStoredPlacement.h"
#include "app/Program.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/UniqueHandle.h"

namespace {

struct Figures {
    double median;
    double worst;
    int over16;
};

Figures Summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const auto over = std::count_if(times.begin(), times.end(), [](double t) { return t > 16.0; });
    return {times[times.size() / 2], times.back(), static_cast<int>(over)};
}

// A GBK name for the UTF-8 terminal.
std::string Utf8(const std::string& gbk) {
    wchar_t wide[256] = {};
    ::MultiByteToWideChar(CP_ACP, 0, gbk.c_str(), -1, wide, 255);
    char utf8[768] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    return utf8;
}

// The time between two keys of a held key at the keyboard's repeat rate setting (0 to 31: about
// 2.5 to 30 a second).
double RepeatInterval() {
    DWORD speed = 31;
    ::SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    return 1000.0 / (2.5 + std::min<DWORD>(speed, 31) * 27.5 / 31.0);
}

// Runs the program's messages and idle time until due, as its message loop does.
void RunLoopUntil(double due) {
    tk::Application& app = tk::Application::Instance();
    for (double now = Now(); now < due; now = Now()) {
        if (app.ProcessOneMessage()) continue;
        app.DoIdle();
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(due - now) + 1, QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
    }
}

class ListStepper {
public:
    ListStepper(tk::ListBox& list, int checkEvery, double interval)
        : list_(list), checkEvery_(checkEvery), interval_(interval), shown_(1, 1), alone_(1, 1) {}

    // One key, posted to the list as a typed key reaches it through the message loop, after the
    // idle time that the time between keys leaves the program (the row checks stay out of it);
    // returns the time until the list and everything the key changed have been painted.
    double Press(UINT key, const char* name) {
        tk::Application& app = tk::Application::Instance();
        RunLoopUntil(idleFrom_ + interval_ - lastTime_);
        app.ProcessMessages();
        const double start = Now();
        ::PostMessageA(list_.Handle(), WM_KEYDOWN, key, 1);
        ::PostMessageA(list_.Handle(), WM_KEYUP, key, 0xC0000001);
        // PeekMessage hands out WM_PAINT while a window of the thread has an update region, so
        // once no message is left every window is validated.
        app.ProcessMessages();
        ::GdiFlush();
        const double time = Now() - start;
        if (::GetUpdateRect(list_.Handle(), nullptr, FALSE)) {
            std::printf("step %d (%s): the list still has an update region\n", steps_, name);
            ++mismatches_;
        }
        if (++steps_ % checkEvery_ == 0) CheckRows(name);
        idleFrom_ = Now();
        lastTime_ = time;
        return time;
    }

    // The rows on screen against each row drawn alone, with the state the list gives it.
    void CheckRows(const char* name) {
        const RECT client = list_.ClientRect();
        const int width = static_cast<int>(client.right);
        const int bottom = static_cast<int>(client.bottom);
        const int height = list_.ItemHeight();
        shown_.SetSize(width, bottom);
        alone_.SetSize(width, height);
        {
            const tk::WindowDC screen(list_.Handle());
            ::BitBlt(shown_.DC(), 0, 0, width, bottom, screen.get(), 0, 0, SRCCOPY);
        }
        Pixels(shown_, shownBits_);
        const bool focused = ::GetFocus() == list_.Handle();
        const int caret = static_cast<int>(::SendMessageA(list_.Handle(), LB_GETCARETINDEX, 0, 0));
        const int top = static_cast<int>(::SendMessageA(list_.Handle(), LB_GETTOPINDEX, 0, 0));
        for (int index = top, y = 0; index < list_.Count() && y < bottom; ++index, y += height) {
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_LISTBOX;
            item.itemID = static_cast<UINT>(index);
            item.itemAction = ODA_DRAWENTIRE;
            if (list_.Selected(index)) item.itemState |= ODS_SELECTED;
            if (focused && index == caret) item.itemState |= ODS_FOCUS;
            item.hwndItem = list_.Handle();
            item.hDC = alone_.DC();
            item.rcItem = {0, 0, width, height};
            list_.OnDrawItem(&item);
            if (!SameRow(y, std::min(height, bottom - y))) {
                std::printf("step %d (%s): row %d \"%s\" on screen differs from its own drawing\n",
                            steps_, name, index, Utf8(list_.Item(index)).c_str());
                ++mismatches_;
            }
        }
        ++checks_;
    }

    int Mismatches() const { return mismatches_; }
    int Checks() const { return checks_; }

private:
    bool SameRow(int top, int rows) {
        const std::vector<uint32_t>& alone = Pixels(alone_, aloneBits_);
        const auto from = shownBits_.begin() + static_cast<ptrdiff_t>(top) * shown_.Width();
        return std::equal(from, from + static_cast<ptrdiff_t>(rows) * shown_.Width(),
                          alone.begin());
    }

    // The picture's pixels, top row first.
    static const std::vector<uint32_t>& Pixels(const tk::MemoryBitmap& picture,
                                               std::vector<uint32_t>& bits) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = picture.Width();
        info.bmiHeader.biHeight = -picture.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bits.resize(static_cast<size_t>(picture.Width()) * picture.Height());
        ::GdiFlush();
        ::GetDIBits(picture.DC(), picture.Bitmap(), 0, static_cast<UINT>(picture.Height()),
                    bits.data(), &info, DIB_RGB_COLORS);
        return bits;
    }

    tk::ListBox& list_;
    int checkEvery_;
    double interval_;
    double idleFrom_ = 0;
    double lastTime_ = 0;
    tk::MemoryBitmap shown_;
    tk::MemoryBitmap alone_;
    std::vector<uint32_t> shownBits_;
    std::vector<uint32_t> aloneBits_;
    int steps_ = 0;
    int checks_ = 0;
    int mismatches_ = 0;
};

void Report(const char* what, const std::vector<double>& times) {
    const Figures figures = Summary(times);
    std::printf("%-28s %7.2f / %7.2f ms   (%zu steps, %d over 16 ms)\n", what, figures.median,
                figures.worst, times.size(), figures.over16);
}

}  // namespace

int main(int argc, char** argv) {
    const int downs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int pageDowns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const int checkEvery = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    const double interval = argc > 4 ? std::max(0, std::atoi(argv[4])) : RepeatInterval();
    tk::Application& app = StartBenchProgram();
    const NoStoredPlacement noStoredPlacement;
    letterloom::Program program;
    letterloom::MainWindow& form = program.mainWindow;
    ShowBenchProgram(app, form);
    tk::ListBox& list = form.FontList().List();
    ::SetForegroundWindow(form.Handle());
    ::SetFocus(list.Handle());
    BYTE keys[256] = {};
    ::SetKeyboardState(keys);  // no Shift or Ctrl held
    app.ProcessMessages();

    const RECT client = list.ClientRect();
    std::printf("font families %zu; the list %ld x %ld px, %ld rows of %d px, %s\n",
                program.fontNames.size(), client.right, client.bottom,
                client.bottom / list.ItemHeight(), list.ItemHeight(),
                ::IsZoomed(form.Handle()) ? "maximised" : "NOT MAXIMISED");
    std::printf(
        "from the key to the list repainted, median / worst; rows checked every %d step%s\n",
        checkEvery, checkEvery == 1 ? "" : "s");
    if (interval > 0)
        std::printf("a key every %.1f ms, the program's idle time between them\n", interval);
    else
        std::printf("each key as soon as the one before is painted, no idle time between them\n");

    ListStepper stepper(list, checkEvery, interval);
    stepper.CheckRows("start");
    std::vector<double> downTimes, pageTimes;
    for (int i = 0; i < downs; ++i) downTimes.push_back(stepper.Press(VK_DOWN, "Down"));
    for (int i = 0; i < pageDowns; ++i) pageTimes.push_back(stepper.Press(VK_NEXT, "Page Down"));
    // The first Home and End find none of their screenful's faces realised; later ones do.
    std::vector<double> homeAgain, endAgain;
    const double homeFirst = stepper.Press(VK_HOME, "Home");
    const double endFirst = stepper.Press(VK_END, "End");
    for (int i = 0; i < 5; ++i) {
        homeAgain.push_back(stepper.Press(VK_HOME, "Home"));
        endAgain.push_back(stepper.Press(VK_END, "End"));
    }
    stepper.CheckRows("last");
    const int last = list.ItemIndex();

    Report("Down", downTimes);
    Report("Page Down", pageTimes);
    std::printf("%-28s %7.2f ms first, again %.2f / %.2f\n", "End (top to last family)", endFirst,
                Summary(endAgain).median, Summary(endAgain).worst);
    std::printf("%-28s %7.2f ms first, again %.2f / %.2f\n", "Home (to the first family)",
                homeFirst, Summary(homeAgain).median, Summary(homeAgain).worst);
    std::printf("mismatching rows %d in %d checks of the screen; last current item %d of %d\n",
                stepper.Mismatches(), stepper.Checks(), last, list.Count());
    std::printf("targets: every step <= 16 ms, End <= 50 ms, no mismatching row\n");
    return stepper.Mismatches() == 0 && last == list.Count() - 1 ? 0 : 1;
}
