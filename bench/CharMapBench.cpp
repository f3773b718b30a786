// Times the build of the on-screen character map in the real main window: the whole build
// (without its fixed pause), the same cells drawn with no messages running between them, and the
// longest time during a build in which waiting messages could not run; and one notch of the mouse
// wheel on the finished map.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchProgram.h"
#include "NoStoredPlacement.h"
#include "PumpRecorder.h"
#include "app/Program.h"
#include "charmap/CharCellPainter.h"
#include "charmap/CharMapRenderer.h"
#include "logic/CharMapGeometry.h"
#include "settings/SettingsStore.h"
#include "toolkit/Application.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/UniqueHandle.h"

namespace {

using letterloom::MainWindow;

constexpr int kRuns = 15;

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Font names are GBK; the figures go to a UTF-8 terminal.
std::string ForTerminal(const std::string& gbk) {
    wchar_t wide[128] = {};
    ::MultiByteToWideChar(936, 0, gbk.c_str(), -1, wide, 128);
    char utf8[384] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

int FindFont(letterloom::MainWindow& form, const std::string& name) {
    for (int i = 0; i < form.FontList().List().Count(); ++i)
        if (form.FontList().List().Item(i) == name) return i;
    return -1;
}

// The main window's outer width that gives the column count.
int WidthForColumns(int columns) { return 50 + columns * logic::kMapCellSize; }

double BuildOnce(letterloom::MainWindow& form) {
    const double start = NowMs();
    form.CharMap().Build(form.FontList().CurrentName());
    return NowMs() - start;
}

// The cells of one build drawn straight into a bitmap, the progress bar stepping as in a build,
// with no messages running in between.
double CellsOnce(letterloom::MainWindow& form, const std::string& fontName, int columns) {
    const int s = letterloom::MapCellSize;
    tk::MemoryBitmap bitmap(s * columns, s * logic::MapRowCount(columns));
    tk::Canvas& canvas = bitmap.GetCanvas();
    canvas.Font().Set(tk::kBold, true);
    canvas.PatBlt(0, 0, bitmap.Width(), bitmap.Height(), WHITENESS);
    const double start = NowMs();
    letterloom::CharCellPainter painter(canvas, fontName, s, columns, 0, 0);
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        form.ProgressBar().SetPosition(code - logic::kFirstCode);
        painter.Draw(code);
    }
    ::GdiFlush();
    return NowMs() - start;
}

// The steps of a build, timed one by one.
class StepClock {
public:
    explicit StepClock(std::vector<std::vector<double>>& times) : times_(times), last_(NowMs()) {}
    void Step(size_t index) {
        const double now = NowMs();
        if (times_.size() <= index) times_.resize(index + 1);
        times_[index].push_back(now - last_);
        last_ = now;
    }

private:
    std::vector<std::vector<double>>& times_;
    double last_;
};

const char* const kStepNames[] = {
    "buffer font",     "font label", "waiting picture", "show waiting", "paint waiting",
    "size and whiten", "cells",      "show map",        "focus",        "paint map"};

// Every step of a build as the map page takes it, but with the cells drawn straight through, so
// that no messages run: what the build would cost if it never let the interface respond. The
// paints that the messages would bring are timed apart and left out of the total.
double QuietBuildOnce(letterloom::MainWindow& form, const std::string& fontName, int columns,
                      std::vector<std::vector<double>>& steps) {
    const int s = letterloom::MapCellSize;
    tk::Application& app = tk::Application::Instance();
    const double start = NowMs();
    StepClock clock(steps);
    if (form.CharMap().Buffer().GetFont().name != fontName) {
        tk::FontSpec bufferFont = form.CharMap().Buffer().GetFont();
        bufferFont.name = fontName;
        form.CharMap().Buffer().SetFont(bufferFont);
    }
    clock.Step(0);
    const std::string label = "字体: " + fontName;
    if (form.CharMap().FontLabel().Text() != label) form.CharMap().FontLabel().SetText(label);
    clock.Step(1);
    tk::MemoryBitmap& bitmap = form.CharMap().State().work;
    bitmap.ResetCanvas();
    letterloom::PrepareMapPicture(bitmap, form.CharMap().State().mapReady);
    clock.Step(2);
    form.CharMap().Map().TakeStandIn(bitmap, s * columns, s * logic::MapRowCount(columns));
    form.CharMap().Scroller().SetPosition(
        std::min(form.CharMap().Scroller().Position(),
                 form.CharMap().Map().Picture().Height() -
                     static_cast<int>(form.CharMap().Scroller().ClientRect().bottom)));
    clock.Step(3);
    const double beforePaint = NowMs();
    app.ProcessMessages();
    const double waitingPaint = NowMs() - beforePaint;
    clock.Step(4);
    form.ProgressBar().SetPosition(0);
    form.ProgressBar().SetMax(logic::kCellCount - 1);
    bitmap.SetSize(s * columns, s * logic::MapRowCount(columns));
    // The cells cover their squares; only the empty ones after the last code are whitened.
    const int emptyColumn = logic::kCellCount % columns;
    if (emptyColumn > 0)
        bitmap.GetCanvas().PatBlt(emptyColumn * s, bitmap.Height() - s, (columns - emptyColumn) * s,
                                  s, WHITENESS);
    ::GdiFlush();
    clock.Step(5);
    letterloom::CharCellPainter painter(bitmap.GetCanvas(), fontName, s, columns, 0, 0);
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        form.ProgressBar().SetPosition(code - logic::kFirstCode);
        painter.Draw(code);
    }
    ::GdiFlush();
    clock.Step(6);
    form.ProgressBar().SetPosition(0);
    form.CharMap().Map().TakePicture(bitmap);
    clock.Step(7);
    form.CharMap().Scroller().SetFocus();
    clock.Step(8);
    const double total = NowMs() - start - waitingPaint;
    app.ProcessMessages();
    clock.Step(9);
    return total;
}

