#include "print/FontFacts.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>

#include "toolkit/CallbackErrors.h"
#include "toolkit/Error.h"
#include "toolkit/Registry.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

namespace {

constexpr char kFontTableKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// The names of the character set constants, without their "_CHARSET".
std::string CharsetName(BYTE charset) {
    static const struct {
        BYTE charset;
        const char* name;
    } names[] = {
        {ANSI_CHARSET, "ANSI"},
        {DEFAULT_CHARSET, "DEFAULT"},
        {SYMBOL_CHARSET, "SYMBOL"},
        {MAC_CHARSET, "MAC"},
        {SHIFTJIS_CHARSET, "SHIFTJIS"},
        {HANGUL_CHARSET, "HANGUL"},
        {JOHAB_CHARSET, "JOHAB"},
        {GB2312_CHARSET, "GB2312"},
        {CHINESEBIG5_CHARSET, "CHINESEBIG5"},
        {GREEK_CHARSET, "GREEK"},
        {TURKISH_CHARSET, "TURKISH"},
        {VIETNAMESE_CHARSET, "VIETNAMESE"},
        {HEBREW_CHARSET, "HEBREW"},
        {ARABIC_CHARSET, "ARABIC"},
        {BALTIC_CHARSET, "BALTIC"},
        {RUSSIAN_CHARSET, "RUSSIAN"},
        {THAI_CHARSET, "THAI"},
        {EASTEUROPE_CHARSET, "EASTEUROPE"},
        {OEM_CHARSET, "OEM"},
    };
    for (const auto& named : names)
        if (named.charset == charset) return named.name;
    return std::to_string(charset);
}

std::string PitchAndFamilyWords(BYTE pitchAndFamily) {
    static const char* const pitches[] = {"default", "fixed", "variable", "pitch 3"};
    static const char* const kinds[] = {"dontcare", "roman",  "swiss",
                                        "modern",   "script", "decorative"};
    const unsigned kind = pitchAndFamily >> 4;
    return std::string(pitches[pitchAndFamily & 3]) + " " +
           (kind < std::size(kinds) ? kinds[kind] : "family " + std::to_string(kind));
}

std::string TypeWord(DWORD fontType, DWORD ntmFlags) {
    // OpenType fonts with PostScript outlines may carry the device bit as well.
    if (fontType & RASTER_FONTTYPE) return "raster";
    if (ntmFlags & (NTM_PS_OPENTYPE | NTM_TT_OPENTYPE)) return "OpenType";
    if (fontType & TRUETYPE_FONTTYPE) return "TrueType";
    if (fontType & DEVICE_FONTTYPE) return "device";
    return "vector";
}

// The weight in the words of the usual hundreds, "Italic" after it; an upright face of regular
// weight is "Regular", an italic one just "Italic".
std::string StyleName(int hundreds, bool italic) {
    static const char* const weights[] = {"Thin",    "ExtraLight", "Light",
                                          "Regular", "Medium",     "SemiBold",
                                          "Bold",    "ExtraBold",  "Black"};
    const std::string weight = weights[hundreds - 1];
    if (!italic) return weight;
    return hundreds == 4 ? "Italic" : weight + " Italic";
}

struct Face {
    int hundreds;  // 1 to 9
    bool italic;
    std::string fullName;
};

struct Enumerated {
    std::vector<BYTE> charsets;
    std::vector<Face> faces;
    std::string pitchAndFamily;
    std::string type;
    tk::CallbackErrors errors;
};

// Called once per face and character set of the family.
int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType,
                         LPARAM param) {
    auto& found = *reinterpret_cast<Enumerated*>(param);
    return found.errors.Run([&] {
        const auto& logFont = *reinterpret_cast<const ENUMLOGFONTEXA*>(font);
        if (found.faces.empty()) {
            found.pitchAndFamily = PitchAndFamilyWords(font->lfPitchAndFamily);
            // Bitmap fonts come with plain metrics, without the flags of the extended ones.
            const DWORD flags =
                (fontType & RASTER_FONTTYPE)
                    ? 0
                    : reinterpret_cast<const NEWTEXTMETRICEXA*>(metrics)->ntmTm.ntmFlags;
            found.type = TypeWord(fontType, flags);
        }
        if (std::find(found.charsets.begin(), found.charsets.end(), font->lfCharSet) ==
            found.charsets.end())
            found.charsets.push_back(font->lfCharSet);
        // A weight of 0 (any) counts as regular.
        const int hundreds = font->lfWeight == FW_DONTCARE
                                 ? 4
                                 : std::clamp((static_cast<int>(font->lfWeight) + 50) / 100, 1, 9);
        const auto* fullName = reinterpret_cast<const char*>(logFont.elfFullName);
        found.faces.push_back({hundreds, font->lfItalic != 0,
                               std::string(fullName, ::strnlen(fullName, LF_FULLFACESIZE))});
    });
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

// The file of a name in the font table: "Name (TrueType)", "Name (OpenType)", "Name", or a
// bitmap font's "Name 8,10,12".
std::string FileOf(const std::map<std::string, std::string>& table, const std::string& name) {
    for (const char* suffix : {" (TrueType)", " (OpenType)", ""})
        if (const auto found = table.find(name + suffix); found != table.end())
            return found->second;
    const std::string sized = name + " ";
    for (auto it = table.lower_bound(sized); it != table.end() && it->first.starts_with(sized);
         ++it)
        if (it->first.size() > sized.size() &&
            std::isdigit(static_cast<unsigned char>(it->first[sized.size()])))
            return it->second;
    return {};
}

FontFacts FactsOf(HDC screen, const std::string& family,
                  const std::map<std::string, std::string>& table) {
    Enumerated found;
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    ::EnumFontFamiliesExA(screen, &wanted, CollectFace, reinterpret_cast<LPARAM>(&found), 0);
    found.errors.Rethrow();
    FontFacts facts;
    if (found.faces.empty()) return facts;
    std::vector<std::string> charsets;
    for (const BYTE charset : found.charsets) charsets.push_back(CharsetName(charset));
    facts.characterSets = Joined(charsets);
    facts.pitchAndFamily = found.pitchAndFamily;
    facts.type = found.type;
    // Upright before italic, lighter before bolder.
    std::stable_sort(found.faces.begin(), found.faces.end(), [](const Face& a, const Face& b) {
        return std::pair(a.italic, a.hundreds) < std::pair(b.italic, b.hundreds);
    });
    std::vector<std::string> styles;
    for (const Face& face : found.faces) {
        std::string style = StyleName(face.hundreds, face.italic);
        if (std::find(styles.begin(), styles.end(), style) == styles.end())
            styles.push_back(std::move(style));
    }
    facts.styles = Joined(styles);
    // The table may name the family, or else only its faces: the regular one is asked first.
    facts.fontFile = FileOf(table, family);
    std::stable_sort(found.faces.begin(), found.faces.end(), [](const Face& a, const Face& b) {
        return std::pair(a.italic, std::abs(a.hundreds - 4)) <
               std::pair(b.italic, std::abs(b.hundreds - 4));
    });
    for (size_t i = 0; i < found.faces.size() && facts.fontFile.empty(); ++i)
        if (!found.faces[i].fullName.empty())
            facts.fontFile = FileOf(table, found.faces[i].fullName);
    return facts;
}

}  // namespace

std::vector<FontFacts> CollectFontFacts(const std::vector<std::string>& families) {
    tk::RegistryKey fontTable;
    fontTable.Open(HKEY_LOCAL_MACHINE, kFontTableKey, KEY_READ);
    const std::map<std::string, std::string> table = fontTable.ReadStringValues();
    tk::WindowDC screen(nullptr);
    if (!screen.get()) tk::ThrowLastError("GetDC");
    std::vector<FontFacts> facts;
    facts.reserve(families.size());
    for (const std::string& family : families)
        facts.push_back(FactsOf(screen.get(), family, table));
    return facts;
}

}  // namespace letterloom
