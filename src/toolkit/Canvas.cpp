#include "toolkit/Canvas.h"

#include "toolkit/Error.h"
#include "toolkit/FontCache.h"
#include "toolkit/PrintableFont.h"

namespace tk {

Canvas::Canvas(HDC dc) { Attach(dc); }

Canvas::~Canvas() { RestoreOriginals(); }

void Canvas::Attach(HDC dc) {
    RestoreOriginals();
    dc_ = dc;
}

void Canvas::RestoreOriginals() {
    fontSelection_.Restore();
    brushSelection_.Restore();
    penSelection_.Restore();
    currentFont_ = nullptr;
    fontHandle_.reset();
    brushHandle_.reset();
    penHandle_.reset();
}

void Canvas::RealizeFont() {
    if (currentFont_ && realizedFont_.SameRealisation(font_)) return;
    UniqueFont created;
    HFONT font = nullptr;
    if (fontCache_) {
        font = fontCache_->Get(font_);
    } else {
        const LOGFONTA lf = font_.ToLogFont();
        created.reset(::CreateFontIndirectA(&lf));
        if (!created) throw Error("CreateFont " + font_.name);
        font = created.get();
    }
    fontSelection_.Select(dc_, font);
    if (!fontCache_ && NeedsPrintableStandIn(dc_)) {
        UniqueFont standIn = PrintableStandIn(font_);
        fontSelection_.Select(dc_, standIn.get());
        created = std::move(standIn);  // the font it replaces is no longer selected
        font = created.get();
    }
    fontHandle_ = std::move(created);
    currentFont_ = font;
    realizedFont_ = font_;
}

void Canvas::RealizeBrush() {
    if (brushHandle_ && realizedBrush_ == brushColor) return;
    UniqueBrush created(::CreateSolidBrush(ToRGB(brushColor)));
    if (!created) throw Error("CreateSolidBrush");
    brushSelection_.Select(dc_, created.get());
    brushHandle_ = std::move(created);
    realizedBrush_ = brushColor;
}

void Canvas::RealizePen() {
    if (penHandle_ && realizedPen_ == penColor) return;
    UniquePen created(::CreatePen(PS_SOLID, 1, ToRGB(penColor)));
    if (!created) throw Error("CreatePen");
    penSelection_.Select(dc_, created.get());
    penHandle_ = std::move(created);
    realizedPen_ = penColor;
}

void Canvas::PrepareText() {
    RealizeFont();
    RealizeBrush();
    ::SetTextColor(dc_, ToRGB(font_.color));
    ::SetBkColor(dc_, ToRGB(brushColor));
    ::SetBkMode(dc_, OPAQUE);
}

void Canvas::TextOut(int x, int y, std::string_view text) {
    PrepareText();
    ::ExtTextOutA(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void Canvas::TextRect(const RECT& clip, int x, int y, std::string_view text) {
    PrepareText();
    ::ExtTextOutA(dc_, x, y, ETO_CLIPPED | ETO_OPAQUE, &clip, text.data(),
                  static_cast<UINT>(text.size()), nullptr);
}

SIZE Canvas::TextExtent(std::string_view text) {
    RealizeFont();
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void Canvas::FillRect(const RECT& r) {
    RealizeBrush();
    ::FillRect(dc_, &r, brushHandle_.get());
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    RealizeBrush();
    RealizePen();
    ::Rectangle(dc_, left, top, right, bottom);
}

void Canvas::PatBlt(int x, int y, int width, int height, DWORD rop) {
    RealizeBrush();
    ::PatBlt(dc_, x, y, width, height, rop);
}

void Canvas::DrawFocusRect(const RECT& r) {
    // The focus frame inverts with the text and background colours of the DC.
    ::SetTextColor(dc_, RGB(0, 0, 0));
    ::SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &r);
}

int ScreenTextWidth(const FontSpec& font, std::string_view text) {
    WindowDC screen(nullptr);
    Canvas canvas(screen.get());
    canvas.Font() = font;
    return canvas.TextWidth(text);
}

}  // namespace tk
