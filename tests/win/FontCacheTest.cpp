// The cache of realised fonts that the font lists draw with.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/Canvas.h"
#include "toolkit/FontCache.h"
#include "toolkit/MemoryBitmap.h"

namespace {

tk::FontSpec Face(const char* name, int height = 20) {
    tk::FontSpec font;
    font.name = name;
    font.height = height;
    return font;
}

LOGFONTA Described(HFONT font) {
    LOGFONTA lf{};
    ::GetObjectA(font, sizeof lf, &lf);
    return lf;
}

TEST(FontCacheTest, SameSpecGivesTheSameFontAndOtherSpecsOtherFonts) {
    tk::FontCache cache(8);
    HFONT serif = cache.Get(Face("DejaVu Serif"));
    ASSERT_NE(serif, nullptr);
    EXPECT_EQ(cache.Get(Face("DejaVu Serif")), serif);
    // Colour is no part of a font; face, height and style are.
    tk::FontSpec red = Face("DejaVu Serif");
    red.color = RGB(255, 0, 0);
    EXPECT_EQ(cache.Get(red), serif);
    EXPECT_NE(cache.Get(Face("DejaVu Serif", 21)), serif);
    tk::FontSpec bold = Face("DejaVu Serif");
    bold.Set(tk::kBold, true);
    EXPECT_NE(cache.Get(bold), serif);
    EXPECT_EQ(cache.Size(), 3u);

    const LOGFONTA lf = Described(serif);
    EXPECT_STREQ(lf.lfFaceName, "DejaVu Serif");
    EXPECT_EQ(lf.lfHeight, 20);
    EXPECT_EQ(Described(cache.Get(bold)).lfWeight, FW_BOLD);
}

TEST(FontCacheTest, DropsTheFontUnusedForLongestWhenFull) {
    tk::FontCache cache(3);
    HFONT a = cache.Get(Face("A"));
    HFONT b = cache.Get(Face("B"));
    cache.Get(Face("C"));
    EXPECT_EQ(cache.Get(Face("A")), a);  // A is now the most recent, B the oldest
    cache.Get(Face("D"));
    EXPECT_EQ(cache.Size(), 3u);
    EXPECT_EQ(::GetObjectType(b), 0u) << "B was deleted";
    EXPECT_EQ(::GetObjectType(a), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(cache.Get(Face("A")), a);
}

TEST(FontCacheTest, FontsGoWithTheCache) {
    HFONT kept = nullptr;
    {
        tk::FontCache cache(4);
        kept = cache.Get(Face("Liberation Sans"));
        EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(::GetObjectType(kept), 0u);
}

TEST(FontCacheTest, CanvasDrawsTheSameWithAndWithoutTheCache) {
    tk::FontCache cache(2);
    tk::MemoryBitmap plain(300, 40), cached(300, 40);
    cached.GetCanvas().UseFontCache(&cache);
    for (tk::MemoryBitmap* bitmap : {&plain, &cached}) {
        tk::Canvas& canvas = bitmap->GetCanvas();
        canvas.brushColor = tk::kClWhite;
        canvas.FillRect(RECT{0, 0, 300, 40});
        // Three faces in a row through a cache of two: each stays valid while it is selected.
        for (const char* face : {"DejaVu Sans", "Liberation Mono", "DejaVu Serif"}) {
            canvas.Font() = Face(face, 18);
            canvas.TextOut(canvas.TextWidth(face) / 4, 2, face);
        }
        canvas.Font() = Face("DejaVu Sans", 18);
        canvas.TextRect(RECT{0, 20, 300, 40}, 0, 20, "AaBbCc");
    }
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x) {
            ASSERT_EQ(cached.Pixel(x, y), plain.Pixel(x, y)) << x << "," << y;
            ink += plain.Pixel(x, y) != RGB(255, 255, 255);
        }
    EXPECT_GT(ink, 100);
    EXPECT_EQ(cache.Size(), 2u);
}

}  // namespace
