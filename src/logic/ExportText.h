#pragma once
// The exported font list and the messages of writing a file.
#include <string>
#include <string_view>
#include <vector>

namespace logic {

// Every line followed by CR LF, the last one too; the bytes stay as they are.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// "无法创建文件 <path>"
std::string CannotCreateFileMessage(std::string_view path);
inline constexpr char kStreamWriteError[] = "流写入错误";

}  // namespace logic
