#include "logic/GlyphCoverage.h"

namespace logic {

std::optional<wchar_t> CellCharacter(std::wstring_view converted) {
    // One byte never makes a surrogate pair: anything but a single unit is no character.
    if (converted.size() != 1) return std::nullopt;
    return converted.front();
}

std::string CoverageText(const GlyphCoverage& coverage) {
    return std::to_string(coverage.count()) + " / " + std::to_string(kCellCount);
}

}  // namespace logic
