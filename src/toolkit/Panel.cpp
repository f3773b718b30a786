#include "toolkit/Panel.h"

namespace tk {

namespace {
constexpr const char* kPanelClass = "LetterloomPanel";
}

void Panel::Create(HWND parent, DWORD extraStyle) {
    RegisterToolkitClass(kPanelClass);
    CreateOwnClass(kPanelClass, WS_EX_CONTROLPARENT,
                   WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | extraStyle, parent);
    ::SendMessageA(Handle(), WM_SETFONT, ::SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
}

LRESULT Panel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SIZE:
            if (onResize) onResize();
            return 0;
        default:
            return Window::HandleMessage(msg, wParam, lParam);
    }
}

}  // namespace tk
