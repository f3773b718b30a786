#include "logic/TypeAhead.h"

namespace logic {

namespace {

// Bytes 0x81 to 0xFE begin a GBK character; the byte after them belongs to it.
bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

const std::string& TypedPrefix::Type(char byte, uint32_t nowMs) {
    // Unsigned subtraction measures the pause across the counter's wrap as well.
    if (nowMs - lastMs_ > kTypeAheadPauseMs) prefix_.clear();
    lastMs_ = nowMs;
    prefix_ += byte;
    return prefix_;
}

bool BeginsWith(std::string_view name, std::string_view prefix) {
    if (prefix.size() > name.size()) return false;
    size_t i = 0;
    while (i < prefix.size()) {
        if (IsLeadByte(name[i])) {
            if (i + 1 == prefix.size() || name[i] != prefix[i] || name[i + 1] != prefix[i + 1])
                return false;
            i += 2;
        } else {
            if (FoldAscii(name[i]) != FoldAscii(prefix[i])) return false;
            ++i;
        }
    }
    return true;
}

int FirstBeginningWith(int count, const std::function<std::string(int)>& item,
                       std::string_view prefix) {
    for (int i = 0; i < count; ++i)
        if (BeginsWith(item(i), prefix)) return i;
    return -1;
}

}  // namespace logic
