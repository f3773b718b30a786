#pragma once
// Works the platform's save dialog from a second thread as a user would: reads the proposed name,
// types a name and confirms, or cancels. Any other dialog of the process (a message box) is
// recorded by caption and text and closed with its OK button.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class SaveDialogDriver {
  public:
    // With a name the dialog is confirmed with it; without one it is cancelled.
    SaveDialogDriver(std::string title, std::optional<std::string> answer);
    ~SaveDialogDriver();
    SaveDialogDriver(const SaveDialogDriver&) = delete;
    SaveDialogDriver& operator=(const SaveDialogDriver&) = delete;

    int Answered() const { return answered_; }
    // The name the last save dialog proposed when it opened.
    std::string Proposed() const;
    // "caption: text" of every other dialog, in order.
    std::vector<std::string> Others() const;

  private:
    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    void Answer(HWND dialog);

    std::string title_;
    std::optional<std::string> answer_;
    volatile LONG stop_ = 0;
    volatile LONG answered_ = 0;
    mutable CRITICAL_SECTION lock_;
    std::string proposed_;
    std::vector<std::string> others_;
    HANDLE thread_;
};

}  // namespace testsupport
