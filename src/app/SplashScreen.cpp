#include "app/SplashScreen.h"

#include "resources/resource_ids.h"
#include "toolkit/DialogLayout.h"
#include "toolkit/Error.h"

namespace letterloom {

namespace {
constexpr int kClientWidth = 298;
constexpr int kClientHeight = 115;
constexpr BYTE kOpacity = 200;
}  // namespace

SplashScreen::SplashScreen()
    : picture_(static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                 MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0,
                                                 LR_DEFAULTCOLOR))) {
    CreateForm("", WS_POPUP, WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClientWidth,
               kClientHeight);
    if (!::SetLayeredWindowAttributes(Handle(), 0, kOpacity, LWA_ALPHA))
        tk::ThrowLastError("SetLayeredWindowAttributes");
    tk::CenterOnScreen(Handle());
    ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(Handle());
}

LRESULT SplashScreen::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        tk::PaintScope paint(Handle());
        if (picture_) {
            const HDC dc = paint.get();
            tk::UniqueDC source(::CreateCompatibleDC(dc));
            tk::SelectScope select(source.get(), picture_.get());
            BITMAP info{};
            ::GetObjectA(picture_.get(), sizeof info, &info);
            ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
        }
        return 0;
    }
    return tk::Form::HandleMessage(msg, wParam, lParam);
}

}  // namespace letterloom
