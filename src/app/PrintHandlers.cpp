// The main window's print commands.
#include "app/MainFormUnit.h"
#include "print/DialogsModuleUnit.h"
#include "print/Printunit.h"

namespace letterloom {

void TMainForm::print1Click() {
    ShowPrintOptions();
}

void TMainForm::PrintCharmap1Click() {
    PrintCharMap(FontList);
}

void TMainForm::Printersetup1Click() {
    DialogModule->PrinterSetupDialog.Execute(Handle());
}

}  // namespace letterloom
