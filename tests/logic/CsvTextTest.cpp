#include "logic/CsvText.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvTextTest, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        std::vector<std::string> fields;
        std::string record;
    } cases[] = {
        {{}, "\r\n"},
        {{""}, "\r\n"},
        {{"", ""}, ",\r\n"},
        {{"Arial", "ANSI GREEK"}, "Arial,ANSI GREEK\r\n"},
        {{"a,b", "say \"hi\"", "\""}, "\"a,b\",\"say \"\"hi\"\"\",\"\"\"\"\r\n"},
        {{"two\r\nlines", "cr\r", "lf\n"}, "\"two\r\nlines\",\"cr\r\",\"lf\n\"\r\n"},
        {{"\xCB\xCE\xCC\xE5", " spaced "}, "\xCB\xCE\xCC\xE5, spaced \r\n"},  // bytes as they are
    };
    for (const auto& c : cases) EXPECT_EQ(logic::CsvRecord(c.fields), c.record) << c.record;
}

}  // namespace
