#include "ConfigDialogDriver.h"

namespace testsupport {

ConfigDialogDriver::ConfigDialogDriver(Steps steps)
    : steps_(std::move(steps)), thread_(::CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr)) {}

ConfigDialogDriver::~ConfigDialogDriver() {
    ::InterlockedExchange(&stop_, 1);
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
}

DWORD WINAPI ConfigDialogDriver::ThreadMain(void* self) {
    static_cast<ConfigDialogDriver*>(self)->Run();
    return 0;
}

void ConfigDialogDriver::Run() {
    HWND answered = nullptr;
    while (!stop_) {
        letterloom::TConfigForm* dialog = letterloom::ConfigForm;
        if (dialog && dialog->Handle() != answered && ::IsWindowVisible(dialog->Handle())) {
            answered = dialog->Handle();
            steps_(*dialog);
            ::InterlockedIncrement(&runs_);
        }
        ::Sleep(20);
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
