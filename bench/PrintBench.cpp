// Figures of the font-list printout on a real queue: the program's own time for the whole job and
// per page (drawing, and the PostScript that Wine's printer driver writes as pages end), apart
// from the time the spooler then takes until the PDF is written.
//
//   PrintBench.exe
//
// run-print-bench.sh runs it on the private PDF queue with the generated font set.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "BenchClock.h"
#include "app/Program.h"
#include "logic/PrintLayout.h"
#include "print/FontListPrintout.h"
#include "print/InstalledFonts.h"
#include "print/PrintProgressDialog.h"
#include "print/PrinterPreparation.h"
#include "support/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Printer.h"
#include "toolkit/UniqueHandle.h"

namespace {

// The complete PDF files in the queue's output folder (a Linux path in LETTERLOOM_PDF_DIR); a
// file that the spooler is still writing lacks its end-of-file mark.
int PdfCount() {
    const char* dir = std::getenv("LETTERLOOM_PDF_DIR");
    if (!dir) return -1;
    std::string folder = std::string("Z:") + dir + "\\";
    for (char& c : folder)
        if (c == '/') c = '\\';
    WIN32_FIND_DATAA data{};
    const tk::UniqueFind search(::FindFirstFileA((folder + "*.pdf").c_str(), &data));
    if (!search) return 0;
    int count = 0;
    do {
        std::ifstream file(folder + data.cFileName, std::ios::binary | std::ios::ate);
        const std::streamoff size = file.tellg();
        std::string tail(static_cast<size_t>(std::min<std::streamoff>(size, 32)), '\0');
        file.seekg(size - static_cast<std::streamoff>(tail.size()));
        file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
        if (tail.find("%%EOF") != std::string::npos) ++count;
    } while (::FindNextFileA(search.get(), &data));
    return count;
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tk::Application::Instance().SetTitle("Letterloom");
    letterloom::Program program;
    program.fontNames = letterloom::CollectInstalledFontNames();
    const int entries = static_cast<int>(program.fontNames.size());
    std::printf("font families       %8d\n", entries);
    std::printf("printer             %s\n", program.printer.Current().device.c_str());
    int pdfs = PdfCount();
    for (int columns : {1, 2}) {
        const double start = Now();
        letterloom::PrintFontList(program.printing, program.mainWindow.Handle(), program.fontNames,
                                  columns, "AaBbCc 0123 的一是");
        const double job = Now() - start;
        const int pages = letterloom::PlanFontListPrintout(program.printer, columns, entries).pages;
        std::printf("%d column(s): %d pages, program %.0f ms, %.1f ms a page", columns, pages, job,
                    job / pages);
        std::fflush(stdout);
        // The spooler's part: from the end of the job until the PDF is there.
        const double spoolStart = Now();
        testsupport::WaitFor(
            [pdfs] {
                const int count = PdfCount();
                return count < 0 || count > pdfs;
            },
            600000);
        pdfs = PdfCount();
        std::printf(", spooler until the PDF %.0f ms\n", Now() - spoolStart);
    }
    return 0;
}
