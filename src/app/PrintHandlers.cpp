// The main window's print commands.
#include "app/MainFormUnit.h"
#include "charmap/GraphProc.h"
#include "print/DialogsModuleUnit.h"
#include "print/Printunit.h"
#include "settings/RegSave.h"

namespace letterloom {

void TMainForm::print1Click() { ShowPrintOptions(ConfigData.PrevString); }

void TMainForm::PrintCharmap1Click() { PrintCharMap(FontList, DrawCharCells); }

void TMainForm::Printersetup1Click() { DialogModule->PrinterSetupDialog.Execute(Handle()); }

}  // namespace letterloom
