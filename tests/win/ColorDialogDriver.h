#pragma once
// Works the platform's colour dialog from a second thread, as a user would: types a colour into
// its red, green and blue boxes and confirms, or cancels.
#include <windows.h>

#include <optional>

#include "support/Wait.h"

namespace testsupport {

class ColorDialogDriver {
public:
    // With a colour the dialog is confirmed with it; without one it is cancelled.
    explicit ColorDialogDriver(std::optional<COLORREF> answer);

    // How many dialogs it answered, and the colour the last one showed when it opened.
    int Answered() const { return answered_; }
    COLORREF Shown() const { return shown_; }

private:
    void Answer();

    std::optional<COLORREF> answer_;
    volatile LONG answered_ = 0;
    volatile COLORREF shown_ = CLR_INVALID;
    QueueMarker showing_;  // on the interface thread, which shows the dialog
    DriverThread thread_;  // last: it starts once the rest is ready, and stops first
};

}  // namespace testsupport
