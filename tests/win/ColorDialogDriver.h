#pragma once
// Works the platform's colour dialog from a second thread, as a user would: types a colour into
// its red, green and blue boxes and confirms, or cancels.
#include <windows.h>

#include <optional>

namespace testsupport {

class ColorDialogDriver {
public:
    // With a colour the dialog is confirmed with it; without one it is cancelled.
    explicit ColorDialogDriver(std::optional<COLORREF> answer);
    ~ColorDialogDriver();
    ColorDialogDriver(const ColorDialogDriver&) = delete;
    ColorDialogDriver& operator=(const ColorDialogDriver&) = delete;

    // How many dialogs it answered, and the colour the last one showed when it opened.
    int Answered() const { return answered_; }
    COLORREF Shown() const { return shown_; }

private:
    static DWORD WINAPI ThreadMain(void* self);
    void Run();

    std::optional<COLORREF> answer_;
    volatile LONG stop_ = 0;
    volatile LONG answered_ = 0;
    volatile COLORREF shown_ = CLR_INVALID;
    HANDLE thread_;
};

}  // namespace testsupport
