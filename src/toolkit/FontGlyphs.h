#pragma once
// What a font draws itself: text output quietly takes a missing character's glyph from another
// font or draws a box, so whether the font has a glyph must be asked of its table of characters
// to glyphs. Its character sets say nothing reliable about single characters.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

// The UTF-16 text that narrow text in the interface code page stands for; empty when the text is
// not valid in that code page (a lone lead byte, an unassigned byte).
std::wstring AnsiToWide(std::string_view text);

// Asks fonts for their glyphs through a memory DC of its own: one probe serves one thread at a
// time, on any thread.
class GlyphProbe {
public:
    GlyphProbe();

    // For each character, whether the font has a glyph of its own for it; throws when the font
    // cannot be made or asked.
    std::vector<bool> Present(const FontSpec& font, std::wstring_view characters);
    // Whether the font of this face ("Default" is the interface's default face) has a glyph for
    // every character; true for none, false when the font cannot be made or asked.
    bool HasAll(const std::string& face, std::wstring_view characters);

private:
    // The glyph indices, 0xFFFF for a missing glyph; false when the platform would not answer.
    bool Indices(const FontSpec& font, std::wstring_view characters);

    UniqueDC dc_;
    std::vector<WORD> indices_;
};

}  // namespace tk
