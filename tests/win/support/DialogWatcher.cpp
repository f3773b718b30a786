#include "support/DialogWatcher.h"

namespace testsupport {

namespace {

struct Search {
    DWORD processId;
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindWindowOfClass(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    char className[64] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (owner == search->processId && std::string(className) == search->className &&
        ::IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct Contents {
    std::string text;
    bool errorIcon = false;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM param) {
    auto* contents = reinterpret_cast<Contents*>(param);
    char className[64] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (::lstrcmpiA(className, "Static") != 0) return TRUE;
    if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        HICON shown = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        contents->errorIcon =
            shown && shown == ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND));
    } else {
        char text[1024] = {};
        ::GetWindowTextA(child, text, sizeof text);
        if (text[0]) contents->text = text;
    }
    return TRUE;
}

}  // namespace

HWND FindProcessWindow(const char* className) {
    Search search{::GetCurrentProcessId(), className};
    ::EnumWindows(FindWindowOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogWatcher::DialogWatcher(std::function<bool(HWND dialog)> answer)
    : answer_(std::move(answer)), thread_([this] {
          Watch();
          return false;
      }) {}

std::vector<SeenDialog> DialogWatcher::Seen() const {
    ::AcquireSRWLockShared(&lock_);
    std::vector<SeenDialog> copy = seen_;
    ::ReleaseSRWLockShared(&lock_);
    return copy;
}

void DialogWatcher::Watch() {
    HWND dialog = FindProcessWindow("#32770");
    if (!dialog || (answer_ && answer_(dialog))) return;
    SeenDialog seen;
    char caption[256] = {};
    ::GetWindowTextA(dialog, caption, sizeof caption);
    seen.caption = caption;
    Contents contents;
    ::EnumChildWindows(dialog, ReadChild, reinterpret_cast<LPARAM>(&contents));
    seen.text = contents.text;
    seen.errorIcon = contents.errorIcon;
    ::AcquireSRWLockExclusive(&lock_);
    seen_.push_back(seen);
    ::ReleaseSRWLockExclusive(&lock_);
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace testsupport
