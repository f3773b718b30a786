#include "logic/SpinValue.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(SpinValue, UnreadableTextCountsAsZero) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"16", 16},        {"-5", -5}, {"+7", 7},   {"  12", 12},
        {"99999", 99999},  {"", 0},    {"-", 0},    {"+", 0},
        {"1.5", 0},        {"12a", 0}, {"$1F", 31}, {"2147483647", 2147483647},
        {"2147483648", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SpinValue(c.text), c.value) << c.text;
}

TEST(SpinValue, StepsWrapAtTheEndsOfTheRange) {
    EXPECT_EQ(SpinStep(0, -1), -1);
    EXPECT_EQ(SpinStep(16, 1), 17);
    EXPECT_EQ(SpinStep(2147483647, 1), -2147483647 - 1);
    EXPECT_EQ(SpinStep(-2147483647 - 1, -1), 2147483647);
}

TEST(SpinValue, TypingAcceptsDigitsSignsSeparatorAndEditingKeys) {
    for (char c : {'0', '9', '+', '-', ',', '\b', '\x16', '\x03'})
        EXPECT_TRUE(IsSpinChar(c, ',')) << int(c);
    for (char c : {'a', ' ', '.', '\r', '$', '\xb0'}) EXPECT_FALSE(IsSpinChar(c, ',')) << int(c);
    EXPECT_TRUE(IsSpinChar('.', '.'));
}

}  // namespace
}  // namespace logic
