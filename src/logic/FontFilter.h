#pragma once
// Showing only the families that can set a text: which characters of the text are judged, the
// texts the user looked for before, and how the status bar names the filter.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace logic {

// How many texts the find dialog offers again.
inline constexpr size_t kFindHistoryLength = 10;

// The characters of a text (UTF-16) a family must have glyphs for, each once, in the order they
// first appear. Left out: control characters (tab, CR, LF and the rest of C0 and C1, DEL) and
// white space (the space separators, the line and paragraph separators), which are drawn as
// blank advance whatever the font holds; and surrogates, since a character beyond the Basic
// Multilingual Plane cannot come from the interface's code page and the glyph table is asked
// for single UTF-16 units only.
std::u16string CharactersToJudge(std::u16string_view text);

// The history with text first; an earlier equal entry moves up, the oldest beyond the length go.
// An empty text changes nothing.
void RememberText(std::vector<std::string>& history, const std::string& text);

// "筛选: “<text>”  <shown> / <total>" for the status bar, the text in GBK. Control characters
// show as spaces; a text longer than fits the panel is cut at a whole character and ends in
// "…".
std::string FilterStatusText(std::string_view text, size_t shown, size_t total);

}  // namespace logic
