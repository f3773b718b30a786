#include "logic/ExportText.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(ExportText, EveryLineEndsWithCrLfTheLastToo) {
    EXPECT_EQ(JoinLinesCrLf({}), "");
    EXPECT_EQ(JoinLinesCrLf({""}), "\r\n");
    // "宋体" in GBK: two bytes per character.
    EXPECT_EQ(JoinLinesCrLf({"Default", "\xcb\xce\xcc\xe5", "Arial"}),
              "Default\r\n\xcb\xce\xcc\xe5\r\nArial\r\n");
}

TEST(ExportText, CannotCreateNamesThePath) {
    EXPECT_EQ(CannotCreateFileMessage("C:\\a b\\x.txt"), "无法创建文件 C:\\a b\\x.txt");
}

}  // namespace
}  // namespace logic
