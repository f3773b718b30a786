#include "toolkit/PrintDialogs.h"

#include <commdlg.h>

#include <string>

#include "toolkit/Error.h"
#include "toolkit/Printer.h"
#include "toolkit/PrinterSettings.h"

namespace tk {

namespace {

bool RunPrintDialog(Printer& printer, HWND owner, DWORD flags) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = flags;
    // With no printer at all, the printer's own error says so before any dialog shows.
    HGLOBAL current = nullptr;
    UniqueGlobal names = MakeDevNames(printer.Current(&current));
    UniqueGlobal settings = current ? CopyGlobal(current) : UniqueGlobal();
    dialog.hDevNames = names.release();
    dialog.hDevMode = settings.release();
    const BOOL confirmed = ::PrintDlgA(&dialog);
    names.reset(dialog.hDevNames);
    settings.reset(dialog.hDevMode);
    if (!confirmed) {
        if (const DWORD error = ::CommDlgExtendedError())
            throw Error("PrintDlg: " + std::to_string(error));
        return false;
    }
    printer.Select(NamesOf(names.get()), settings.get());
    return true;
}

}  // namespace

bool PrinterSetupDialog::Execute(HWND owner) {
    return RunPrintDialog(printer_, owner, PD_PRINTSETUP);
}

bool PrintDialog::Execute(HWND owner) { return RunPrintDialog(printer_, owner, options); }

}  // namespace tk
