#pragma once
// The font list with the facts of its families, as comma-separated values.
#include <string>
#include <vector>

namespace letterloom {

// A header row of English column names, then one row per family in the order given: name,
// character sets, pitch and family, type, weights and styles, font file. RFC 4180 quoting, the
// names' own bytes (the interface code page), CR LF after every row.
std::string FontFactsCsv(const std::vector<std::string>& families);

}  // namespace letterloom
