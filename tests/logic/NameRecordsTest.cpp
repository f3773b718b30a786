#include "logic/NameRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using namespace std::string_literals;

TEST(NameRecordsTest, NamesComeBackWholeAndRecordsCutShortAreLeftOut) {
    const Names names{"Default", "宋体", "A \"quoted\", name", "", "x"};
    EXPECT_EQ(logic::SplitNameRecords(logic::JoinNameRecords(names)), names);
    EXPECT_EQ(logic::JoinNameRecords({}), "");
    const struct {
        std::string records;
        Names names;
    } cases[] = {
        {"", {}},
        {"Arial", {}},                      // cut before its end
        {"Arial\0Cour"s, {"Arial"}},        // the second cut short
        {"\0\0"s, {"", ""}},                // empty records are records
        {"\xcb\xce\xcc\xe5\0"s, {"宋体"}},  // GBK bytes as they are
    };
    for (const auto& c : cases) EXPECT_EQ(logic::SplitNameRecords(c.records), c.names);
}

}  // namespace
