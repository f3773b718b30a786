#include "toolkit/MemoryBitmap.h"

#include <utility>

#include "toolkit/Error.h"

namespace tk {

MemoryBitmap::MemoryBitmap() : dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_) ThrowLastError("CreateCompatibleDC");
    canvas_.Attach(dc_.get());
    ResetCanvas();
}

MemoryBitmap::MemoryBitmap(int width, int height) : MemoryBitmap() { SetSize(width, height); }

MemoryBitmap::~MemoryBitmap() = default;

void MemoryBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (bitmap_ && width == width_ && height == height_) return;
    UniqueBitmap created;
    void* bits = nullptr;
    if (width > 0 && height > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        created.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!created)
            throw Error("CreateDIBSection " + std::to_string(width) + "x" + std::to_string(height));
    }
    // The old picture must be out of the DC before it goes.
    SelectPicture(created.get());
    bitmap_ = std::move(created);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = bits_ ? width : 0;
    height_ = bits_ ? height : 0;
}

void MemoryBitmap::Assign(const MemoryBitmap& other) {
    SetSize(other.width_, other.height_);
    if (!Empty()) {
        ::GdiFlush();
        ::BitBlt(dc_.get(), 0, 0, width_, height_, other.dc_.get(), 0, 0, SRCCOPY);
    }
}

void MemoryBitmap::SwapPixels(MemoryBitmap& other) {
    ::GdiFlush();
    // A bitmap can be in one DC only: both leave their DCs before they change places.
    SelectPicture(nullptr);
    other.SelectPicture(nullptr);
    std::swap(bitmap_, other.bitmap_);
    std::swap(bits_, other.bits_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
    SelectPicture(bitmap_.get());
    other.SelectPicture(other.bitmap_.get());
}

void MemoryBitmap::ResetCanvas() {
    canvas_.Font() = FontSpec{};
    canvas_.Font().pixelsPerInch = ScreenPixelsPerInch();
    canvas_.brushColor = kClWhite;
    canvas_.penColor = kClBlack;
}

void MemoryBitmap::LoadResource(HINSTANCE module, const char* name) {
    const UniqueBitmap resource(::LoadBitmapA(module, name));
    if (!resource) ThrowLastError("LoadBitmap");
    BITMAP info{};
    if (!::GetObjectA(resource.get(), sizeof info, &info)) ThrowLastError("GetObject");
    const UniqueDC source(::CreateCompatibleDC(dc_.get()));
    if (!source) ThrowLastError("CreateCompatibleDC");
    const SelectScope select(source.get(), resource.get());
    SetSize(info.bmWidth, info.bmHeight);
    if (!Empty()) ::BitBlt(dc_.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY);
}

void MemoryBitmap::SelectPicture(HBITMAP bitmap) {
    if (bitmap)
        picture_.Select(dc_.get(), bitmap);
    else
        picture_.Restore();
}

COLORREF MemoryBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    ::GdiFlush();
    const uint32_t bgra = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

}  // namespace tk
