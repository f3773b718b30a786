#include "print/Printunit.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "toolkit/UniqueHandle.h"

namespace letterloom {

std::vector<std::string> InstalledFontNames;

namespace {

// Each family is reported once per character set; those repeats come one after the other.
int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    auto& names = *reinterpret_cast<std::vector<std::string>*>(param);
    if (names.empty() || ::lstrcmpiA(names.back().c_str(), font->lfFaceName) != 0)
        names.emplace_back(font->lfFaceName);
    return 1;
}

// The user locale's case-insensitive collation, computed once per name.
std::string SortKey(const std::string& name) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, nullptr, 0);
    if (length <= 0) return name;
    std::string key(static_cast<size_t>(length), '\0');
    ::LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, key.data(), length);
    while (!key.empty() && key.back() == '\0') key.pop_back();
    return key;
}

}  // namespace

void BuildInstalledFontNames() {
    std::vector<std::string> names{"Default"};
    {
        tk::WindowDC screen(nullptr);
        LOGFONTA all{};
        all.lfCharSet = DEFAULT_CHARSET;
        ::EnumFontFamiliesExA(screen.get(), &all, CollectFamily, reinterpret_cast<LPARAM>(&names),
                              0);
    }
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names) keyed.emplace_back(SortKey(name), std::move(name));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(keyed.size());
    for (auto& [key, name] : keyed) {
        if (!sorted.empty() && ::lstrcmpiA(sorted.back().c_str(), name.c_str()) == 0) continue;
        sorted.push_back(std::move(name));
    }
    InstalledFontNames = std::move(sorted);
}

}  // namespace letterloom
