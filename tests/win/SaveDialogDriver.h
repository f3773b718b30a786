#pragma once
// Works the platform's save dialog from a second thread as a user would: reads the proposed name,
// types a name and confirms, or cancels. Message boxes are recorded and closed with OK.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/DialogWatcher.h"

namespace testsupport {

class SaveDialogDriver {
public:
    // With a name the dialog is confirmed with it, after choosing entry fileType (from 0) of its
    // file type box; without one it is cancelled.
    SaveDialogDriver(std::string title, std::optional<std::string> answer, int fileType = 0);

    int Answered() const { return answered_; }
    // The name the last save dialog proposed when it opened.
    std::string Proposed() const { return proposed_; }
    // "caption: text" of every message box, in order.
    std::vector<std::string> Others() const;

private:
    bool Answer(HWND dialog);

    std::string title_;
    std::optional<std::string> answer_;
    int fileType_;
    volatile LONG answered_ = 0;
    std::string proposed_;
    HWND answeredDialog_ = nullptr;
    QueueMarker shown_;      // on the interface thread, which shows the dialog
    DialogWatcher watcher_;  // last: its thread starts once the rest is ready
};

}  // namespace testsupport
