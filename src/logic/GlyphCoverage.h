#pragma once
// Which cells of the character map show a glyph of the map's own font, and how they are counted.
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

#include "logic/CharMapGeometry.h"

namespace logic {

// Bit n is set when the cell of code 32 + n shows a glyph of the map's own font.
using GlyphCoverage = std::bitset<kCellCount>;

// The character the cell of a byte stands for, given the UTF-16 text that the byte alone converts
// to from the interface code page, invalid input refused. A byte that converts to no character
// has a glyph in no font: in code page 936 the bytes 0x81..0xFE are lead bytes that begin a
// two-byte character and mean nothing alone, and 0xFF is no character at all. The system still
// draws something for them (another font's glyph or a box), so their cells count as missing.
std::optional<wchar_t> CellCharacter(std::wstring_view converted);

// "<cells with a glyph> / 224"
std::string CoverageText(const GlyphCoverage& coverage);

}  // namespace logic
