#include "ConfigDialogDriver.h"

#include "support/UserGestures.h"

namespace testsupport {

ConfigDialogDriver::ConfigDialogDriver(Steps steps)
    : steps_(std::move(steps)), thread_([this] {
          Run();
          return false;
      }) {}

letterloom::ConfigDialog* OpenConfigDialog() {
    return FindProcessWindowOf<letterloom::ConfigDialog>();
}

void ConfigDialogDriver::Run() {
    letterloom::ConfigDialog* dialog = OpenConfigDialog();
    if (dialog && dialog->Handle() != answered_ && ::IsWindowVisible(dialog->Handle())) {
        answered_ = dialog->Handle();
        steps_(*dialog);
        ::InterlockedIncrement(&runs_);
    }
}

void SetTextOf(HWND control, const char* text) {
    ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void Press(const tk::Button& button) { ::SendMessageA(button.Handle(), BM_CLICK, 0, 0); }

void PostKey(HWND control, UINT key) {
    ::PostMessageA(control, WM_KEYDOWN, key, 1);
    ::PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

}  // namespace testsupport
