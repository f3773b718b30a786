#include "logic/IntegerText.h"

namespace logic {

namespace {

bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

int DecimalDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsHexMark(char c) { return c == 'x' || c == 'X'; }

std::optional<int32_t> ParseDecimal(std::string_view digits, bool negative) {
    // -2147483648 has no positive counterpart, so the limit depends on the sign.
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    uint64_t magnitude = 0;
    for (char c : digits) {
        const int digit = DecimalDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + static_cast<uint64_t>(digit);
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    const auto value = static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(negative ? -value : value);
}

std::optional<int32_t> ParseHex(std::string_view digits, bool negative) {
    uint64_t pattern = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        pattern = pattern * 16 + static_cast<uint64_t>(digit);
        if (pattern > UINT32_MAX) {
            return std::nullopt;
        }
    }
    // The digits are a 32-bit pattern; the sign negates it modulo 2^32.
    auto bits = static_cast<uint32_t>(pattern);
    if (negative) {
        bits = 0u - bits;
    }
    return static_cast<int32_t>(bits);
}

}  // namespace

bool IsBlankText(std::string_view text) {
    for (char c : text) {
        if (!IsBlankByte(c)) {
            return false;
        }
    }
    return true;
}

std::optional<int32_t> ParseInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    // "$" or "0x" mark hexadecimal digits; a bare "x" marks nothing and is no digit.
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && IsHexMark(text[i + 1])) {
        hex = true;
        i += 2;
    }
    const std::string_view digits = text.substr(i);
    if (digits.empty()) {
        return std::nullopt;
    }
    return hex ? ParseHex(digits, negative) : ParseDecimal(digits, negative);
}

std::string InvalidIntegerMessage(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' 不是有效整数值";
    return message;
}

}  // namespace logic
