#pragma once
// Texts in the double-byte ANSI code page (GBK) whose last character may have been cut.
#include <string>
#include <string_view>

namespace logic {

// The text without a last character of which only the lead byte is left (a name cut at a fixed
// length, for example). The window system reads past the end of such a text: it takes the
// terminator for the missing second byte.
std::string WholeCharacters(std::string_view text);
// Its length, for cutting a text in place.
size_t WholeCharactersLength(std::string_view text);

}  // namespace logic
