#pragma once
// The settings kept between runs, their defaults, and the names they are stored under.
#include <cstdint>
#include <string>
#include <string_view>

namespace logic {

// The settings kept between runs.
struct Settings {
    std::string previewText;     // shown after each name in both font lists
    std::string testText;        // the font test page's text
    int32_t fontListPoints;      // item size of the font list
    int32_t selectedListPoints;  // item size of the selected-fonts list
    bool markMissingGlyphs;      // the character map marks the cells without a glyph of the font
};

Settings DefaultSettings();

// The settings key under HKEY_CURRENT_USER, as the Win32 registry functions take it.
inline constexpr char kSettingsSubKey[] = "SOFTWARE\\Orvane\\Letterloom";

inline constexpr char kPreviewTextValue[] = "PrevString";
inline constexpr char kTestTextValue[] = "TryString";
// The load asks for the test text in this spelling; registry names ignore case.
inline constexpr char kTestTextReadValue[] = "TRYString";
inline constexpr char kFontListPointsValue[] = "字体列表大小";
// The trailing spaces are part of the stored value name.
inline constexpr char kSelectedListPointsValue[] = "已选字体大小   ";
// 0 or 1; any other number counts as 1.
inline constexpr char kMarkMissingGlyphsValue[] = "MarkMissingGlyphs";
inline constexpr char kPlacementSubKey[] = "FormPosition";

// "对 '<name>' 的无效数据类型"
std::string InvalidDataTypeMessage(std::string_view name);
// "无法获得对 '<name>' 的数据"
std::string CannotGetDataMessage(std::string_view name);
// "无法设置对 '<name>' 的数据"
std::string CannotSetDataMessage(std::string_view name);
// "无法创建键 <key>"
std::string CannotCreateKeyMessage(std::string_view key);

}  // namespace logic
