#pragma once
// A list of equally sized pictures (toolbar buttons, menu items), loaded from a bitmap resource
// in which one colour stands for transparency.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/UniqueHandle.h"

namespace tk {

class ImageList {
public:
    // Cuts the bitmap resource into size x size pictures; mask is the transparent colour.
    void LoadFromResource(int resourceId, int size, COLORREF mask);
    HIMAGELIST Handle() const { return list_.get(); }
    int Count() const;
    int ImageSize() const { return size_; }
    void Draw(HDC dc, int index, int x, int y, bool enabled = true) const;

private:
    UniqueImageList list_;
    int size_ = 16;
};

}  // namespace tk
