#include "logic/FontFilter.h"

#include <algorithm>

#include "logic/DoubleByteText.h"

namespace logic {

namespace {

// The status panel is 291 pixels wide; with its frame, the words around the text and a count
// of four digits each side, about 20 narrow characters of the text fit.
constexpr size_t kShownTextBytes = 20;
constexpr char kEllipsis[] = "…";

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool IsWhiteSpace(char16_t c) {
    return c == 0x20 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::u16string CharactersToJudge(std::u16string_view text) {
    std::u16string characters;
    for (char16_t c : text) {
        if (IsControl(c) || IsWhiteSpace(c) || IsSurrogate(c)) continue;
        if (characters.find(c) == std::u16string::npos) characters += c;
    }
    return characters;
}

void RememberText(std::vector<std::string>& history, const std::string& text) {
    if (text.empty()) return;
    history.erase(std::remove(history.begin(), history.end(), text), history.end());
    history.insert(history.begin(), text);
    if (history.size() > kFindHistoryLength) history.resize(kFindHistoryLength);
}

std::string FilterStatusText(std::string_view text, size_t shown, size_t total) {
    std::string visible(text);
    std::replace_if(
        visible.begin(), visible.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    if (visible.size() > kShownTextBytes)
        visible = WholeCharacters(visible.substr(0, kShownTextBytes - 2)) + kEllipsis;
    return "筛选: “" + visible + "”  " + std::to_string(shown) + " / " + std::to_string(total);
}

}  // namespace logic
