#pragma once
// Names passed between processes as one byte string: each name followed by a zero byte, which no
// font name holds.
#include <string>
#include <string_view>
#include <vector>

namespace logic {

std::string JoinNameRecords(const std::vector<std::string>& names);
// The names of every whole record, in order; bytes after the last zero byte belong to a record
// cut short and are left out.
std::vector<std::string> SplitNameRecords(std::string_view records);

}  // namespace logic
