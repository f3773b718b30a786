#include "toolkit/SpinEdit.h"

#include <windowsx.h>

#include <string>

#include "logic/SpinValue.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

namespace {
constexpr const char* kSpinButtonClass = "LetterloomSpinButton";
constexpr UINT_PTR kRepeatTimer = 1;
}  // namespace

void SpinButton::Create(HWND parent) {
    RegisterToolkitClass(kSpinButtonClass, 0);
    CreateOwnClass(kSpinButtonClass, 0, WS_CHILD | WS_VISIBLE, parent);
}

LRESULT SpinButton::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            Press(GET_Y_LPARAM(lParam) < ClientRect().bottom / 2 ? 1 : -1);
            return 0;
        case WM_TIMER:
            if (wParam == kRepeatTimer && pressed_ != 0) {
                if (!repeating_) {
                    repeating_ = true;
                    StartTimer(kRepeatMs);
                }
                if (onStep) onStep(pressed_);
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            Release();
            return 0;
        default:
            return Window::HandleMessage(msg, wParam, lParam);
    }
}

void SpinButton::Press(int32_t delta) {
    pressed_ = delta;
    repeating_ = false;
    ::SetCapture(Handle());
    StartTimer(kFirstRepeatMs);
    Invalidate(false);
    if (onStep) onStep(delta);
}

void SpinButton::Release() {
    if (pressed_ == 0) return;
    pressed_ = 0;
    if (clock_)
        clock_->Stop(Handle(), kRepeatTimer);
    else
        ::KillTimer(Handle(), kRepeatTimer);
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    Invalidate(false);
}

void SpinButton::StartTimer(UINT ms) {
    if (clock_)
        clock_->Start(Handle(), kRepeatTimer, ms);
    else
        ::SetTimer(Handle(), kRepeatTimer, ms, nullptr);
}

void SpinButton::Paint() {
    const PaintScope paint(Handle());
    HDC dc = paint.get();
    const RECT client = ClientRect();
    RECT up{0, 0, client.right, client.bottom / 2};
    RECT down{0, client.bottom / 2, client.right, client.bottom};
    ::DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | (pressed_ > 0 ? DFCS_PUSHED : 0));
    ::DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | (pressed_ < 0 ? DFCS_PUSHED : 0));
}

void SpinEdit::Create(HWND parent) {
    Edit::Create(parent, Lines::Single, 0, WS_EX_CLIENTEDGE);
    buttons_.Create(parent);
    buttons_.onStep = [this](int32_t delta) { Step(delta); };
    char separator[8] = {};
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0)
        decimalSeparator_ = separator[0];
}

void SpinEdit::Place(int left, int top, int width, int height) {
    SetBounds(left, top, width - kButtonWidth, height);
    buttons_.SetBounds(left + width - kButtonWidth, top, kButtonWidth, height);
}

int32_t SpinEdit::Value() const { return logic::SpinValue(Text()); }

void SpinEdit::SetValue(int32_t value) { SetText(std::to_string(value)); }

void SpinEdit::Step(int32_t delta) {
    SetValue(logic::SpinStep(Value(), delta));
    ::SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

LRESULT SpinEdit::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        Step(wParam == VK_UP ? 1 : -1);
        return 0;
    }
    if (msg == WM_CHAR && !logic::IsSpinChar(static_cast<char>(wParam), decimalSeparator_)) {
        // Enter belongs to the form's default button; anything else is refused audibly.
        if (wParam != '\r') ::MessageBeep(0);
        return 0;
    }
    return Edit::HandleMessage(msg, wParam, lParam);
}

}  // namespace tk
