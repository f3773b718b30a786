#include "logic/ErrorText.h"

#include <string>

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(WithFullStop, AppendsAfterLettersDigitsAndChinese) {
    EXPECT_EQ(WithFullStop("Access denied"), "Access denied.");
    EXPECT_EQ(WithFullStop("code 5"), "code 5.");
    EXPECT_EQ(WithFullStop("x"), "x.");
    EXPECT_EQ(WithFullStop("/"), "/.");  // 0x2F, just after '.'
    EXPECT_EQ(WithFullStop("无法创建键"), "无法创建键.");
    // A GBK character whose trail byte is a letter.
    EXPECT_EQ(WithFullStop("\x81\x40"), "\x81\x40.");
}

TEST(WithFullStop, LeavesTextEndingAtOrBelowAFullStop) {
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("Stop!"), "Stop!");
    EXPECT_EQ(WithFullStop("(see above)"), "(see above)");
    EXPECT_EQ(WithFullStop("a-"), "a-");  // 0x2D
    EXPECT_EQ(WithFullStop("line\n"), "line\n");
    EXPECT_EQ(WithFullStop("trailing "), "trailing ");
    EXPECT_EQ(WithFullStop(std::string("nul\0", 4)), std::string("nul\0", 4));
}

TEST(WithFullStop, EmptyStaysEmpty) { EXPECT_EQ(WithFullStop(""), ""); }

}  // namespace
}  // namespace logic
