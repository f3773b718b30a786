#include "toolkit/SaveDialog.h"

#include <commdlg.h>

#include <vector>

#include "toolkit/Error.h"

namespace tk {

namespace {

// The platform wants the filter's parts each ended by NUL, and one NUL more at the end.
std::string PlatformFilter(const std::string& filter) {
    std::string parts = filter;
    for (char& c : parts)
        if (c == '|') c = '\0';
    if (!parts.empty()) parts += '\0';
    return parts;
}

// The extension that pattern number index (from 1) of the filter names, as in "*.csv"; empty when
// there is no such pattern or it names none ("*.*", "*.htm;*.html").
std::string PatternExtension(const std::string& filter, int index) {
    size_t start = 0;
    for (int part = 1; part < 2 * index; ++part) {
        start = filter.find('|', start);
        if (start == std::string::npos) return {};
        ++start;
    }
    const std::string pattern = filter.substr(start, filter.find('|', start) - start);
    if (pattern.rfind("*.", 0) != 0) return {};
    const std::string extension = pattern.substr(2);
    if (extension.empty() || extension.find_first_of("*?;.") != std::string::npos) return {};
    return extension;
}

}  // namespace

bool SaveDialog::Execute(HWND owner) {
    std::vector<char> name(32768, '\0');
    fileName.copy(name.data(), name.size() - 1);
    const std::string platformFilter = PlatformFilter(filter);
    const std::string patternExt = PatternExtension(filter, filterIndex);
    const std::string& extension = patternExt.empty() ? defaultExt : patternExt;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = platformFilter.empty() ? nullptr : platformFilter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex > 0 ? filterIndex : 1);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The program's working folder stays where it was, whatever folder the user visits.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                   (overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    if (!::GetSaveFileNameA(&dialog)) {
        if (const DWORD error = ::CommDlgExtendedError())
            throw Error("GetSaveFileName: " + std::to_string(error));
        return false;
    }
    fileName = name.data();
    filterIndex = static_cast<int>(dialog.nFilterIndex);
    return true;
}

}  // namespace tk
