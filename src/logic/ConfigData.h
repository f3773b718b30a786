#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace logic {

// The settings kept between runs.
struct TLetterloomConfigData {
    std::string PrevString;  // sample text of the font list
    std::string TryString;   // text of the font test page
    int32_t FontListSize;
    int32_t SelectedListSize;
};

void SetDefaultConfig(TLetterloomConfigData& config);

// The settings key under HKEY_CURRENT_USER, as the Win32 registry functions take it.
inline constexpr char kSettingsSubKey[] = "SOFTWARE\\Orvane\\Letterloom";

inline constexpr char kPrevStringName[] = "PrevString";
inline constexpr char kTryStringName[] = "TryString";
// The load asks for the test text in this spelling; registry names ignore case.
inline constexpr char kTryStringReadName[] = "TRYString";
inline constexpr char kFontListSizeName[] = "字体列表大小";
// The trailing spaces are part of the stored value name.
inline constexpr char kSelectedListSizeName[] = "已选字体大小   ";
inline constexpr char kPlacementSection[] = "FormPosition";

// "对 '<name>' 的无效数据类型"
std::string InvalidDataTypeMessage(std::string_view name);
// "无法获得对 '<name>' 的数据"
std::string CannotGetDataMessage(std::string_view name);
// "无法设置对 '<name>' 的数据"
std::string CannotSetDataMessage(std::string_view name);
// "无法创建键 <key>"
std::string CannotCreateKeyMessage(std::string_view key);

}  // namespace logic
