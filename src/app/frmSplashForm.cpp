#include "app/frmSplashForm.h"

#include "resources/resource_ids.h"
#include "toolkit/Error.h"

namespace letterloom {

std::unique_ptr<TSplashForm> SplashForm;

namespace {
constexpr int kClientWidth = 298;
constexpr int kClientHeight = 115;
constexpr BYTE kOpacity = 200;
}  // namespace

TSplashForm::TSplashForm()
    : picture_(static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                 MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0,
                                                 LR_DEFAULTCOLOR))) {
    CreateForm("", WS_POPUP, WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClientWidth,
               kClientHeight);
    if (!::SetLayeredWindowAttributes(Handle(), 0, kOpacity, LWA_ALPHA))
        tk::ThrowLastError("SetLayeredWindowAttributes");
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
    ::SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TSplashForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
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

void ShowSplash() {
    SplashForm = std::make_unique<TSplashForm>();
    ::ShowWindow(SplashForm->Handle(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(SplashForm->Handle());
}

}  // namespace letterloom
