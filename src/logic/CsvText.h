#pragma once
// Comma-separated values as RFC 4180 writes them, byte strings in and out.
#include <string>
#include <string_view>
#include <vector>

namespace logic {

// The field as it is, or in double quotes with its quotes doubled when it holds a comma, a quote,
// CR or LF. GBK text needs nothing more: its trail bytes are never one of those four.
std::string CsvField(std::string_view field);

// The fields, each as CsvField writes it, separated by commas and followed by CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace logic
