#include "toolkit/ProgramOutput.h"

#include <windows.h>

#include <vector>

#include "toolkit/UniqueHandle.h"

namespace tk {

std::string OwnProgramPath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::optional<std::string> RunForOutput(const std::string& commandLine, std::stop_token stop) {
    if (stop.stop_requested()) return std::nullopt;
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return std::nullopt;
    const UniqueKernelHandle reading(readEnd);
    UniqueKernelHandle writing(writeEnd);
    // Only the program's end of the pipe goes to the program.
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION started{};
    std::string line = commandLine;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &started))
        return std::nullopt;
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    // Once the program has its copy, the pipe ends when the program does.
    writing.reset();
    {
        // Ending the program ends the pipe, and with it the reading below.
        const std::stop_callback endProgram(stop,
                                            [&process] { ::TerminateProcess(process.get(), 1); });
        std::string output;
        char buffer[16384];
        DWORD read = 0;
        while (::ReadFile(reading.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
            output.append(buffer, read);
        ::WaitForSingleObject(process.get(), INFINITE);
        DWORD exitCode = 1;
        if (stop.stop_requested() || !::GetExitCodeProcess(process.get(), &exitCode) ||
            exitCode != 0)
            return std::nullopt;
        return output;
    }
}

}  // namespace tk
