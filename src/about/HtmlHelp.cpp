#include "about/HtmlHelp.h"

#include "toolkit/Registry.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

namespace {

constexpr const char* kHtmlHelpServerKey =
    "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
constexpr UINT kCloseAllViewers = 0x0012;  // HH_CLOSE_ALL

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

void HtmlHelp::Load() {
    loadAttempted_ = true;
    if (module_) return;
    const std::string file = RegisteredLibraryFile();
    if (file.empty()) return;
    module_.reset(::LoadLibraryA(file.c_str()));
    if (!module_) return;
    entry_ = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(::GetProcAddress(module_.get(), "HtmlHelpA")));
}

void HtmlHelp::Unload() {
    if (!module_) return;
    // The viewer's windows run on the library's code; they must go before it does.
    if (entry_) entry_(nullptr, nullptr, kCloseAllViewers, 0);
    entry_ = nullptr;
    module_.reset();
}

HWND HtmlHelp::Show(HWND window, const std::string& file, UINT command, DWORD_PTR data) {
    if (!loadAttempted_) Load();
    // A library without the entry point can show no help either.
    if (!entry_) {
        ::MessageBoxA(window, "HTML Help Is Not installed", "HTMLHELP Error", MB_OK | MB_ICONERROR);
        return nullptr;
    }
    return entry_(window, file.c_str(), command, data);
}

}  // namespace letterloom
