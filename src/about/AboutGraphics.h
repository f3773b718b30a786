#pragma once
// The few drawing helpers of the about box, on plain device contexts.
#include <windows.h>

#include "toolkit/Color.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

// Style bits of the font helpers, the bit positions of the toolkit's font style set.
enum AboutFontStyle : int {
    kAboutBold = 1 << 0,
    kAboutItalic = 1 << 1,
    kAboutUnderline = 1 << 2,
    kAboutStrikeOut = 1 << 3,
};

// A colour value as RGB: a negative value names the system colour of its low byte.
inline COLORREF MapSysColor(tk::Color colour) { return tk::ToRGB(colour); }

// The fonts that drawing on one context selects in turn. Each selection deletes the font this
// object selected before; the context gets its own font back when the object goes, so a font
// lent by a control's owner is never deleted.
class DrawingFonts {
public:
    explicit DrawingFonts(HDC dc) : dc_(dc) {}
    DrawingFonts(const DrawingFonts&) = delete;
    DrawingFonts& operator=(const DrawingFonts&) = delete;

    // height in pixels, negative for the character height; sets the text colour too.
    HFONT SelectStyledFont(const char* face, int height, tk::Color colour, int style);
    // height = -(points x horizontal pixels per inch / 72), rounded.
    HFONT SelectPointFont(const char* face, int points, tk::Color colour, int style);

private:
    HDC dc_;
    tk::UniqueFont current_;
    // After current_: the context's own font goes back before the last one selected is deleted.
    tk::SelectScope selection_;
};

// Width and height of the text, up to its first zero byte, in the context's current font.
int TextExtentWidth(HDC dc, const char* text);
int TextExtentHeight(HDC dc, const char* text);

}  // namespace letterloom
