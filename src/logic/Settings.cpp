#include "logic/Settings.h"

namespace logic {

namespace {

std::string Surround(std::string_view before, std::string_view middle, std::string_view after) {
    std::string text(before);
    text += middle;
    text += after;
    return text;
}

}  // namespace

Settings DefaultSettings() {
    Settings settings;
    // "Dc" rather than "Dd" is the sample text users have always seen.
    settings.previewText = "AaBbCcDc 12345 :-=";
    // Padded with spaces to 32 bytes.
    settings.testText = "用这来测试所有字体              ";
    settings.fontListPoints = 16;
    settings.selectedListPoints = 24;
    settings.markMissingGlyphs = false;
    return settings;
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
