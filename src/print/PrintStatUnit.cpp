#include "print/PrintStatUnit.h"

#include "toolkit/Application.h"
#include "toolkit/Printer.h"

namespace letterloom {

bool PrintAbort = false;
TPrintStat* PrintStat = nullptr;

namespace {
constexpr int kClientWidth = 257;
constexpr int kClientHeight = 137;
constexpr int kLabelLeft = 24;
constexpr int kDialogPoints = 9;
}  // namespace

TPrintStat::TPrintStat() {
    const HWND owner = tk::Application::Instance().MainForm()
                           ? tk::Application::Instance().MainForm()->Handle()
                           : nullptr;
    CreateForm("打印中...", WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, kClientWidth, kClientHeight,
               owner);
    tk::FontSpec font;
    font.name = "宋体";
    font.SetSize(kDialogPoints);
    SetFont(font);
    // A raised frame round the controls, made first so that it lies under them.
    Bevel1.Create(Handle(), "");
    ::SetWindowLongPtrA(Bevel1.Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME);
    Bevel1.SetBounds(0, 0, kClientWidth, kClientHeight);
    DeviceLab.Create(Handle(), "");
    // Several lines, from the top.
    ::SetWindowLongPtrA(DeviceLab.Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_LEFT);
    SetLabelText(DeviceLab, "打印在:");
    DeviceLab.SetBounds(kLabelLeft, 16, DeviceLab.Width(), DeviceLab.Height());
    PageLab.Create(Handle(), "");
    SetLabelText(PageLab, "页数: 1");
    PageLab.SetBounds(kLabelLeft, 40, PageLab.Width(), PageLab.Height());
    ProgressBar.Create(Handle());
    ProgressBar.SetBounds(kLabelLeft, 72, 209, 17);
    BitBtn1.Create(Handle(), "取消", IDCANCEL);
    BitBtn1.SetBounds(80, 104, 97, 25);
    BitBtn1.onClick = [this] { BitBtn1Click(); };
    SetDialogKeys(true);
    PrintStat = this;
}

TPrintStat::~TPrintStat() {
    if (PrintStat == this) PrintStat = nullptr;
}

void TPrintStat::BitBtn1Click() { PrintAbort = true; }

void TPrintStat::SetLabelText(tk::Label& label, const std::string& text) {
    label.SetText(text);
    tk::WindowDC screen(label.Handle());
    tk::SelectScope font(screen.get(), FontHandle());
    RECT extent{0, 0, 0, 0};
    ::DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_NOPREFIX);
    const RECT bounds = label.BoundsRect();
    label.SetBounds(bounds.left, bounds.top, extent.right, extent.bottom);
}

LRESULT TPrintStat::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // No close box; Esc and Alt+F4 mean Cancel.
    if (msg == WM_CLOSE) {
        BitBtn1Click();
        return 0;
    }
    return tk::Form::HandleMessage(msg, wParam, lParam);
}

void ShowPrintProgress(bool on) {
    tk::Form* main = tk::Application::Instance().MainForm();
    if (on) {
        if (main) main->SetEnabled(false);
        PrintStat->ProgressBar.SetPosition(0);
        PrintStat->SetLabelText(PrintStat->DeviceLab,
                                "打印:        " + tk::ThePrinter().PrinterListText());
        ::ShowWindow(PrintStat->Handle(), SW_SHOWMAXIMIZED);
        ::UpdateWindow(PrintStat->Handle());
    } else {
        if (main) main->SetEnabled(true);
        PrintStat->Show(false);
    }
}

}  // namespace letterloom
