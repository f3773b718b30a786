// The font search: the time from the find command to the filtered list painted, against the bare
// glyph checks of the same families one after the other on one thread, and the longest stretch
// in which the interface thread could not run waiting messages, for the search and for showing
// every family again.
//
//   FontSearchBench.exe [runs]
//
// run-search-bench.sh runs it with the machine's fonts and with a large generated font set.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "BenchClock.h"
#include "BenchProgram.h"
#include "NoStoredPlacement.h"
#include "PumpRecorder.h"
#include "app/Program.h"
#include "logic/FontFilter.h"
#include "toolkit/Application.h"
#include "toolkit/FontGlyphs.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Worst(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

// The texts are GBK; the figures go to a UTF-8 terminal, padded to a width of its columns, in
// which Chinese characters take two.
std::string Padded(const std::string& gbk, size_t columns) {
    const std::wstring wide = tk::AnsiToWide(gbk);
    char utf8[256] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), utf8,
                          sizeof utf8 - 1, nullptr, nullptr);
    size_t used = 0;
    for (wchar_t c : wide) used += c >= 0x1100 ? 2 : 1;
    return utf8 + std::string(used < columns ? columns - used : 0, ' ');
}

void PaintNow(HWND hwnd) {
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

struct Run {
    double time;
    // The longest stretch without messages while the search ran, before its result showed.
    double gap;
    // The step that showed the result: the list refilled and painted.
    double show;
};

// A search with a message always waiting, so that every chance to run messages is taken.
Run WatchedSearch(letterloom::MainWindow& form, PumpRecorder& recorder, const char* text) {
    tk::Application& app = tk::Application::Instance();
    app.ProcessMessages();
    recorder.Start();
    const double start = Now();
    form.FindFonts(text);
    double resultFrom = start;
    while (form.FontSearchRunning()) {
        resultFrom = Now();
        if (!app.ProcessOneMessage()) ::WaitMessage();
    }
    PaintNow(form.Handle());
    const double end = Now();
    recorder.Stop();
    return {end - start, LongestGap(recorder.Times(), start, resultFrom), end - resultFrom};
}

// A thread that only spins while the interface thread runs its messages, as long as a search
// takes: the stretches without messages that any busy thread of the process brings on this host.
double SpinningGap(PumpRecorder& recorder, double ms) {
    tk::Application& app = tk::Application::Instance();
    app.ProcessMessages();
    recorder.Start();
    const double start = Now();
    std::atomic<bool> done{false};
    std::thread spinner([&] {
        while (Now() - start < ms) {
        }
        done = true;
    });
    while (!done)
        if (!app.ProcessOneMessage()) ::WaitMessage();
    const double end = Now();
    spinner.join();
    recorder.Stop();
    return LongestGap(recorder.Times(), start, end);
}

// The same checks with no thread and no messages: the floor.
double BareChecks(const std::vector<std::string>& names, const std::string& text) {
    const std::wstring wide = tk::AnsiToWide(text);
    const std::u16string judged =
        logic::CharactersToJudge(std::u16string(wide.begin(), wide.end()));
    const std::wstring characters(judged.begin(), judged.end());
    const double start = Now();
    tk::GlyphProbe coverage;
    for (const std::string& name : names) coverage.HasAll(name, characters);
    return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    tk::Application& app = StartBenchProgram();
    const NoStoredPlacement noStoredPlacement;
    letterloom::Program program;
    letterloom::MainWindow& form = program.mainWindow;
    app.SetMainForm(&form);
    ShowBenchProgram(app, form);
    PumpRecorder recorder;

    std::printf("font families %zu; all times in ms, median / worst of %d runs\n",
                program.fontNames.size(), runs);
    std::printf(
        "search: find command to filtered list painted; bare: the same checks on one thread,\n"
        "no messages; gap: longest stretch without messages while the search ran; result: the\n"
        "step that shows its result (list refilled and painted); all: show all fonts again\n\n");
    std::printf("%-8s %6s %15s %6s %13s %13s %13s\n", "text", "found", "search", "bare", "gap",
                "result", "all");
    const char* const texts[] = {"Aa", "永", "αβγ", "中文字体"};
    std::vector<double> searchTimes;
    for (const char* text : texts) {
        std::vector<double> times, gaps, results, all, bare;
        for (int run = 0; run < runs; ++run) {
            const Run search = WatchedSearch(form, recorder, text);
            times.push_back(search.time);
            gaps.push_back(search.gap);
            results.push_back(search.show);
            const double start = Now();
            form.ShowAllFonts();
            PaintNow(form.Handle());
            all.push_back(Now() - start);
            bare.push_back(BareChecks(program.fontNames, text));
        }
        searchTimes.push_back(Median(times));
        WatchedSearch(form, recorder, text);
        const int found = form.FontList().List().Count();
        form.ShowAllFonts();
        std::printf("%s %6d %6.1f / %6.1f %6.1f %5.1f / %5.1f %5.1f / %5.1f %5.1f / %5.1f\n",
                    Padded(text, 8).c_str(), found, Median(times), Worst(times), Median(bare),
                    Median(gaps), Worst(gaps), Median(results), Worst(results), Median(all),
                    Worst(all));
    }
    std::vector<double> spinning;
    for (int run = 0; run < runs; ++run)
        spinning.push_back(SpinningGap(recorder, Median(searchTimes)));
    std::printf("\na thread that only spins as long as a search: gap %.1f / %.1f\n",
                Median(spinning), Worst(spinning));

    // The two parts of showing a list, as the configuration dialog's OK has them too.
    std::vector<double> refills, paints;
    for (int run = 0; run < runs; ++run) {
        app.ProcessMessages();
        const double start = Now();
        form.FontList().ShowNames(program.fontNames);
        const double filled = Now();
        form.SyncPages(true);
        PaintNow(form.Handle());
        refills.push_back(filled - start);
        paints.push_back(Now() - filled);
    }
    std::printf(
        "\nof showing every family: the list refilled %.1f, the pages synchronised and\n"
        "painted %.1f\n",
        Median(refills), Median(paints));
    std::printf("\ntargets: search of 5,055 families <= 1000 ms, longest gap <= 16 ms\n");
    app.SetMainForm(nullptr);
    return 0;
}
