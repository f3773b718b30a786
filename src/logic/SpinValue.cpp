#include "logic/SpinValue.h"

#include "logic/IntegerText.h"

namespace logic {

int32_t SpinValue(std::string_view text) { return ParseInteger(text).value_or(0); }

int32_t SpinStep(int32_t value, int32_t delta) {
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(delta));
}

bool IsSpinChar(char c, char decimalSeparator) {
    if (c >= '0' && c <= '9') return true;
    if (c == '+' || c == '-' || c == decimalSeparator) return true;
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && c != '\r';
}

}  // namespace logic
