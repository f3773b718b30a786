#include "ColorDialogDriver.h"

#include <colordlg.h>

#include <string>

namespace testsupport {

namespace {

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    char className[16] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (owner == ::GetCurrentProcessId() && std::string(className) == "#32770" &&
        ::IsWindowVisible(hwnd) && ::GetDlgItem(hwnd, COLOR_RED)) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

int Channel(HWND dialog, int id) {
    return static_cast<int>(::GetDlgItemInt(dialog, id, nullptr, FALSE));
}

}  // namespace

ColorDialogDriver::ColorDialogDriver(std::optional<COLORREF> answer)
    : answer_(answer), thread_([this] {
          Answer();
          return false;
      }) {}

void ColorDialogDriver::Answer() {
    HWND dialog = nullptr;
    ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    showing_.Reach();  // it has finished showing its starting colour
    shown_ =
        RGB(Channel(dialog, COLOR_RED), Channel(dialog, COLOR_GREEN), Channel(dialog, COLOR_BLUE));
    if (answer_) {
        ::SendMessageA(dialog, WM_COMMAND, COLOR_MIX, 0);  // open the colour editor
        ::SetDlgItemInt(dialog, COLOR_RED, GetRValue(*answer_), FALSE);
        ::SetDlgItemInt(dialog, COLOR_GREEN, GetGValue(*answer_), FALSE);
        ::SetDlgItemInt(dialog, COLOR_BLUE, GetBValue(*answer_), FALSE);
    }
    ::InterlockedIncrement(&answered_);
    ::SendMessageA(dialog, WM_COMMAND, answer_ ? IDOK : IDCANCEL, 0);
}

}  // namespace testsupport
