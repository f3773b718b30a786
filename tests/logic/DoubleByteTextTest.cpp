#include "logic/DoubleByteText.h"

#include <gtest/gtest.h>

namespace {

TEST(DoubleByteTextTest, OnlyALastLoneLeadByteIsDropped) {
    const struct {
        std::string text;
        std::string whole;
    } cases[] = {
        {"", ""},
        {"Arial", "Arial"},
        {"\xCB\xCE\xCC\xE5", "\xCB\xCE\xCC\xE5"},               // two whole characters
        {"\xCB\xCE\xCC", "\xCB\xCE"},                           // the second one cut
        {std::string(30, 'A') + "\xB4", std::string(30, 'A')},  // 31 bytes, cut at the end
        {"\xB4\xB4\xB4", "\xB4\xB4"},                           // a lead byte is also a trail byte
        {"\x81\x40", "\x81\x40"},  // the lowest lead byte, with its trail
        {"A\xFE", "A"},            // the highest lead byte alone
        {"A\xFF", "A\xFF"},        // no lead byte
        {"\x80", "\x80"},
    };
    for (const auto& c : cases) EXPECT_EQ(logic::WholeCharacters(c.text), c.whole) << c.text;
}

}  // namespace
