#include "toolkit/Error.h"

#include <windows.h>

namespace tk {

void ThrowLastError(const std::string& operation) {
    const DWORD code = ::GetLastError();
    char buffer[512] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, code, 0, buffer, sizeof buffer, nullptr);
    std::string text = operation;
    if (length > 0) {
        std::string system(buffer, length);
        while (!system.empty() && (system.back() == '\n' || system.back() == '\r' ||
                                   system.back() == ' ' || system.back() == '.'))
            system.pop_back();
        text += ": " + system;
    } else {
        text += ": " + std::to_string(code);
    }
    throw Error(text);
}

}  // namespace tk
