// Prints the clipboard's text as another program sees it: "text:" and the bytes of CF_TEXT in
// hexadecimal, or "none" when the clipboard holds no text.
#include <windows.h>

#include <cstdio>

int main() {
    for (int attempt = 0; !::OpenClipboard(nullptr); ++attempt) {
        if (attempt == 50) {
            std::puts("closed");
            return 2;
        }
        ::Sleep(20);
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
