#include "toolkit/Clipboard.h"

#include <cstring>

#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

namespace {

// The clipboard is open for the scope's lifetime.
class OpenClipboardScope {
public:
    OpenClipboardScope(HWND owner, const std::string& busyText) {
        // Another program may hold the clipboard for a moment; try a few times before giving up.
        constexpr int kAttempts = 10;
        constexpr DWORD kWaitMs = 10;
        for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
            open_ = ::OpenClipboard(owner) != FALSE;
            if (!open_) ::Sleep(kWaitMs);
        }
        if (!open_) ThrowLastError(busyText);
    }
    ~OpenClipboardScope() {
        if (open_) ::CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

private:
    bool open_ = false;
};

}  // namespace

void SetClipboardText(HWND owner, std::string_view text, const std::string& busyText) {
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) ThrowLastError("GlobalAlloc");
    {
        const GlobalLockScope<char> lock(memory.get());
        if (!lock.get()) ThrowLastError("GlobalLock");
        std::memcpy(lock.get(), text.data(), text.size());
        lock.get()[text.size()] = '\0';
    }
    OpenClipboardScope clipboard(owner, busyText);
    if (!::EmptyClipboard()) ThrowLastError("EmptyClipboard");
    if (!::SetClipboardData(CF_TEXT, memory.get())) ThrowLastError("SetClipboardData");
    memory.release();  // the clipboard owns it now
}

}  // namespace tk
