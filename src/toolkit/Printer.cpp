#include "toolkit/Printer.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstring>
#include <utility>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/PrinterSettings.h"

namespace tk {

namespace {

// The driver's current default document settings of a printer; invalid is the error's text when
// it has none to give.
UniqueGlobal DriverDefaults(const std::string& device, const std::string& invalid) {
    HANDLE opened = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(device.c_str()), &opened, nullptr)) throw Error(invalid);
    UniquePrinter printer(opened);
    char* name = const_cast<char*>(device.c_str());
    const LONG size = ::DocumentPropertiesA(nullptr, printer.get(), name, nullptr, nullptr, 0);
    if (size <= 0) throw Error(invalid);
    UniqueGlobal settings(::GlobalAlloc(GHND, static_cast<SIZE_T>(size)));
    if (!settings) throw Error(invalid);
    const GlobalLockScope<DEVMODEA> mode(settings.get());
    if (::DocumentPropertiesA(nullptr, printer.get(), name, mode.get(), nullptr, DM_OUT_BUFFER) < 0)
        throw Error(invalid);
    return settings;
}

}  // namespace

Printer::Printer(PrinterMessages messages) : messages_(std::move(messages)) {}

Printer::~Printer() {
    if (printing_) Abort();
    DropDC();
}

void Printer::LoadDefault() {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgA(&dialog)) throw Error(messages_.noDefaultPrinter);
    UniqueGlobal names(dialog.hDevNames);
    settings_.reset(dialog.hDevMode);
    names_ = NamesOf(names.get());
    loaded_ = true;
}

PrinterNames Printer::Current(HGLOBAL* settings) {
    if (!loaded_) LoadDefault();
    if (settings) *settings = settings_.get();
    return names_;
}

void Printer::Select(const PrinterNames& names, HGLOBAL settings) {
    CheckNotPrinting();
    UniqueGlobal copy =
        settings ? CopyGlobal(settings) : DriverDefaults(names.device, messages_.invalidPrinter);
    DropDC();
    names_ = names;
    settings_ = std::move(copy);
    loaded_ = true;
}

void Printer::Refresh() {
    // Printer fonts are never listed by this layer, so the printers are all it caches.
    listCached_ = false;
    listText_.clear();
}

std::string Printer::PrinterListText() {
    if (listCached_) return listText_;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    ::EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    std::string text;
    if (needed && ::EnumPrintersA(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) {
        const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) text += std::string(printers[i].pPrinterName) + "\r\n";
    }
    listText_ = std::move(text);
    listCached_ = true;
    return listText_;
}

HDC Printer::Handle() {
    if (dc_) return dc_.get();
    const PrinterNames names = Current();
    const GlobalLockScope<DEVMODEA> mode(settings_.get());
    dc_.reset(::CreateDCA(names.driver.c_str(), names.device.c_str(), nullptr, mode.get()));
    if (!dc_) throw Error(messages_.invalidPrinter);
    canvas_.Attach(dc_.get());
    canvas_.Font().pixelsPerInch = ::GetDeviceCaps(dc_.get(), LOGPIXELSY);
    return dc_.get();
}

Canvas& Printer::GetCanvas() {
    Handle();
    return canvas_;
}

void Printer::CheckNotPrinting() const {
    if (printing_) throw Error(messages_.printingInProgress);
}

void Printer::BeginDoc() {
    CheckNotPrinting();
    HDC dc = Handle();
    aborted_ = false;
    ::SetAbortProc(dc, AbortProc);
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = title.c_str();
    // The platform may call the abort callback, and so run messages, inside StartDoc: the job is
    // in progress from here on.
    printing_ = true;
    if (::StartDocA(dc, &info) <= 0) {
        printing_ = false;
        ThrowLastError("StartDoc");
    }
    if (::StartPage(dc) <= 0) {
        Abort();
        ThrowLastError("StartPage");
    }
    // A new page may reset the DC's objects: the canvas selects its own again on next use.
    canvas_.Attach(dc);
}

void Printer::NewPage() {
    HDC dc = Handle();
    if (::EndPage(dc) <= 0 || ::StartPage(dc) <= 0) {
        Abort();
        ThrowLastError("EndPage");
    }
    canvas_.Attach(dc);
}

void Printer::EndDoc() {
    HDC dc = Handle();
    const bool ended = ::EndPage(dc) > 0 && ::EndDoc(dc) > 0;
    if (!ended) {
        Abort();
        ThrowLastError("EndDoc");
    }
    printing_ = false;
    DropDC();
}

void Printer::Abort() {
    if (!printing_) return;
    aborted_ = true;
    ::AbortDoc(dc_.get());
    printing_ = false;
    DropDC();
}

void Printer::DropDC() {
    canvas_.Attach(nullptr);
    dc_.reset();
}

// The platform tells the callback the job's DC only. Abort deletes that DC, so a DC that is gone
// means that a message run here aborted the job.
BOOL CALLBACK Printer::AbortProc(HDC dc, int) {
    try {
        Application::Instance().ProcessMessages();
    } catch (...) {
        // A handler's error was reported where it arose; the job goes on.
    }
    return ::GetObjectType(dc) != 0;
}

}  // namespace tk
