// Prints the clipboard's text as another program sees it: "text:" and the bytes of CF_TEXT in
// hexadecimal, or "none" when the clipboard holds no text.
#include <windows.h>

#include <cstdio>

#include "support/Wait.h"

int main() {
    // The test process may hold the clipboard open for a moment.
    if (!testsupport::WaitFor([] { return ::OpenClipboard(nullptr) != FALSE; }, 1000)) {
        std::puts("closed");
        return 2;
    }
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const auto* text = data ? static_cast<const unsigned char*>(::GlobalLock(data)) : nullptr;
    if (!text) {
        std::puts("none");
    } else {
        std::fputs("text:", stdout);
        for (const unsigned char* p = text; *p; ++p) std::printf("%02x", *p);
        std::puts("");
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return 0;
}
