#pragma once
// What a font draws itself: text output quietly takes a missing character's glyph from another
// font or draws a box, so whether the font has a glyph must be asked separately.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/FontSpec.h"

namespace tk {

// The UTF-16 text that narrow text in the interface code page stands for; empty when the text is
// not valid in that code page (a lone lead byte, an unassigned byte).
std::wstring AnsiToWide(std::string_view text);

// For each character, whether font has a glyph of its own for it.
std::vector<bool> FontHasGlyphs(const FontSpec& font, std::wstring_view characters);

}  // namespace tk
