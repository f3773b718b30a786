#include "ProgramRun.h"

#include <stdexcept>

#include "support/Wait.h"

namespace e2e {

namespace {

struct Search {
    DWORD processId;
    bool (*matches)(HWND hwnd, const char* className);
    const char* className = nullptr;
    HWND found = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId && ::IsWindowVisible(hwnd) &&
        search->matches(hwnd, search->className)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

bool IsMainWindow(HWND hwnd, const char*) {
    char caption[64] = {};
    ::GetWindowTextA(hwnd, caption, sizeof caption);
    return std::string(caption) == "Letterloom" && ::GetMenu(hwnd);
}

bool IsOfClass(HWND hwnd, const char* className) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return std::string(name) == className;
}

}  // namespace

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "Letterloom.exe";
}

ProgramRun::ProgramRun() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // Built piece by piece: GCC 12 misreads a chain of + on strings as an overlapping copy.
    std::string command(1, '"');
    command.append(ProgramPath());
    command.push_back('"');
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        throw std::runtime_error("cannot start " + command);
    process_.reset(process.hProcess);
    thread_.reset(process.hThread);
    processId_ = process.dwProcessId;
}

ProgramRun::~ProgramRun() {
    if (!WaitForExit(0)) ::TerminateProcess(process_.get(), 1);
}

HWND ProgramRun::WaitForMainWindow(DWORD timeoutMs) {
    return WaitForWindow(IsMainWindow, nullptr, timeoutMs);
}

HWND ProgramRun::WaitForWindowOfClass(const char* className, DWORD timeoutMs) {
    return WaitForWindow(IsOfClass, className, timeoutMs);
}

HWND ProgramRun::WaitForWindow(bool (*matches)(HWND, const char*), const char* className,
                               DWORD timeoutMs) {
    Search search{processId_, matches, className};
    testsupport::WaitFor(
        [&] {
            ::EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
            return search.found || WaitForExit(0);
        },
        timeoutMs);
    return search.found;
}

bool ProgramRun::WaitForExit(DWORD timeoutMs) {
    return ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramRun::ExitCode() const {
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                                  : nullptr;
}

bool HasKeyboard(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetForegroundWindow() == window &&
           ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) &&
           info.hwndActive == window &&
           (info.hwndFocus == window || ::IsChild(window, info.hwndFocus));
}

bool BringToFront(HWND window) {
    ::SetForegroundWindow(window);
    return testsupport::WaitFor([window] { return HasKeyboard(window); });
}

void TypeKey(WORD key, bool alt) {
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD vk, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (alt) add(VK_MENU, false);
    add(key, false);
    add(key, true);
    if (alt) add(VK_MENU, true);
    ::SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT));
}

}  // namespace e2e
