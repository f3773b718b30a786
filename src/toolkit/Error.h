#pragma once
// Errors leave handlers as exceptions whose text is in the ANSI code page; the application
// object reports them.
#include <stdexcept>
#include <string>

namespace tk {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system's text for an error code, without the trailing full stop and line break; the code
// in digits when the system has no text for it.
std::string SystemErrorText(unsigned long code);

// Raises an Error naming the failed operation and the system's text for GetLastError().
[[noreturn]] void ThrowLastError(const std::string& operation);

}  // namespace tk
