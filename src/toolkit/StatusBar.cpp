#include "toolkit/StatusBar.h"

#include <commctrl.h>

#include <cstring>

namespace tk {

void StatusBar::Create(HWND parent, const std::vector<int>& panelWidths, int height) {
    height_ = height;
    // The control would size itself to its font (21 pixels under Wine); the toolkit docks it.
    CreateSystemControl(STATUSCLASSNAMEA, 0,
                        WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN, parent);
    std::vector<int> edges;
    int right = 0;
    for (int width : panelWidths) edges.push_back(right += width);
    ::SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::ParentResized() {
    RECT client{};
    ::GetClientRect(::GetParent(Handle()), &client);
    SetBounds(0, client.bottom - height_, client.right, height_);
    if (onResize) onResize();
}

void StatusBar::SetPanelText(int panel, const std::string& text) {
    // The same text again would only repaint the panel.
    if (PanelText(panel) == text) return;
    ::SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(panel),
                   reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::PanelText(int panel) const {
    // The length may come in characters rather than bytes: room for two bytes each.
    const WORD length = LOWORD(::SendMessageA(Handle(), SB_GETTEXTLENGTHA, panel, 0));
    std::string text(2 * static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(Handle(), SB_GETTEXTA, static_cast<WPARAM>(panel),
                   reinterpret_cast<LPARAM>(text.data()));
    text.resize(::strlen(text.c_str()));
    return text;
}

namespace {
constexpr UINT_PTR kShowTimer = 1;
constexpr DWORD kFrameMs = 16;
}  // namespace

void ProgressBar::Create(HWND parent) {
    CreateSystemControl(PROGRESS_CLASSA, 0, WS_CHILD | WS_VISIBLE, parent);
    SetMax(100);
}

void ProgressBar::SetMax(int max) {
    max_ = max;
    ::SendMessageA(Handle(), PBM_SETRANGE32, 0, max);
}

void ProgressBar::SetPosition(int position) {
    position_ = position;
    if (!HandleAllocated()) return;
    if (position == 0 || position >= max_ || ::GetTickCount() - shownAt_ >= kFrameMs) {
        ShowPosition();
    } else if (!showPending_) {
        showPending_ = ::SetTimer(Handle(), kShowTimer, kFrameMs, nullptr) != 0;
    }
}

void ProgressBar::ShowPosition() {
    if (showPending_) {
        ::KillTimer(Handle(), kShowTimer);
        showPending_ = false;
    }
    ::SendMessageA(Handle(), PBM_SETPOS, position_, 0);
    shownAt_ = ::GetTickCount();
}

void ProgressBar::SetMarquee(bool running) {
    if (!HandleAllocated() || running == marquee_) return;
    marquee_ = running;
    const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
    ::SetWindowLongPtrA(Handle(), GWL_STYLE, running ? style | PBS_MARQUEE : style & ~PBS_MARQUEE);
    ::SendMessageA(Handle(), PBM_SETMARQUEE, running, 0);
    if (!running) ShowPosition();
    Invalidate();
}

LRESULT ProgressBar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kShowTimer) {
        ShowPosition();
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace tk
