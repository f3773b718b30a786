#pragma once
// Whether a font has a glyph of its own for each character of a text, judged from the font's
// table of characters to glyphs: its character sets say nothing reliable about single
// characters.
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/UniqueHandle.h"

namespace tk {

// A text of the ANSI code page as UTF-16.
std::wstring WideFromAnsi(const std::string& text);

class GlyphCoverage {
public:
    // Keeps a memory DC of its own, compatible with the screen: one coverage object serves one
    // thread at a time, on any thread.
    GlyphCoverage();

    // Whether the font of this face has a glyph for every character; true for none. The face is
    // realised as FontSpec does it ("Default" is the interface's default face); a font that
    // cannot be made or asked has none.
    bool HasGlyphs(const std::string& face, const std::wstring& characters);

private:
    UniqueDC dc_;
    std::vector<WORD> indices_;
};

}  // namespace tk
