#include "print/Printunit.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "logic/DoubleByteText.h"
#include "toolkit/CallbackErrors.h"
#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

std::vector<std::string> InstalledFontNames;

namespace {

struct Families {
    std::vector<std::string> names{"Default"};
    tk::CallbackErrors errors;
};

// Each family is reported once per character set; those repeats come one after the other.
int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    auto& families = *reinterpret_cast<Families*>(param);
    return families.errors.Run([&] {
        std::vector<std::string>& names = families.names;
        // A face name longer than its field comes cut at 31 bytes, maybe inside a character.
        std::string name = logic::WholeCharacters(font->lfFaceName);
        if (::lstrcmpiA(names.back().c_str(), name.c_str()) != 0) names.push_back(std::move(name));
    });
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
    Families families;
    {
        tk::WindowDC screen(nullptr);
        if (!screen.get()) tk::ThrowLastError("GetDC");
        LOGFONTA all{};
        all.lfCharSet = DEFAULT_CHARSET;
        ::EnumFontFamiliesExA(screen.get(), &all, CollectFamily,
                              reinterpret_cast<LPARAM>(&families), 0);
    }
    families.errors.Rethrow();
    std::vector<std::string>& names = families.names;
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
