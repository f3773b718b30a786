#include "logic/TypeAhead.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TypedPrefixTest, KeysWithinASecondMakeOnePrefix) {
    const struct {
        char byte;
        uint32_t nowMs;
        const char* prefix;
    } keys[] = {
        {'l', 5000, "l"},          {'i', 5400, "li"},
        {'b', 6400, "lib"},                                        // 1000 ms apart
        {'d', 7401, "d"},                                          // 1001 ms: anew
        {'e', 0xFFFFFF00u, "e"},   {'f', 0x000000F0u, "ef"},       // across the counter's wrap
        {'\xCB', 0x200, "ef\xCB"}, {'\xCE', 0x200, "ef\xCB\xCE"},  // both bytes of 宋
    };
    logic::TypedPrefix typed;
    for (const auto& key : keys)
        EXPECT_EQ(typed.Type(key.byte, key.nowMs), key.prefix) << key.nowMs;
}

TEST(FirstBeginningWithTest, AsciiIgnoresCaseAndDoubleByteCharactersCompareBytes) {
    // 宋体 is CB CE CC E5, 楷体 BF AC CC E5; the character B4 46 has the trail byte 'F', which
    // must not match an 'f'.
    const std::vector<std::string> names{
        "Arial",   "Liberation Mono", "liberation Sans", "\xCB\xCE\xCC\xE5", "\xBF\xAC\xCC\xE5",
        "\xB4\x46"};
    const struct {
        const char* prefix;
        int found;
    } cases[] = {
        {"a", 0},         {"LIB", 1},      {"liberation s", 2},  {"liberationS", -1},
        {"\xCB\xCE", 3},  {"\xCB", -1},    {"\xCB\xCE\xCC", -1}, {"\xBF\xAC\xCC\xE5", 4},
        {"\xB4\x66", -1}, {"\xB4\x46", 5}, {"Arial Black", -1},  {"z", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(logic::FirstBeginningWith(
                      static_cast<int>(names.size()),
                      [&](int i) { return names[static_cast<size_t>(i)]; }, c.prefix),
                  c.found)
            << c.prefix;
}

}  // namespace
