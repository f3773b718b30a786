#pragma once
// The installed font names collected by a second run of the program. The first enumeration of
// fonts in a process has the platform read every font file while it holds its font lock, so that
// any text drawn by the process's other threads waits for it: a second of a frozen window with
// ten thousand fonts. A helper process holds its own lock, and the window goes on drawing.
#include <string>
#include <vector>

#include "toolkit/StopSignal.h"

namespace letterloom {

// The command-line argument that makes the program a helper that writes the font names.
inline constexpr char kFontNamesSwitch[] = "--font-names";

// Whether the program's command line (without the program's name) asks for the font names.
bool IsFontNamesRequest(const char* commandLine);

// The helper's work: writes CollectInstalledFontNames() to the standard output as name records
// (logic::JoinNameRecords). Returns the process's exit code, 0 when every byte was written.
int WriteFontNames();

// Runs program as that helper and returns its names. When the helper cannot run or fails, the
// names are collected in this process instead; when stop is requested, the helper is ended and
// nothing is returned.
std::vector<std::string> CollectFontNamesInHelper(const std::string& program,
                                                  const tk::StopSignal& stop);

}  // namespace letterloom
