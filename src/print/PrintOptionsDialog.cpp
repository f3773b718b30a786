#include "print/PrintOptionsDialog.h"

#include "logic/PrintLayout.h"
#include "logic/ProgramFace.h"
#include "print/PrinterPreparation.h"
#include "toolkit/DialogLayout.h"

namespace letterloom {

namespace {
constexpr int kClientWidth = 324;
constexpr int kClientHeight = 98;
constexpr int kDialogPoints = 9;
constexpr int kLabelWidth = 108;
constexpr int kLabelHeight = 13;
}  // namespace

PrintOptionsDialog::PrintOptionsDialog(tk::Printer& printer, tk::PrinterSetupDialog& printerSetup)
    : printer_(printer), printerSetup_(printerSetup) {
    const tk::DialogLayout at(logic::kProgramFace, kDialogPoints);
    CreateForm("打印字体列表", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
               at(kClientWidth), at(kClientHeight));
    SetFont(at.Font());
    tk::CenterOnScreen(Handle());
    columnsChoice_.Create(Handle(), "打印:", {"单列字体列表", "双列字体列表"},
                          RECT{0, 0, at(209), at(65)});
    columnsChoice_.SetItemIndex(0);
    columnsChoice_.onClick = [this] { UpdateLabels(); };
    perPage_.Create(Handle(), "Info");
    perPage_.SetBounds(at(216), at(8), at(kLabelWidth), at(kLabelHeight));
    pages_.Create(Handle(), "PNum");
    pages_.SetBounds(at(216), at(32), at(kLabelWidth), at(kLabelHeight));
    printButton_.Create(Handle(), "打印", IDOK, BS_DEFPUSHBUTTON);
    printButton_.SetBounds(at(152), at(72), at(83), at(25));
    printButton_.onClick = [this] { SetModalResult(tk::kModalOk); };
    cancelButton_.Create(Handle(), "取消", IDCANCEL);
    cancelButton_.SetBounds(at(240), at(72), at(83), at(25));
    cancelButton_.onClick = [this] { SetModalResult(tk::kModalCancel); };
    setupButton_.Create(Handle(), "打印机设置");
    setupButton_.SetBounds(0, at(72), at(89), at(25));
    // The labels keep their figures until the dialog shows again or the columns change.
    setupButton_.onClick = [this] { printerSetup_.Execute(Handle()); };
    SetDialogKeys(true);
}

int PrintOptionsDialog::AskColumns(int entries) {
    entries_ = entries;
    return ShowModal() == tk::kModalOk ? Columns() : 0;
}

void PrintOptionsDialog::FormShow() { UpdateLabels(); }

void PrintOptionsDialog::UpdateLabels() {
    const int index = columnsChoice_.ItemIndex();
    if (index != 0 && index != 1) return;
    const logic::FontListPlan plan = PlanFontListPrintout(printer_, index + 1, entries_);
    perPage_.SetText("页数字体:      " + std::to_string(plan.entriesPerPage));
    pages_.SetText("所需页数:     " + std::to_string(plan.pages));
}

}  // namespace letterloom
