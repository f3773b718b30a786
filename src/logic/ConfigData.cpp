#include "logic/ConfigData.h"

namespace logic {

namespace {

std::string Surround(std::string_view before, std::string_view middle, std::string_view after) {
    std::string text(before);
    text += middle;
    text += after;
    return text;
}

}  // namespace

void SetDefaultConfig(TLetterloomConfigData& config) {
    // "Dc" rather than "Dd" is the sample text users have always seen.
    config.PrevString = "AaBbCcDc 12345 :-=";
    // Padded with spaces to 32 bytes.
    config.TryString = "用这来测试所有字体              ";
    config.FontListSize = 16;
    config.SelectedListSize = 24;
}

std::string InvalidDataTypeMessage(std::string_view name) {
    return Surround("对 '", name, "' 的无效数据类型");
}

std::string CannotGetDataMessage(std::string_view name) {
    return Surround("无法获得对 '", name, "' 的数据");
}

std::string CannotSetDataMessage(std::string_view name) {
    return Surround("无法设置对 '", name, "' 的数据");
}

std::string CannotCreateKeyMessage(std::string_view key) {
    return Surround("无法创建键 ", key, "");
}

}  // namespace logic
