#include "about/AboutGraphics.h"

#include <cstring>
#include <utility>

#include "logic/Rounding.h"
#include "toolkit/Error.h"

namespace letterloom {

HFONT DrawingFonts::SelectStyledFont(const char* face, int height, tk::Color colour, int style) {
    tk::UniqueFont font(::CreateFontA(
        height, 0, 0, 0, (style & kAboutBold) ? FW_BOLD : FW_NORMAL, (style & kAboutItalic) != 0,
        (style & kAboutUnderline) != 0, (style & kAboutStrikeOut) != 0, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
    if (!font) tk::ThrowLastError("CreateFont");
    selection_.Select(dc_, font.get());
    current_ = std::move(font);
    ::SetTextColor(dc_, MapSysColor(colour));
    return current_.get();
}

HFONT DrawingFonts::SelectPointFont(const char* face, int points, tk::Color colour, int style) {
    const int height = -logic::RoundHalfEven(points * ::GetDeviceCaps(dc_, LOGPIXELSX) / 72.0);
    return SelectStyledFont(face, height, colour, style);
}

namespace {

SIZE TextExtent(HDC dc, const char* text) {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    return size;
}

}  // namespace

int TextExtentWidth(HDC dc, const char* text) { return TextExtent(dc, text).cx; }
int TextExtentHeight(HDC dc, const char* text) { return TextExtent(dc, text).cy; }

}  // namespace letterloom
