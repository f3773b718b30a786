#include "print/InstalledFonts.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "logic/DoubleByteText.h"
#include "toolkit/CallbackErrors.h"
#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

namespace {

struct Families {
    std::vector<std::string> names{"Default"};
    tk::CallbackErrors errors;
};

// Each family is reported once per character set; those repeats come one after the other, byte
// for byte the same, so a plain comparison finds them. Names that differ only in case go when the
// sorted list drops its repeats.
int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    auto& families = *reinterpret_cast<Families*>(param);
    return families.errors.Run([&] {
        std::vector<std::string>& names = families.names;
        // A face name longer than its field comes cut at 31 bytes, maybe inside a character.
        std::string name = logic::WholeCharacters(font->lfFaceName);
        if (names.back() != name) names.push_back(std::move(name));
    });
}

struct KeyedName {
    std::string key;
    std::string name;
};

// The user locale's case-insensitive collation as a byte string, computed once per name: the
// sort then compares bytes instead of asking the locale for every comparison.
std::string SortKey(const std::string& name) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    // A face name has at most 31 bytes, whose key fits here; a longer key is asked for whole.
    char buffer[512];
    int length =
        ::LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, buffer, sizeof buffer);
    if (length > 0) return std::string(buffer, ::strnlen(buffer, static_cast<size_t>(length)));
    length = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, nullptr, 0);
    if (length <= 0) return name;
    std::string key(static_cast<size_t>(length), '\0');
    ::LCMapStringA(LOCALE_USER_DEFAULT, flags, name.c_str(), -1, key.data(), length);
    key.resize(::strnlen(key.c_str(), key.size()));
    return key;
}

}  // namespace

std::vector<std::string> CollectInstalledFontNames() {
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
    std::vector<KeyedName> keyed;
    keyed.reserve(families.names.size());
    for (auto& name : families.names) keyed.push_back({SortKey(name), std::move(name)});
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const KeyedName& a, const KeyedName& b) { return a.key < b.key; });
    // Equal keys are names equal ignoring case; the first of them stays.
    std::vector<std::string> sorted;
    sorted.reserve(keyed.size());
    const std::string* lastKey = nullptr;
    for (auto& entry : keyed) {
        if (lastKey && *lastKey == entry.key) continue;
        lastKey = &entry.key;
        sorted.push_back(std::move(entry.name));
    }
    return sorted;
}

}  // namespace letterloom
