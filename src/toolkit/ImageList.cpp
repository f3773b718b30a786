#include "toolkit/ImageList.h"

#include "toolkit/Error.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

void ImageList::LoadFromResource(int resourceId, int size, COLORREF mask) {
    UniqueBitmap strip(
        static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) ThrowLastError("LoadImage " + std::to_string(resourceId));
    UniqueImageList list(::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 0, 4));
    if (!list) ThrowLastError("ImageList_Create");
    if (::ImageList_AddMasked(list.get(), strip.get(), mask) < 0)
        ThrowLastError("ImageList_AddMasked");
    list_ = std::move(list);
    size_ = size;
}

int ImageList::Count() const { return list_ ? ::ImageList_GetImageCount(list_.get()) : 0; }

void ImageList::Draw(HDC dc, int index, int x, int y, bool enabled) const {
    if (!list_ || index < 0 || index >= Count()) return;
    if (enabled) {
        ::ImageList_Draw(list_.get(), index, dc, x, y, ILD_TRANSPARENT);
    } else {
        IMAGELISTDRAWPARAMS params{};
        params.cbSize = sizeof params;
        params.himl = list_.get();
        params.i = index;
        params.hdcDst = dc;
        params.x = x;
        params.y = y;
        params.fStyle = ILD_TRANSPARENT;
        params.fState = ILS_SATURATE;
        ::ImageList_DrawIndirect(&params);
    }
}

}  // namespace tk
