#include "logic/DoubleByteText.h"

namespace logic {

namespace {

// Bytes 0x81 to 0xFE begin a GBK character; the byte after them belongs to it.
bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

size_t WholeCharactersLength(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        if (!IsLeadByte(text[i])) {
            ++i;
            continue;
        }
        if (i + 1 == text.size()) return i;
        i += 2;
    }
    return text.size();
}

std::string WholeCharacters(std::string_view text) {
    return std::string(text.substr(0, WholeCharactersLength(text)));
}

}  // namespace logic
