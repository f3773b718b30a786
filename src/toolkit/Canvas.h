#pragma once
// A DC with a current font, brush and pen that persist until someone changes them, on screen,
// on a bitmap and on the printer alike. Texts are drawn with an opaque background in the brush
// colour.
#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/Color.h"
#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

class FontCache;

class Canvas {
public:
    // Borrows dc; the DC's original objects are selected back when the canvas goes.
    explicit Canvas(HDC dc = nullptr);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }
    // Points the canvas at another DC (or none), keeping its font, brush and pen attributes.
    void Attach(HDC dc);

    FontSpec& Font() { return font_; }
    const FontSpec& Font() const { return font_; }
    Color brushColor = kClWhite;
    Color penColor = kClBlack;

    void TextOut(int x, int y, std::string_view text);
    // Text clipped to clip, its background filled with the brush behind it.
    void TextRect(const RECT& clip, int x, int y, std::string_view text);
    SIZE TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    void FillRect(const RECT& r);
    // Outline in the pen, interior in the brush; right and bottom edges exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void PatBlt(int x, int y, int width, int height, DWORD rop);
    void DrawFocusRect(const RECT& r);

    // Makes the current font the DC's font; drawing calls do this themselves.
    void RealizeFont();
    // Fonts then come from cache, which keeps them realised, instead of being made for each
    // change. The cache must outlive the canvas's use of it.
    void UseFontCache(FontCache* cache) { fontCache_ = cache; }

private:
    void RealizeBrush();
    void RealizePen();
    void PrepareText();
    void RestoreOriginals();

    HDC dc_ = nullptr;
    FontSpec font_;
    FontSpec realizedFont_;
    HFONT currentFont_ = nullptr;
    UniqueFont fontHandle_;  // empty when the font belongs to the cache
    FontCache* fontCache_ = nullptr;
    Color realizedBrush_ = 0;
    UniqueBrush brushHandle_;
    Color realizedPen_ = 0;
    UniquePen penHandle_;
    // Declared after the objects they select, so that the DC's own go back before those are freed.
    SelectScope fontSelection_;
    SelectScope brushSelection_;
    SelectScope penSelection_;
};

// Width of text in font on the screen, for laying out controls around it.
int ScreenTextWidth(const FontSpec& font, std::string_view text);

}  // namespace tk
