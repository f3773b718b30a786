#pragma once
// Linux programs and files reached from a Wine program through the Z: drive.
#include <string>

namespace testsupport {

// The Windows name of a Linux path: "/tmp/a" is "Z:\tmp\a".
std::string WindowsPath(const std::string& unixPath);

// Runs a Linux program (Wine starts it natively). Wine does not wait for it to end, and its exit
// code does not come back: the caller waits for what it makes.
void RunUnix(const std::string& commandLine);

}  // namespace testsupport
