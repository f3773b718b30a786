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

std::optional<std::string> RunForOutput(const std::string& commandLine, const StopSignal& stop) {
    if (stop.Requested()) return std::nullopt;
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
    // Once the program has its copy, the pipe breaks when the program ends and all is read.
    writing.reset();

    std::string output;
    std::vector<char> buffer(65536);
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(reading.get(), nullptr, 0, nullptr, &available, nullptr)) break;
        if (available > 0) {
            DWORD read = 0;
            const DWORD size = available < buffer.size() ? available : buffer.size();
            if (!::ReadFile(reading.get(), buffer.data(), size, &read, nullptr)) break;
            output.append(buffer.data(), read);
            continue;
        }
        // A blocking read could not be stopped: the pipe is looked at again after a stop, the
        // program's end or a few milliseconds.
        const HANDLE waits[] = {stop.Event(), process.get()};
        if (::WaitForMultipleObjects(2, waits, FALSE, 5) == WAIT_OBJECT_0) {
            ::TerminateProcess(process.get(), 1);
            ::WaitForSingleObject(process.get(), INFINITE);
            return std::nullopt;
        }
    }
    ::WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 1;
    if (stop.Requested() || !::GetExitCodeProcess(process.get(), &exitCode) || exitCode != 0)
        return std::nullopt;
    return output;
}

}  // namespace tk
