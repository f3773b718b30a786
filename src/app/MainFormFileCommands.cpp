// The File menu's configuration and export commands.
#include "app/InternalProcs.h"
#include "app/MainFormUnit.h"
#include "logic/ExportText.h"
#include "print/DialogsModuleUnit.h"
#include "print/Printunit.h"
#include "settings/frmConfigForm.h"
#include "toolkit/FileReplace.h"

namespace letterloom {

void TMainForm::ConfigureMenuItemClick() {
    TConfigForm dialog(Handle());
    if (dialog.ShowModal() != tk::kModalOk) return;
    SetListItemHeights();
    FontList.SetItems(InstalledFontNames);
    FontList.SetItemIndex(0);
    Pagine.SetActivePage(ListaFont);
    SyncPages(true);
}

void TMainForm::Exportfontlist1Click() {
    tk::SaveDialog& dialog = DialogModule->SaveDialog;
    if (!dialog.Execute(Handle())) return;
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(FontList.Count()));
    for (int i = 0; i < FontList.Count(); ++i) names.push_back(FontList.Item(i));
    tk::ReplaceFileContents(dialog.fileName, logic::JoinLinesCrLf(names));
}

}  // namespace letterloom
