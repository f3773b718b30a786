#pragma once
// The integer that a spin field's text stands for, and one step of its buttons.
#include <cstdint>
#include <string_view>

namespace logic {

// An unreadable text (empty, a lone sign, a decimal number, too large) counts as 0.
int32_t SpinValue(std::string_view text);
// value + delta, wrapping around at the ends of the 32-bit range as the field's arithmetic does.
int32_t SpinStep(int32_t value, int32_t delta);
// Typed characters the field accepts: digits, signs, the decimal separator, control characters
// other than Enter (editing keys).
bool IsSpinChar(char c, char decimalSeparator);

}  // namespace logic
