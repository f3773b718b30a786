#include "print/PrintStatUnit.h"

#include "logic/ProgramFace.h"
#include "print/Printunit.h"
#include "toolkit/Application.h"
#include "toolkit/DialogLayout.h"
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
    const tk::DialogLayout at(logic::kProgramFace, kDialogPoints);
    CreateForm("打印中...", WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, at(kClientWidth),
               at(kClientHeight), owner);
    SetFont(at.Font());
    // A raised frame round the controls, made first so that it lies under them.
    Bevel1.Create(Handle(), "");
    ::SetWindowLongPtrA(Bevel1.Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME);
    Bevel1.SetBounds(0, 0, at(kClientWidth), at(kClientHeight));
    DeviceLab.Create(Handle(), "");
    // Several lines, from the top.
    ::SetWindowLongPtrA(DeviceLab.Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_LEFT);
    DeviceLab.SetBounds(at(kLabelLeft), at(16), 0, 0);
    SetLabelText(DeviceLab, "打印在:");
    PageLab.Create(Handle(), "");
    PageLab.SetBounds(at(kLabelLeft), at(40), 0, 0);
    SetPageText("页数: 1");
    ProgressBar.Create(Handle());
    ProgressBar.SetBounds(at(kLabelLeft), at(72), at(209), at(17));
    BitBtn1.Create(Handle(), "取消", IDCANCEL);
    BitBtn1.SetBounds(at(80), at(104), at(97), at(25));
    BitBtn1.onClick = [this] { BitBtn1Click(); };
    SetDialogKeys(true);
    PrintStat = this;
}

TPrintStat::~TPrintStat() {
    if (PrintStat == this) PrintStat = nullptr;
}

void TPrintStat::BitBtn1Click() { PrintAbort = true; }

void TPrintStat::SetPageText(const std::string& text) { SetLabelText(PageLab, text); }

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
                                "打印:        " + ThePrinter().PrinterListText());
        ::ShowWindow(PrintStat->Handle(), SW_SHOWMAXIMIZED);
        ::UpdateWindow(PrintStat->Handle());
    } else {
        if (main) main->SetEnabled(true);
        PrintStat->Show(false);
    }
}

}  // namespace letterloom
