#include "about/AboutGraphics.h"

#include <cstring>
#include <utility>

#include "logic/Rounding.h"
#include "toolkit/Error.h"

namespace letterloom {

MemoryCanvas::MemoryCanvas(tk::UniqueDC display, tk::UniqueDC memory, tk::UniqueBitmap bitmap)
    : display_(std::move(display)), memory_(std::move(memory)), bitmap_(std::move(bitmap)) {
    firstBitmap_ = ::SelectObject(memory_.get(), bitmap_.get());
}

MemoryCanvas::MemoryCanvas(MemoryCanvas&& other) noexcept
    : display_(std::move(other.display_)),
      memory_(std::move(other.memory_)),
      bitmap_(std::move(other.bitmap_)),
      firstBitmap_(std::exchange(other.firstBitmap_, nullptr)) {}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
    if (this != &other) {
        Free();
        display_ = std::move(other.display_);
        memory_ = std::move(other.memory_);
        bitmap_ = std::move(other.bitmap_);
        firstBitmap_ = std::exchange(other.firstBitmap_, nullptr);
    }
    return *this;
}

SIZE MemoryCanvas::Size() const {
    BITMAP info{};
    if (!bitmap_ || !::GetObjectA(bitmap_.get(), sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

void MemoryCanvas::Free() {
    if (memory_ && firstBitmap_) ::SelectObject(memory_.get(), firstBitmap_);
    firstBitmap_ = nullptr;
    bitmap_.reset();
    memory_.reset();
    display_.reset();
}

namespace {

MemoryCanvas CanvasFor(tk::UniqueBitmap bitmap, const char* operation) {
    if (!bitmap) tk::ThrowLastError(operation);
    tk::UniqueDC display(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    if (!display) tk::ThrowLastError("CreateDC");
    tk::UniqueDC memory(::CreateCompatibleDC(display.get()));
    if (!memory) tk::ThrowLastError("CreateCompatibleDC");
    return MemoryCanvas(std::move(display), std::move(memory), std::move(bitmap));
}

}  // namespace

MemoryCanvas NewMemoryCanvas(int width, int height) {
    tk::WindowDC screen(nullptr);
    tk::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    MemoryCanvas canvas = CanvasFor(std::move(bitmap), "CreateCompatibleBitmap");
    ::PatBlt(canvas.dc(), 0, 0, width, height, WHITENESS);
    return canvas;
}

MemoryCanvas LoadResourceCanvas(HINSTANCE module, const char* name) {
    return CanvasFor(tk::UniqueBitmap(::LoadBitmapA(module, name)), "LoadBitmap");
}

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
