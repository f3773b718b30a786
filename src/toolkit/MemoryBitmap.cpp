#include "toolkit/MemoryBitmap.h"

#include "toolkit/Error.h"

namespace tk {

MemoryBitmap::MemoryBitmap() : dc_(::CreateCompatibleDC(nullptr)) {
    if (!dc_) ThrowLastError("CreateCompatibleDC");
    canvas_.Attach(dc_.get());
    canvas_.Font().pixelsPerInch = ScreenPixelsPerInch();
}

MemoryBitmap::MemoryBitmap(int width, int height) : MemoryBitmap() { SetSize(width, height); }

MemoryBitmap::~MemoryBitmap() {
    canvas_.Attach(nullptr);
    if (originalBitmap_) ::SelectObject(dc_.get(), originalBitmap_);
}

void MemoryBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
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
        if (!created) throw Error("CreateDIBSection " + std::to_string(width) + "x" +
                                  std::to_string(height));
    }
    if (created) {
        HGDIOBJ previous = ::SelectObject(dc_.get(), created.get());
        if (!originalBitmap_) originalBitmap_ = previous;
    } else if (originalBitmap_) {
        ::SelectObject(dc_.get(), originalBitmap_);  // the old picture must be out before it goes
    }
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

COLORREF MemoryBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    ::GdiFlush();
    const uint32_t bgra = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

}  // namespace tk
