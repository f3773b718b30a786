#pragma once
// Finding a list item by typing its first characters: the characters typed in quick succession
// make a prefix, and the first item that begins with it is the one found.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace logic {

// A character typed at most this many milliseconds after the one before extends the prefix; a
// later one starts a new prefix.
inline constexpr uint32_t kTypeAheadPauseMs = 1000;

class TypedPrefix {
public:
    // Adds a typed byte at nowMs, a reading of a millisecond counter that may wrap around, and
    // returns the prefix it makes.
    const std::string& Type(char byte, uint32_t nowMs);

private:
    std::string prefix_;
    uint32_t lastMs_ = 0;
};

// Whether name begins with prefix. Single-byte characters compare with ASCII letters folded to
// one case; double-byte (GBK) characters compare byte for byte, so their trail bytes are never
// folded. A prefix that ends inside a double-byte character begins no name: its second byte has
// not been typed yet.
bool BeginsWith(std::string_view name, std::string_view prefix);

// The first of count items (item(i) gives item i) that begins with prefix; -1 when none does.
int FirstBeginningWith(int count, const std::function<std::string(int)>& item,
                       std::string_view prefix);

}  // namespace logic
