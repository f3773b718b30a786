#include "print/PrintDialogUnit.h"

#include "logic/PrintLayout.h"
#include "logic/ProgramFace.h"
#include "print/DialogsModuleUnit.h"
#include "print/Printunit.h"
#include "toolkit/DialogLayout.h"

namespace letterloom {

TPrintDialog* PrintDialog = nullptr;

namespace {
constexpr int kClientWidth = 324;
constexpr int kClientHeight = 98;
constexpr int kDialogPoints = 9;
constexpr int kLabelWidth = 108;
constexpr int kLabelHeight = 13;
}  // namespace

TPrintDialog::TPrintDialog() {
    const tk::DialogLayout at(logic::kProgramFace, kDialogPoints);
    CreateForm("打印字体列表", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
               at(kClientWidth), at(kClientHeight));
    SetFont(at.Font());
    tk::CenterOnScreen(Handle());
    PrintType.Create(Handle(), "打印:", {"单列字体列表", "双列字体列表"},
                     RECT{0, 0, at(209), at(65)});
    PrintType.SetItemIndex(0);
    PrintType.onClick = [this] { PrintTypeClick(); };
    Info.Create(Handle(), "Info");
    Info.SetBounds(at(216), at(8), at(kLabelWidth), at(kLabelHeight));
    PNum.Create(Handle(), "PNum");
    PNum.SetBounds(at(216), at(32), at(kLabelWidth), at(kLabelHeight));
    BitBtn1.Create(Handle(), "打印", IDOK, BS_DEFPUSHBUTTON);
    BitBtn1.SetBounds(at(152), at(72), at(83), at(25));
    BitBtn1.onClick = [this] { SetModalResult(tk::kModalOk); };
    BitBtn2.Create(Handle(), "取消", IDCANCEL);
    BitBtn2.SetBounds(at(240), at(72), at(83), at(25));
    BitBtn2.onClick = [this] { SetModalResult(tk::kModalCancel); };
    BitBtn3.Create(Handle(), "打印机设置");
    BitBtn3.SetBounds(0, at(72), at(89), at(25));
    BitBtn3.onClick = [this] { BitBtn3Click(); };
    SetDialogKeys(true);
    PrintDialog = this;
}

TPrintDialog::~TPrintDialog() {
    if (PrintDialog == this) PrintDialog = nullptr;
}

void TPrintDialog::FormShow() { UpdateLabels(); }

void TPrintDialog::PrintTypeClick() { UpdateLabels(); }

void TPrintDialog::BitBtn3Click() { DialogModule->PrinterSetupDialog.Execute(Handle()); }

void TPrintDialog::UpdateLabels() {
    const int index = PrintType.ItemIndex();
    if (index != 0 && index != 1) return;
    const logic::FontListPlan plan =
        PlanFontListPrintout(index + 1, static_cast<int>(InstalledFontNames.size()));
    Info.SetText("页数字体:      " + std::to_string(plan.entriesPerPage));
    PNum.SetText("所需页数:     " + std::to_string(plan.pages));
}

}  // namespace letterloom
