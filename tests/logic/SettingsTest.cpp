#include "logic/Settings.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(DefaultSettings, FillsEveryField) {
    const Settings config = DefaultSettings();
    EXPECT_EQ(config.previewText, "AaBbCcDc 12345 :-=");
    EXPECT_EQ(config.previewText.size(), 18u);
    EXPECT_EQ(config.testText, std::string("用这来测试所有字体") + std::string(14, ' '));
    EXPECT_EQ(config.testText.size(), 32u);
    EXPECT_EQ(config.fontListPoints, 16);
    EXPECT_EQ(config.selectedListPoints, 24);
    EXPECT_FALSE(config.markMissingGlyphs);
}

TEST(DefaultSettings, TestTextIsGbk) {
    const Settings config = DefaultSettings();
    EXPECT_EQ(config.testText.substr(0, 18),
              "\xD3\xC3\xD5\xE2\xC0\xB4\xB2\xE2\xCA\xD4\xCB\xF9\xD3\xD0\xD7\xD6\xCC\xE5");
}

TEST(SettingsNames, Bytes) {
    EXPECT_EQ(std::string_view(kSettingsSubKey), "SOFTWARE\\Orvane\\Letterloom");
    EXPECT_EQ(std::string_view(kPreviewTextValue), "PrevString");
    EXPECT_EQ(std::string_view(kPreviewTextValue).size(), 10u);
    EXPECT_EQ(std::string_view(kTestTextValue), "TryString");
    EXPECT_EQ(std::string_view(kTestTextValue).size(), 9u);
    EXPECT_EQ(std::string_view(kTestTextReadValue), "TRYString");
    EXPECT_EQ(std::string_view(kPlacementSubKey), "FormPosition");
    EXPECT_EQ(std::string_view(kMarkMissingGlyphsValue), "MarkMissingGlyphs");
    EXPECT_EQ(std::string_view(kFontListPointsValue),
              "\xD7\xD6\xCC\xE5\xC1\xD0\xB1\xED\xB4\xF3\xD0\xA1");
    EXPECT_EQ(std::string_view(kFontListPointsValue).size(), 12u);
    EXPECT_EQ(std::string_view(kSelectedListPointsValue),
              "\xD2\xD1\xD1\xA1\xD7\xD6\xCC\xE5\xB4\xF3\xD0\xA1   ");
    EXPECT_EQ(std::string_view(kSelectedListPointsValue).size(), 15u);
}

TEST(SettingsMessages, NameTheValueOrKey) {
    EXPECT_EQ(InvalidDataTypeMessage("PrevString"), "对 'PrevString' 的无效数据类型");
    EXPECT_EQ(InvalidDataTypeMessage("x"),
              "\xB6\xD4 'x' \xB5\xC4\xCE\xDE\xD0\xA7\xCA\xFD\xBE\xDD\xC0\xE0\xD0\xCD");
    EXPECT_EQ(CannotGetDataMessage("TRYString"), "无法获得对 'TRYString' 的数据");
    EXPECT_EQ(CannotSetDataMessage(kFontListPointsValue), "无法设置对 '字体列表大小' 的数据");
    EXPECT_EQ(CannotSetDataMessage("x"),
              "\xCE\xDE\xB7\xA8\xC9\xE8\xD6\xC3\xB6\xD4 'x' \xB5\xC4\xCA\xFD\xBE\xDD");
    EXPECT_EQ(CannotCreateKeyMessage("\\SOFTWARE\\Orvane\\Letterloom"),
              "无法创建键 \\SOFTWARE\\Orvane\\Letterloom");
    EXPECT_EQ(CannotCreateKeyMessage("k"), "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xBC\xFC k");
}

}  // namespace
}  // namespace logic
