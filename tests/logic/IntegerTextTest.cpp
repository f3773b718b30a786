#include "logic/IntegerText.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(IsBlankText, TrueOnlyForBlanksAndControlBytes) {
    EXPECT_TRUE(IsBlankText(""));
    EXPECT_TRUE(IsBlankText("   "));
    EXPECT_TRUE(IsBlankText(" \t\r\n"));
    EXPECT_TRUE(IsBlankText(std::string("\0\x1f ", 3)));
    EXPECT_FALSE(IsBlankText(" 1 "));
    EXPECT_FALSE(IsBlankText("!"));  // 0x21
    EXPECT_FALSE(IsBlankText("\x7f"));
    EXPECT_FALSE(IsBlankText("  字"));
}

TEST(ParseInteger, Decimal) {
    EXPECT_EQ(ParseInteger("12"), 12);
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger(" -5"), -5);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("   24"), 24);
    EXPECT_EQ(ParseInteger("-0"), 0);
    EXPECT_EQ(ParseInteger("007"), 7);
}

TEST(ParseInteger, Hexadecimal) {
    EXPECT_EQ(ParseInteger("$1A"), 26);
    EXPECT_EQ(ParseInteger("$1a"), 26);
    EXPECT_EQ(ParseInteger("0x1A"), 26);
    EXPECT_EQ(ParseInteger("0X1a"), 26);
    EXPECT_EQ(ParseInteger("x1A"), std::nullopt);
    EXPECT_EQ(ParseInteger("X10"), std::nullopt);
    EXPECT_EQ(ParseInteger("-x10"), std::nullopt);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("+0x10"), 16);
    EXPECT_EQ(ParseInteger(" $0"), 0);
}

// Each digit's value, and the bytes just outside each run of digits.
TEST(ParseInteger, DigitValues) {
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"9", 9},
        {"1234567890", 1234567890},
        {"$9", 9},
        {"$1029", 0x1029},
        {"$abcdef", 0xABCDEF},
        {"$ABCDEF", 0xABCDEF},
        {"0xaF9", 0xAF9},
        {"0XFa9", 0xFA9},
        {"/", std::nullopt},
        {":", std::nullopt},
        {"$/", std::nullopt},
        {"$:", std::nullopt},
        {"$@", std::nullopt},
        {"$G", std::nullopt},
        {"$`", std::nullopt},
        {"$g", std::nullopt},
        {"9a", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << "'" << c.text << "'";
}

TEST(ParseInteger, DecimalRangeIsInt32) {
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("00000000002147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseInteger("+2147483648"), std::nullopt);
    EXPECT_EQ(ParseInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseInteger("99999999999"), std::nullopt);
    EXPECT_EQ(ParseInteger("99999999999999999999999999"), std::nullopt);
}

TEST(ParseInteger, HexadecimalTakesAny32BitPattern) {
    EXPECT_EQ(ParseInteger("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseInteger("$80000000"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("$0000000FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("-$FFFFFFFF"), 1);
    EXPECT_EQ(ParseInteger("-$80000000"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("$100000000"), std::nullopt);
    EXPECT_EQ(ParseInteger("0xFFFFFFFFFFFFFFFFFF"), std::nullopt);
}

TEST(ParseInteger, RejectsMalformedText) {
    for (const char* text :
         {"",    " ",     "-",    "+",   "$",   "0x",  "x",   "-$",   "abc", "12.5", "1 2",
          "12 ", " 12\t", "\t12", "--5", "+-5", "- 5", "$1G", "0x$1", "1e3", "12a",  "１２"}) {
        EXPECT_EQ(ParseInteger(text), std::nullopt) << "'" << text << "'";
    }
    EXPECT_EQ(ParseInteger(std::string("12\0", 3)), std::nullopt);
}

TEST(InvalidIntegerMessage, QuotesTheText) {
    EXPECT_EQ(InvalidIntegerMessage("abc"), "'abc' 不是有效整数值");
    EXPECT_EQ(InvalidIntegerMessage(""), "'' 不是有效整数值");
    EXPECT_EQ(InvalidIntegerMessage("1"),
              "'1' \xB2\xBB\xCA\xC7\xD3\xD0\xD0\xA7\xD5\xFB\xCA\xFD\xD6\xB5");
}

}  // namespace
}  // namespace logic
