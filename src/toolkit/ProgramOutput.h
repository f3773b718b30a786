#pragma once
// Running a program of one's own for what it writes: work that would hold a lock of this process
// for long can run in another process, whose locks are its own.
#include <optional>
#include <string>

#include "toolkit/StopSignal.h"

namespace tk {

// The full path of this process's program file.
std::string OwnProgramPath();

// Runs commandLine with its standard output on a pipe and returns everything written there, once
// the program has ended with exit code 0. Nothing when it cannot start or ends with another code,
// and nothing when stop is requested first: the program is then ended at once.
std::optional<std::string> RunForOutput(const std::string& commandLine, const StopSignal& stop);

}  // namespace tk
