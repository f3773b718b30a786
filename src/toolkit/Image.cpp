#include "toolkit/Image.h"

#include <windowsx.h>

#include <algorithm>

namespace tk {

namespace {

constexpr const char* kImageClass = "LetterloomImage";

}  // namespace

void Image::Create(HWND parent) {
    // No background brush: the picture covers the window, and what lies beyond it is painted here.
    RegisterToolkitClass(kImageClass, CS_DBLCLKS, nullptr);
    CreateOwnClass(kImageClass, 0, WS_CHILD | WS_VISIBLE, parent);
}

void Image::SetPicture(const MemoryBitmap& bitmap) {
    picture_.Assign(bitmap);
    PictureChanged(picture_.Width(), picture_.Height());
}

void Image::TakePicture(MemoryBitmap& bitmap) {
    picture_.SwapPixels(bitmap);
    PictureChanged(picture_.Width(), picture_.Height());
}

void Image::TakeStandIn(MemoryBitmap& bitmap, int width, int height) {
    picture_.SwapPixels(bitmap);
    PictureChanged(width, height);
}

void Image::PictureChanged(int width, int height) {
    if (!HandleAllocated()) return;
    const RECT before = BoundsRect();
    // Resizing a window costs more than all the rest of a new picture; the image covers all of
    // its window, so nothing else needs painting.
    if (before.right - before.left == width && before.bottom - before.top == height) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
        return;
    }
    // Resizing would have the parent paint what the image uncovers at once; it is left to the
    // next paint instead, with the image itself.
    ::SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    const RECT after = BoundsRect();
    RECT changed{};
    ::UnionRect(&changed, &before, &after);
    ::RedrawWindow(::GetParent(Handle()), &changed, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (onResize) onResize();
}

void Image::Paint() {
    PaintScope paint(Handle());
    const RECT& r = paint.Info().rcPaint;
    const LONG right = picture_.Width();
    const LONG bottom = picture_.Height();
    ::GdiFlush();
    const RECT shown{r.left, r.top, std::min(r.right, right), std::min(r.bottom, bottom)};
    if (!::IsRectEmpty(&shown))
        ::BitBlt(paint.Info().hdc, shown.left, shown.top, shown.right - shown.left,
                 shown.bottom - shown.top, picture_.DC(), shown.left, shown.top, SRCCOPY);
    // Beyond a stand-in smaller than the window, what the parent would show there.
    if (r.right <= right && r.bottom <= bottom) return;
    const auto background =
        reinterpret_cast<HBRUSH>(::GetClassLongPtrA(::GetParent(Handle()), GCLP_HBRBACKGROUND));
    if (!background) return;
    const RECT beside{std::max(r.left, right), r.top, r.right, r.bottom};
    const RECT below{r.left, std::max(r.top, bottom), std::min(r.right, right), r.bottom};
    if (!::IsRectEmpty(&beside)) ::FillRect(paint.Info().hdc, &beside, background);
    if (!::IsRectEmpty(&below)) ::FillRect(paint.Info().hdc, &below, background);
}

LRESULT Image::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    auto report = [x, y](const std::function<void(MouseButton, int, int)>& handler,
                         MouseButton button) {
        if (handler) handler(button, x, y);
        return 0;
    };
    switch (msg) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST: {
            // Beyond a stand-in the mouse reaches the parent, as it would without the image there.
            POINT at{x, y};
            ::ScreenToClient(Handle(), &at);
            if (at.x >= picture_.Width() || at.y >= picture_.Height()) return HTTRANSPARENT;
            return Window::HandleMessage(msg, wParam, lParam);
        }
        case WM_LBUTTONDBLCLK:
            if (onDblClick) onDblClick();
            return report(onMouseDown, MouseButton::Left);
        case WM_LBUTTONDOWN:
            return report(onMouseDown, MouseButton::Left);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return report(onMouseDown, MouseButton::Right);
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return report(onMouseDown, MouseButton::Middle);
        case WM_LBUTTONUP:
            return report(onMouseUp, MouseButton::Left);
        case WM_RBUTTONUP:
            return report(onMouseUp, MouseButton::Right);
        case WM_MBUTTONUP:
            return report(onMouseUp, MouseButton::Middle);
        default:
            return Window::HandleMessage(msg, wParam, lParam);
    }
}

}  // namespace tk
