#include "logic/FontFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(FontFilterTest, JudgesEachPrintableBmpCharacterOnce) {
    const struct {
        std::u16string text;
        std::u16string judged;
    } cases[] = {
        {u"", u""},
        {u"αβγ", u"αβγ"},
        {u"abcab", u"abc"},                      // repeats judged once, in first order
        {u"a b\tc\r\nd", u"abcd"},               // white space and line breaks left out
        {u"\u3000永\u00A0\u2028\u2003", u"永"},  // wide and other space separators
        {u"\x01\x1F\x7F\x85\x9F|", u"|"},        // C0, DEL and C1 controls
        {u"a\xD83D\xDE00z", u"az"},              // a pair beyond the BMP
        {u"\xDC00\xD800x", u"x"},                // lone surrogates
        {u"\uE000\uFFFD", u"\uE000\uFFFD"},      // private use and the replacement are judged
    };
    for (const auto& c : cases) EXPECT_EQ(logic::CharactersToJudge(c.text), c.judged);
}

TEST(FontFilterTest, HistoryKeepsTheLastTenNewestFirstWithoutRepeats) {
    std::vector<std::string> history;
    logic::RememberText(history, "");
    EXPECT_TRUE(history.empty());
    for (int i = 0; i < 12; ++i) logic::RememberText(history, std::to_string(i));
    EXPECT_EQ(history,
              (std::vector<std::string>{"11", "10", "9", "8", "7", "6", "5", "4", "3", "2"}));
    logic::RememberText(history, "5");
    EXPECT_EQ(history,
              (std::vector<std::string>{"5", "11", "10", "9", "8", "7", "6", "4", "3", "2"}));
}

TEST(FontFilterTest, StatusNamesTheTextAndTheCount) {
    const struct {
        std::string text;
        size_t shown;
        size_t total;
        std::string status;
    } cases[] = {
        {"αβγ", 3, 5055, "筛选: “αβγ”  3 / 5055"},
        {"", 0, 1, "筛选: “”  0 / 1"},
        {"a\tb", 2, 2, "筛选: “a b”  2 / 2"},
        {std::string(20, 'x'), 1, 9, "筛选: “" + std::string(20, 'x') + "”  1 / 9"},  // fits
        {std::string(21, 'x'), 1, 9, "筛选: “" + std::string(18, 'x') + "…”  1 / 9"},
        // A cut through a character drops its lead byte.
        {"x" + std::string(20, '\xD3'), 1, 9, "筛选: “x" + std::string(16, '\xD3') + "…”  1 / 9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(logic::FilterStatusText(c.text, c.shown, c.total), c.status) << c.text;
}

}  // namespace
