#include "toolkit/Button.h"

namespace tk {

namespace {

constexpr int kGlyphSize = 16;

void DrawGlyph(HDC dc, Glyph glyph, COLORREF color) {
    UniquePen pen(::CreatePen(PS_SOLID, 3, color));
    SelectScope selected(dc, pen.get());
    if (glyph == Glyph::Tick) {
        const POINT stroke[] = {{3, 8}, {6, 11}, {12, 4}};
        ::Polyline(dc, stroke, 3);
    } else {
        const POINT down[] = {{4, 4}, {12, 12}};
        const POINT up[] = {{12, 4}, {4, 12}};
        ::Polyline(dc, down, 2);
        ::Polyline(dc, up, 2);
    }
}

// The strokes in colour on an icon whose mask leaves everything else transparent.
UniqueIcon MakeGlyph(Glyph glyph) {
    WindowDC screen(nullptr);
    UniqueDC dc(::CreateCompatibleDC(screen.get()));
    UniqueBitmap color(::CreateCompatibleBitmap(screen.get(), kGlyphSize, kGlyphSize));
    UniqueBitmap mask(::CreateBitmap(kGlyphSize, kGlyphSize, 1, 1, nullptr));
    {
        SelectScope selected(dc.get(), color.get());
        ::PatBlt(dc.get(), 0, 0, kGlyphSize, kGlyphSize, BLACKNESS);
        DrawGlyph(dc.get(), glyph, glyph == Glyph::Tick ? RGB(0, 128, 0) : RGB(200, 0, 0));
    }
    {
        SelectScope selected(dc.get(), mask.get());
        ::PatBlt(dc.get(), 0, 0, kGlyphSize, kGlyphSize, WHITENESS);
        DrawGlyph(dc.get(), glyph, RGB(0, 0, 0));
    }
    ICONINFO info{TRUE, 0, 0, mask.get(), color.get()};
    return UniqueIcon(::CreateIconIndirect(&info));
}

}  // namespace

void Button::Create(HWND parent, const std::string& caption, int id, DWORD style) {
    CreateSystemControl("BUTTON", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, parent, caption);
    if (id) ::SetWindowLongPtrA(Handle(), GWLP_ID, id);
}

void Button::SetGlyph(Glyph glyph) {
    glyph_ = MakeGlyph(glyph);
    ::SendMessageA(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph_.get()));
}

void Button::OnCommand(WORD code, WORD) {
    if (code == BN_CLICKED) Click();
}

void GroupBox::Create(HWND parent, const std::string& caption) {
    CreateSystemControl("BUTTON", 0, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, parent, caption);
}

}  // namespace tk
