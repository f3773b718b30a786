#include "toolkit/Error.h"

#include <windows.h>

namespace tk {

std::string SystemErrorText(unsigned long code) {
    char buffer[512] = {};
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                         0, buffer, sizeof buffer, nullptr);
    if (length == 0) return std::to_string(code);
    std::string text(buffer, length);
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

void ThrowLastError(const std::string& operation) {
    throw Error(operation + ": " + SystemErrorText(::GetLastError()));
}

}  // namespace tk
