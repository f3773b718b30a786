// The commands of the main window's File and Help menus.
#include "about/AboutBox.h"
#include "about/HtmlHelp.h"
#include "about/MakerSite.h"
#include "about/ShellOpen.h"
#include "app/MainWindow.h"
#include "charmap/CharMapRenderer.h"
#include "logic/ExportText.h"
#include "print/CharMapPrintout.h"
#include "print/FontFactsTable.h"
#include "print/FontListPrintout.h"
#include "settings/ConfigDialog.h"
#include "toolkit/Application.h"
#include "toolkit/FileReplace.h"

namespace letterloom {

namespace {
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC; data 0 is the file's default topic
}  // namespace

void MainWindow::OnConfigure() {
    ConfigDialog dialog(Handle(), settings_);
    if (dialog.ShowModal() != tk::kModalOk) return;
    ApplyItemSizes();
    ShowFontList();
}

void MainWindow::OnExportFontList() {
    if (!fontNamesArrived_) return;
    tk::SaveDialog& dialog = printing_.dialogs.exportFile;
    if (!dialog.Execute(Handle())) return;
    if (dialog.filterIndex == CommonDialogs::kExportFactsFilter) {
        tk::ReplaceFileContents(dialog.fileName, FontFactsCsv(fontList_->Names()));
        return;
    }
    tk::ReplaceFileContents(dialog.fileName, logic::JoinLinesCrLf(fontList_->Names()));
}

void MainWindow::OnPrintFontList() {
    if (!fontNamesArrived_) return;
    ShowPrintOptions(printing_, Handle(), ShownNames(), settings_.previewText);
}

void MainWindow::OnPrintCharMaps() {
    PrintCharMaps(printing_, Handle(), fontList_->SelectedNames(), DrawCharCells);
}

void MainWindow::OnPrinterSetup() { printing_.dialogs.printerSetup.Execute(Handle()); }

void MainWindow::OnHelpContents() { help_.Show(Handle(), HelpFilePath(), kDisplayTopic, 0); }

void MainWindow::OnVisitWebSite() { ShellOpen(nullptr, kSoftwarePage); }

void MainWindow::OnDonate() { ShellOpen(nullptr, kDonatePage); }

void MainWindow::OnAbout() {
    ShowAboutBox(Handle(), tk::Application::Instance().Icon(), "Letterloom", "v1.2.0");
}

}  // namespace letterloom
