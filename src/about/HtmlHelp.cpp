#include "about/HtmlHelp.h"

#include "toolkit/Registry.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

namespace {

using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

constexpr const char* kHtmlHelpServerKey =
    "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr UINT kCloseAllViewers = 0x0012;  // HH_CLOSE_ALL

// Kept for the whole run; only the generic entry is ever called.
struct HtmlHelpLibrary {
    tk::UniqueModule module;
    HtmlHelpEntry ansiEntry = nullptr;
    FARPROC wideEntry = nullptr;
    HtmlHelpEntry genericEntry = nullptr;
    bool loadAttempted = false;
};

HtmlHelpLibrary& Library() {
    static HtmlHelpLibrary library;
    return library;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The registered file of the library, as written: an environment reference stays unexpanded
// and so names no file. Empty when the class is not registered or its file does not exist.
std::string RegisteredLibraryFile() {
    tk::RegistryKey key;
    if (!key.Open(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, KEY_READ)) return {};
    std::string file;
    try {
        file = key.ReadString("");
    } catch (const std::exception&) {
        return {};
    }
    return FileExists(file) ? file : std::string();
}

HtmlHelpEntry EntryPoint(HMODULE module, const char* name) {
    return reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

std::string HelpFilePath() {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const size_t lastSeparator = path.find_last_of('\\');
    path.resize(lastSeparator == std::string::npos ? 0 : lastSeparator);
    return path + "\\Letterloom.chm";
}

void LoadHtmlHelp() {
    HtmlHelpLibrary& library = Library();
    library.loadAttempted = true;
    if (library.module) return;
    const std::string file = RegisteredLibraryFile();
    if (file.empty()) return;
    library.module.reset(::LoadLibraryA(file.c_str()));
    if (!library.module) return;
    library.ansiEntry = EntryPoint(library.module.get(), "HtmlHelpA");
    library.wideEntry = ::GetProcAddress(library.module.get(), "HtmlHelpW");
    library.genericEntry = EntryPoint(library.module.get(), "HtmlHelpA");
}

void UnloadHtmlHelp() {
    HtmlHelpLibrary& library = Library();
    if (!library.module) return;
    // The viewer's windows run on the library's code; they must go before it does.
    if (library.genericEntry) library.genericEntry(nullptr, nullptr, kCloseAllViewers, 0);
    library.module.reset();
    library.ansiEntry = nullptr;
    library.wideEntry = nullptr;
    library.genericEntry = nullptr;
}

bool HtmlHelpLoaded() { return static_cast<bool>(Library().module); }

HWND ShowHtmlHelp(HWND window, const std::string& file, UINT command, DWORD_PTR data) {
    HtmlHelpLibrary& library = Library();
    if (!library.loadAttempted) LoadHtmlHelp();
    // A library without the entry point can show no help either.
    if (!library.genericEntry) {
        ::MessageBoxA(window, "HTML Help Is Not installed", "HTMLHELP Error", MB_OK | MB_ICONERROR);
        return nullptr;
    }
    return library.genericEntry(window, file.c_str(), command, data);
}

}  // namespace letterloom
