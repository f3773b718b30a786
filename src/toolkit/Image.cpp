#include "toolkit/Image.h"

#include <windowsx.h>

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
    PictureChanged();
}

void Image::TakePicture(MemoryBitmap& bitmap) {
    picture_.SwapPixels(bitmap);
    PictureChanged();
}

void Image::PictureChanged() {
    if (!HandleAllocated()) return;
    const RECT before = BoundsRect();
    // Resizing would have the parent paint what the image uncovers at once; it is left to the
    // next paint instead, with the image itself.
    ::SetWindowPos(Handle(), nullptr, 0, 0, picture_.Width(), picture_.Height(),
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
    ::GdiFlush();
    ::BitBlt(paint.Info().hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture_.DC(),
             r.left, r.top, SRCCOPY);
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