struct Watched {
    double duration;
    double longestGap;
};

// A build with a message always waiting, so that every chance to run messages is taken.
Watched WatchedBuild(letterloom::MainWindow& form, PumpRecorder& recorder) {
    tk::Application::Instance().ProcessMessages();
    recorder.Start();
    const double start = NowMs();
    form.CharMap().Build(form.FontList().CurrentName());
    const double end = NowMs();
    recorder.Stop();
    return {end - start, LongestGap(recorder.Times(), start, end)};
}

// One notch of the wheel posted to the map's scroll box, until its messages, the paints they
// bring among them, have run: toward the user from the top, then back, by turns.
std::vector<double> WheelSteps(letterloom::MainWindow& form, int steps) {
    tk::Application& app = tk::Application::Instance();
    tk::ScrollBox& box = form.CharMap().Scroller();
    box.SetPosition(0);
    app.ProcessMessages();
    std::vector<double> times;
    for (int step = 0; step < steps; ++step) {
        const bool down = step % 2 == 0;
        const double start = NowMs();
        ::PostMessageA(box.Handle(), WM_MOUSEWHEEL,
                       MAKEWPARAM(0, down ? -WHEEL_DELTA : WHEEL_DELTA), MAKELPARAM(100, 100));
        app.ProcessMessages();
        ::GdiFlush();
        times.push_back(NowMs() - start);
        if (box.Position() != (down ? WHEEL_DELTA : 0)) std::printf("  the wheel did not scroll\n");
    }
    return times;
}

// The name padded to a width of terminal columns; Chinese characters take two.
std::string Padded(const std::string& gbk, size_t columns) {
    wchar_t wide[128] = {};
    const int length = ::MultiByteToWideChar(936, 0, gbk.c_str(), -1, wide, 128) - 1;
    size_t used = 0;
    for (int i = 0; i < length; ++i) used += wide[i] >= 0x1100 ? 2 : 1;
    return ForTerminal(gbk) + std::string(used < columns ? columns - used : 0, ' ');
}

}  // namespace

int main() {
    tk::Application& app = StartBenchProgram();

    const NoStoredPlacement noStoredPlacement;
    letterloom::Program program;
    letterloom::MainWindow& form = program.mainWindow;
    ShowBenchProgram(app, form);
    // A first start shows the window maximised; the builds are measured at the sizes set below.
    ::ShowWindow(form.Handle(), SW_RESTORE);
    app.ProcessMessages();
    PumpRecorder recorder;

    std::printf(
        "All times in ms. first: the first build of the font; build: median\n"
        "of %d builds without the fixed pause; cells: the same cells drawn with no messages\n"
        "running (the floor); quiet: every step of a build, with no messages running; gap: the\n"
        "longest stretch of a build in which waiting messages could not run (median of the\n"
        "builds' longest / worst). wheel: median / worst.\n\n",
        kRuns);
    std::printf("%-20s %4s %7s %7s %7s %7s %10s %11s %13s\n", "font", "cols", "first", "build",
                "cells", "quiet", "build/cells", "build/quiet", "gap med/max");
    const char* const fonts[] = {"宋体", "DejaVu Sans", "Liberation Serif", "Standard Symbols PS",
                                 "Symbol"};
    for (const char* name : fonts) {
        const int index = FindFont(form, name);
        if (index < 0) {
            std::printf("%s not installed\n", Padded(name, 20).c_str());
            continue;
        }
        for (int columns : {5, 9}) {
            form.Pages().SetActivePage((&form.FontList().Sheet()));
            form.FontList().List().SetItemIndex(index);
            form.SetBounds(0, 0, WidthForColumns(columns), 700);
            form.Pages().SetActivePage((&form.CharMap().Sheet()));
            app.ProcessMessages();

            const double first = BuildOnce(form);
            std::vector<double> builds;
            std::vector<double> cells;
            std::vector<double> quiet;
            std::vector<double> gaps;
            std::vector<std::vector<double>> steps;
            for (int run = 0; run < kRuns; ++run) {
                app.ProcessMessages();
                builds.push_back(BuildOnce(form));
                cells.push_back(CellsOnce(form, name, columns));
                quiet.push_back(QuietBuildOnce(form, name, columns, steps));
                gaps.push_back(WatchedBuild(form, recorder).longestGap);
            }
            const double build = Median(builds);
            std::printf("%s %4d %7.2f %7.2f %7.2f %7.2f %10.2f %11.2f %6.2f/%6.2f\n",
                        Padded(name, 20).c_str(),
                        static_cast<int>(form.CharMap().State().mapColumns), first, build,
                        Median(cells), Median(quiet), build / Median(cells), build / Median(quiet),
                        Median(gaps), *std::max_element(gaps.begin(), gaps.end()));
            if (name == fonts[0] && columns == 5) {
                std::printf("  steps of the quiet build (median ms):");
                for (size_t i = 0; i < steps.size(); ++i)
                    std::printf("%s %s %.2f", i % 4 ? "," : "\n   ", kStepNames[i],
                                Median(steps[i]));
                std::printf("\n");
                const std::vector<double> wheel = WheelSteps(form, 2 * kRuns);
                std::printf("  wheel, one notch to the repainted map (ms): %.2f / %.2f\n",
                            Median(wheel), *std::max_element(wheel.begin(), wheel.end()));
            }
        }
    }
    std::printf("\ntargets: build/cells <= 1.25, longest gap <= 16 ms\n");
    return 0;
}
