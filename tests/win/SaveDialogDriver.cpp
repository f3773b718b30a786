#include "SaveDialogDriver.h"

#include <dlgs.h>

#include "support/DialogWatcher.h"

namespace testsupport {

namespace {

// The file name box: an edit in the classic layout, a combo box in the explorer one.
HWND FileNameBox(HWND dialog) {
    for (int id : {cmb13, edt1})
        if (HWND box = ::GetDlgItem(dialog, id); box && ::IsWindowVisible(box))
            return box;
    return nullptr;
}

std::string TextOf(HWND hwnd) {
    char text[1024] = {};
    ::SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

SaveDialogDriver::SaveDialogDriver(std::string title, std::optional<std::string> answer)
    : title_(std::move(title)), answer_(std::move(answer)) {
    ::InitializeCriticalSection(&lock_);
    thread_ = ::CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
}

SaveDialogDriver::~SaveDialogDriver() {
    ::InterlockedExchange(&stop_, 1);
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
    ::DeleteCriticalSection(&lock_);
}

DWORD WINAPI SaveDialogDriver::ThreadMain(void* self) {
    static_cast<SaveDialogDriver*>(self)->Run();
    return 0;
}

std::string SaveDialogDriver::Proposed() const {
    ::EnterCriticalSection(&lock_);
    std::string copy = proposed_;
    ::LeaveCriticalSection(&lock_);
    return copy;
}

std::vector<std::string> SaveDialogDriver::Others() const {
    ::EnterCriticalSection(&lock_);
    std::vector<std::string> copy = others_;
    ::LeaveCriticalSection(&lock_);
    return copy;
}

void SaveDialogDriver::Run() {
    while (!stop_) {
        if (HWND dialog = FindProcessWindow("#32770")) {
            ::Sleep(100);  // let it finish filling its boxes
            if (TextOf(dialog) == title_) {
                Answer(dialog);
            } else {
                // A message box: its text is the static control 0xFFFF.
                char text[1024] = {};
                ::GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
                ::EnterCriticalSection(&lock_);
                others_.push_back(TextOf(dialog) + ": " + text);
                ::LeaveCriticalSection(&lock_);
                ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            }
        }
        ::Sleep(20);
    }
}

void SaveDialogDriver::Answer(HWND dialog) {
    HWND box = FileNameBox(dialog);
    ::EnterCriticalSection(&lock_);
    proposed_ = box ? TextOf(box) : "<no file name box>";
    ::LeaveCriticalSection(&lock_);
    if (answer_ && box)
        ::SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer_->c_str()));
    ::InterlockedIncrement(&answered_);
    ::SendMessageA(dialog, WM_COMMAND, answer_ ? IDOK : IDCANCEL, 0);
}

}  // namespace testsupport
