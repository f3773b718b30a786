#pragma once
// An off-screen picture: a 32-bit DIB section selected into its own memory DC, drawn on through
// a canvas whose attributes survive resizing.
#include <windows.h>

#include <cstdint>

#include "toolkit/Canvas.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

class MemoryBitmap {
public:
    MemoryBitmap();
    MemoryBitmap(int width, int height);
    ~MemoryBitmap();
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    // Gives the picture this size. A new size makes a new picture (contents black); the same size
    // keeps the picture and its pixels, since memory touched for the first time is slow.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    Canvas& GetCanvas() { return canvas_; }
    HDC DC() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }

    // Takes the size and pixels of the module's bitmap resource of that name.
    void LoadResource(HINSTANCE module, const char* name);
    // Copies other's size and pixels; this bitmap's canvas keeps its own attributes.
    void Assign(const MemoryBitmap& other);
    // Exchanges size and pixels with other without copying them; each canvas keeps its own
    // attributes.
    void SwapPixels(MemoryBitmap& other);
    // Font, brush and pen of the canvas as a new bitmap has them, for a bitmap that is used again.
    void ResetCanvas();
    // Pixel as 0x00BBGGRR, for drawing code that reads back what it drew.
    COLORREF Pixel(int x, int y) const;

private:
    // Selects bitmap into the DC, or the DC's original bitmap when bitmap is null.
    void SelectPicture(HBITMAP bitmap);

    // In this order, so that the canvas lets go of the DC, the DC gets its original bitmap back,
    // then the picture and the DC are deleted.
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    SelectScope picture_;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Canvas canvas_;
};

}  // namespace tk
