#include "logic/ExportText.h"

namespace logic {

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string CannotCreateFileMessage(std::string_view path) {
    return "无法创建文件 " + std::string(path);
}

}  // namespace logic
