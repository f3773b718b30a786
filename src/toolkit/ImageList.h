#pragma once
// A list of equally sized pictures (toolbar buttons, menu items), loaded from a bitmap resource
// in which one colour stands for transparency.
#include <windows.h>
#include <commctrl.h>

namespace tk {

class ImageList {
public:
    ImageList() = default;
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // Cuts the bitmap resource into size × size pictures; mask is the transparent colour.
    void LoadFromResource(int resourceId, int size, COLORREF mask);
    HIMAGELIST Handle() const { return list_; }
    int Count() const;
    int ImageSize() const { return size_; }
    void Draw(HDC dc, int index, int x, int y, bool enabled = true) const;

private:
    HIMAGELIST list_ = nullptr;
    int size_ = 16;
};

}  // namespace tk
