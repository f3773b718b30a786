#pragma once
// Hands a document or web address to the shell, which opens it in the user's program for it.
#include <windows.h>

#include <string>

namespace letterloom {

// The shell's "OPEN" verb; a failure is not reported (the shell tells the user itself).
void ShellOpen(HWND owner, const std::string& target);

}  // namespace letterloom
