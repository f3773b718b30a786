#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace logic {

// True when nothing but blanks and control bytes (<= 0x20) is in the text.
bool IsBlankText(std::string_view text);

// The size box's integer conversion: leading spaces, an optional sign, then decimal
// digits, or hexadecimal ones (letters in either case) after "$" or "0x" ("0X"), up to
// the end of the text. Decimal must fit int32; hexadecimal may use the full 32-bit pattern
// ("$FFFFFFFF" is -1). Anything else gives no value.
std::optional<int32_t> ParseInteger(std::string_view text);

// "'<text>' 不是有效整数值"
std::string InvalidIntegerMessage(std::string_view text);

}  // namespace logic
