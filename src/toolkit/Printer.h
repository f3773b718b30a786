#pragma once
// A printer of the run: the current printer with its document settings, the job title, the
// jobs with their pages, and a canvas whose font keeps what the last job gave it.
#include <windows.h>

#include <string>

#include "toolkit/Canvas.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

// Names of a printer as the platform's DEVNAMES gives them.
struct PrinterNames {
    std::string device;
    std::string driver;
    std::string port;
};

// What the printer says when it cannot go on, in the program's words; each is the text of the
// error it raises.
struct PrinterMessages {
    std::string noDefaultPrinter;    // the platform has no default printer
    std::string invalidPrinter;      // the current printer cannot be opened or set up
    std::string printingInProgress;  // a job runs, and another begins or the printer changes
};

class Printer {
public:
    explicit Printer(PrinterMessages messages);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The current printer (the platform's default until one is chosen) and a handle to its
    // document settings, which stays the printer's.
    PrinterNames Current(HGLOBAL* settings = nullptr);
    // Makes a printer current; a null settings handle loads the driver's defaults. The settings
    // are copied.
    void Select(const PrinterNames& names, HGLOBAL settings);
    // Forgets the cached list of printers and printer fonts, to be asked again on next use.
    void Refresh();
    // Every printer the platform lists (local ones and connections), each followed by CR LF.
    std::string PrinterListText();

    HDC Handle();
    Canvas& GetCanvas();
    int PageWidth() { return ::GetDeviceCaps(Handle(), HORZRES); }
    int PageHeight() { return ::GetDeviceCaps(Handle(), VERTRES); }

    std::string title;
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Discards the job: the platform drops what was spooled.
    void Abort();
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }

private:
    static BOOL CALLBACK AbortProc(HDC dc, int error);
    void LoadDefault();
    void DropDC();
    void CheckNotPrinting() const;

    PrinterMessages messages_;
    PrinterNames names_;
    UniqueGlobal settings_;
    bool loaded_ = false;
    UniqueDC dc_;
    Canvas canvas_;
    bool printing_ = false;
    bool aborted_ = false;
    bool listCached_ = false;
    std::string listText_;
};

}  // namespace tk
