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

}  // namespace

bool SaveDialog::Execute(HWND owner) {
    std::vector<char> name(32768, '\0');
    fileName.copy(name.data(), name.size() - 1);
    const std::string platformFilter = PlatformFilter(filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = platformFilter.empty() ? nullptr : platformFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    // The program's working folder stays where it was, whatever folder the user visits.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                   (overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    if (!::GetSaveFileNameA(&dialog)) {
        if (const DWORD error = ::CommDlgExtendedError())
            throw Error("GetSaveFileName: " + std::to_string(error));
        return false;
    }
    fileName = name.data();
    return true;
}

}  // namespace tk
