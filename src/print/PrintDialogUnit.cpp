#include "print/PrintDialogUnit.h"

#include "logic/PrintLayout.h"
#include "print/DialogsModuleUnit.h"
#include "print/Printunit.h"

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
    CreateForm("打印字体列表", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
               kClientWidth, kClientHeight);
    tk::FontSpec font;
    font.name = "宋体";
    font.SetSize(kDialogPoints);
    SetFont(font);
    const RECT bounds = Form::BoundsRect();
    ::SetWindowPos(Handle(), nullptr,
                   (::GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - (bounds.bottom - bounds.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PrintType.Create(Handle(), "打印:", {"单列字体列表", "双列字体列表"}, RECT{0, 0, 209, 65});
    PrintType.SetItemIndex(0);
    PrintType.onClick = [this] { PrintTypeClick(); };
    Info.Create(Handle(), "Info");
    Info.SetBounds(216, 8, kLabelWidth, kLabelHeight);
    PNum.Create(Handle(), "PNum");
    PNum.SetBounds(216, 32, kLabelWidth, kLabelHeight);
    BitBtn1.Create(Handle(), "打印", IDOK, BS_DEFPUSHBUTTON);
    BitBtn1.SetBounds(152, 72, 83, 25);
    BitBtn1.onClick = [this] { SetModalResult(tk::kModalOk); };
    BitBtn2.Create(Handle(), "取消", IDCANCEL);
    BitBtn2.SetBounds(240, 72, 83, 25);
    BitBtn2.onClick = [this] { SetModalResult(tk::kModalCancel); };
    BitBtn3.Create(Handle(), "打印机设置");
    BitBtn3.SetBounds(0, 72, 89, 25);
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
    const int perPage = EntriesPerPage(index + 1);
    const int entries = static_cast<int>(InstalledFontNames.size());
    const int pages = logic::PagesNeeded(entries, perPage);
    // A page too low for one row gives no figure of pages.
    Info.SetText("页数字体:      " + std::to_string(perPage > 0 ? perPage : 0));
    PNum.SetText("所需页数:     " + (pages >= 0 ? std::to_string(pages) : std::string("-")));
}

}  // namespace letterloom
