#include "logic/NameRecords.h"

namespace logic {

std::string JoinNameRecords(const std::vector<std::string>& names) {
    std::string records;
    for (const auto& name : names) {
        records += name;
        records += '\0';
    }
    return records;
}

std::vector<std::string> SplitNameRecords(std::string_view records) {
    std::vector<std::string> names;
    size_t start = 0;
    for (size_t end = records.find('\0'); end != std::string_view::npos;
         end = records.find('\0', start)) {
        names.emplace_back(records.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

}  // namespace logic
