#include "SaveDialogDriver.h"

#include <dlgs.h>

namespace testsupport {

namespace {

// The file name box: an edit in the classic layout, a combo box in the explorer one.
HWND FileNameBox(HWND dialog) {
    for (int id : {cmb13, edt1})
        if (HWND box = ::GetDlgItem(dialog, id); box && ::IsWindowVisible(box)) return box;
    return nullptr;
}

std::string TextOf(HWND hwnd) {
    char text[1024] = {};
    ::SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

SaveDialogDriver::SaveDialogDriver(std::string title, std::optional<std::string> answer,
                                   int fileType)
    : title_(std::move(title)),
      answer_(std::move(answer)),
      fileType_(fileType),
      watcher_([this](HWND dialog) { return Answer(dialog); }) {}

std::vector<std::string> SaveDialogDriver::Others() const {
    std::vector<std::string> others;
    for (const auto& seen : watcher_.Seen()) others.push_back(seen.caption + ": " + seen.text);
    return others;
}

bool SaveDialogDriver::Answer(HWND dialog) {
    if (TextOf(dialog) != title_) return false;
    if (dialog == answeredDialog_) return true;  // still closing after the answer
    HWND box = nullptr;
    PollFor([&] { return (box = FileNameBox(dialog)) != nullptr; });
    // The dialog fills its boxes after it shows: once the interface thread has run what was posted
    // to it by then, they are filled.
    shown_.Reach();
    proposed_ = box ? TextOf(box) : "<no file name box>";
    if (HWND types = ::GetDlgItem(dialog, cmb1); answer_ && types && fileType_ > 0) {
        // As a pick in the drop-down list: the dialog hears of it as it would from the user.
        ::SendMessageA(types, CB_SETCURSEL, fileType_, 0);
        for (const WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code),
                           reinterpret_cast<LPARAM>(types));
    }
    if (answer_ && box)
        ::SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer_->c_str()));
    ::InterlockedIncrement(&answered_);
    answeredDialog_ = dialog;
    ::SendMessageA(dialog, WM_COMMAND, answer_ ? IDOK : IDCANCEL, 0);
    return true;
}

}  // namespace testsupport
