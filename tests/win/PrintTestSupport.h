#pragma once
// What the printing tests share: the program with its print dialogs, a controlled list of fonts,
// and the pages the PDF queue printed, read back word by word with their positions.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "CharMapTestSupport.h"
#include "print/CharMapPrintout.h"
#include "print/CommonDialogs.h"
#include "print/FontListPrintout.h"
#include "print/PrintOptionsDialog.h"
#include "print/PrintProgressDialog.h"
#include "print/PrinterPreparation.h"
#include "support/ProgramFixture.h"

namespace printtest {

// A word of a printed page, its box in points from the page's top left; text in GBK.
struct Word {
    std::string text;
    double left, top, right, bottom;
};

struct Page {
    double width, height;
    std::vector<Word> words;
    // The first word with this text, or null.
    const Word* Find(const std::string& text) const;
};

// The PDF files in the queue's output folder, oldest first.
std::vector<std::string> PdfFiles();
void DeletePdfFiles();
// Waits until count PDF files are there and complete; false after the timeout.
bool WaitForPdfFiles(size_t count, DWORD timeoutMs = 60000);
// The pages of a PDF, through poppler's pdftotext.
std::vector<Page> ReadPages(const std::string& pdfFile);

// The queue whose paper is wider than high (842 x 595 points).
inline constexpr const char* kWideQueue = "LetterloomWide";

// Whether a label's client area holds its whole text in the label's own font.
bool ShowsWholeText(HWND label);

// Chooses a printer by name in the platform's print or printer set-up dialog and confirms it; for
// a DialogWatcher's answer.
bool ChoosePrinterAndConfirm(HWND dialog, const std::string& printer);

// Runs an action once, in the first message pump after it was made: during a job, that is when
// the platform calls the job's abort callback, or between two character-map cells.
using OnNextPump = charmaptest::DuringBuild;

class PrintTest : public testsupport::ProgramTest {
protected:
    // The program as WinMain starts it, with "Font000"... as the installed fonts, the preview
    // text "Sample" and an empty output folder.
    void SetUp() override;
    // Points on the page of a length in device pixels of the printer.
    double Points(int pixels);
    // The font list printout of the installed fonts, as the options dialog starts it.
    letterloom::PrintOutcome PrintFontList(int columns);
    void UseFonts(int count);
    // A command of the File menu, as the menu runs it.
    void Command(const char* item);
    // A one-page job of its own, to know that every job before it has left the queue.
    void PrintMarker();
    // The queue's own jobs after the marker: every PDF but the marker's.
    std::vector<std::string> PdfsBeforeMarker();
    // Presses the progress dialog's Cancel at the job's first message pump.
    std::unique_ptr<OnNextPump> CancelAtFirstPump();
    // The one PDF a job made, read back.
    std::vector<Page> PrintedPages();

    // What the print commands use, the program's own.
    letterloom::PrintTools& Tools() { return program->printing; }
    letterloom::PrintProgressDialog* progress = nullptr;
    letterloom::PrintOptionsDialog* options = nullptr;
};

}  // namespace printtest
