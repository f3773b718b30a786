#include "print/PrintProgressDialog.h"

#include <utility>

#include "logic/ProgramFace.h"

#include "toolkit/DialogLayout.h"

namespace letterloom {

namespace {
constexpr int kClientWidth = 257;
constexpr int kClientHeight = 137;
constexpr int kLabelLeft = 24;
constexpr int kDialogPoints = 9;
}  // namespace

PrintProgressDialog::PrintProgressDialog() {
    const tk::DialogLayout at(logic::kProgramFace, kDialogPoints);
    CreateForm("打印中...", WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, at(kClientWidth),
               at(kClientHeight));
    SetFont(at.Font());
    // A raised frame round the controls, made first so that it lies under them.
    frame_.Create(Handle(), "");
    ::SetWindowLongPtrA(frame_.Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME);
    frame_.SetBounds(0, 0, at(kClientWidth), at(kClientHeight));
    deviceLabel_.Create(Handle(), "");
    // Several lines, from the top.
    ::SetWindowLongPtrA(deviceLabel_.Handle(), GWL_STYLE, WS_CHILD | WS_VISIBLE | SS_LEFT);
    deviceLabel_.SetBounds(at(kLabelLeft), at(16), 0, 0);
    SetLabelText(deviceLabel_, "打印在:");
    pageLabel_.Create(Handle(), "");
    pageLabel_.SetBounds(at(kLabelLeft), at(40), 0, 0);
    SetPageText("页数: 1");
    progress_.Create(Handle());
    progress_.SetBounds(at(kLabelLeft), at(72), at(209), at(17));
    cancelButton_.Create(Handle(), "取消", IDCANCEL);
    cancelButton_.SetBounds(at(80), at(104), at(97), at(25));
    cancelButton_.onClick = [this] { OnCancel(); };
    SetDialogKeys(true);
}

void PrintProgressDialog::ShowFor(HWND owner, const std::string& printers,
                                  std::function<void()> onCancel) {
    onCancel_ = std::move(onCancel);
    // Owned by the window it reports for, so that it stays above it.
    ::SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    progress_.SetPosition(0);
    SetLabelText(deviceLabel_, "打印:        " + printers);
    ::ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    ::UpdateWindow(Handle());
}

void PrintProgressDialog::Hide() {
    Show(false);
    onCancel_ = nullptr;
}

void PrintProgressDialog::OnCancel() {
    if (onCancel_) onCancel_();
}

void PrintProgressDialog::SetPageText(const std::string& text) { SetLabelText(pageLabel_, text); }

void PrintProgressDialog::SetLabelText(tk::Label& label, const std::string& text) {
    label.SetText(text);
    tk::WindowDC screen(label.Handle());
    tk::SelectScope font(screen.get(), FontHandle());
    RECT extent{0, 0, 0, 0};
    ::DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_NOPREFIX);
    const RECT bounds = label.BoundsRect();
    label.SetBounds(bounds.left, bounds.top, extent.right, extent.bottom);
}

LRESULT PrintProgressDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // No close box; Esc and Alt+F4 mean Cancel.
    if (msg == WM_CLOSE) {
        OnCancel();
        return 0;
    }
    return tk::Form::HandleMessage(msg, wParam, lParam);
}

}  // namespace letterloom
