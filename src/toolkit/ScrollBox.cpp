#include "toolkit/ScrollBox.h"

#include <algorithm>

namespace tk {

namespace {
constexpr const char* kScrollBoxClass = "LetterloomScrollBox";
// Pixels per click on an arrow of the scroll bar.
constexpr int kLineStep = 8;
}  // namespace

void ScrollBox::Create(HWND parent) {
    RegisterToolkitClass(kScrollBoxClass);
    CreateOwnClass(
        kScrollBoxClass, WS_EX_CONTROLPARENT,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL,
        parent);
    UpdateScrollBar(true);
}

void ScrollBox::SetContent(Window* content) {
    content_ = content;
    ContentResized();
}

void ScrollBox::ContentResized() {
    position_ = std::clamp(position_, 0, RangeEnd());
    // An unchanged bar is left alone: setting it again would have its frame drawn once more.
    if (HandleAllocated() && BarShows(BarInfo())) {
        PlaceContent();
        return;
    }
    // Showing, hiding or resizing the bar repaints the frame at once, which costs more than all
    // the rest of a new picture; with drawing held, the frame and the content are repainted
    // together with the next paint.
    // (Drawing is let go by setting the visible style again, so a hidden box is left alone.)
    const bool shown = HandleAllocated() && (::GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE);
    if (shown) ::SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    UpdateScrollBar(false);
    PlaceContent();
    if (!shown) return;
    ::SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

int ScrollBox::RangeEnd() const {
    if (!content_ || !content_->HandleAllocated() || !HandleAllocated()) return 0;
    return std::max(0, content_->Height() - VisibleHeight());
}

int ScrollBox::VisibleHeight() const { return static_cast<int>(ClientRect().bottom); }

void ScrollBox::SetPosition(int position) {
    position = std::clamp(position, 0, RangeEnd());
    if (position == position_) return;
    position_ = position;
    UpdateScrollBar(true);
    PlaceContent();
}

SCROLLINFO ScrollBox::BarInfo() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = content_ && content_->HandleAllocated() ? content_->Height() - 1 : 0;
    info.nPage = static_cast<UINT>(std::max(0, VisibleHeight()));
    info.nPos = position_;
    return info;
}

bool ScrollBox::BarShows(const SCROLLINFO& info) const {
    SCROLLINFO shown{};
    shown.cbSize = sizeof shown;
    shown.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    return ::GetScrollInfo(Handle(), SB_VERT, &shown) && shown.nMin == info.nMin &&
           shown.nMax == info.nMax && shown.nPage == info.nPage && shown.nPos == info.nPos;
}

void ScrollBox::UpdateScrollBar(bool redraw) {
    if (!HandleAllocated()) return;
    SCROLLINFO info = BarInfo();
    ::SetScrollInfo(Handle(), SB_VERT, &info, redraw);
}

void ScrollBox::PlaceContent() {
    if (!content_ || !content_->HandleAllocated()) return;
    // Placing it where it is would cost a round of window moving all the same.
    const RECT bounds = content_->BoundsRect();
    if (bounds.left == 0 && bounds.top == -position_) return;
    ::SetWindowPos(content_->Handle(), nullptr, 0, -position_, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScrollBox::Scroll(WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(Handle(), SB_VERT, &info);
    const int page = std::max(1, VisibleHeight());
    switch (request) {
        case SB_LINEUP:
            SetPosition(position_ - kLineStep);
            break;
        case SB_LINEDOWN:
            SetPosition(position_ + kLineStep);
            break;
        case SB_PAGEUP:
            SetPosition(position_ - page);
            break;
        case SB_PAGEDOWN:
            SetPosition(position_ + page);
            break;
        case SB_TOP:
            SetPosition(0);
            break;
        case SB_BOTTOM:
            SetPosition(RangeEnd());
            break;
        // The content follows the thumb while it is dragged, not only when it is let go.
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            SetPosition(info.nTrackPos);
            break;
        default:
            break;
    }
}

LRESULT ScrollBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_VSCROLL:
            Scroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL: {
            const int distance = GET_WHEEL_DELTA_WPARAM(wParam);
            if (onMouseWheel)
                onMouseWheel(distance);
            else
                SetPosition(position_ - distance);
            return 0;
        }
        case WM_KEYDOWN:
            if (onKeyDown && onKeyDown(static_cast<UINT>(wParam))) return 0;
            return Window::HandleMessage(msg, wParam, lParam);
        case WM_SIZE:
            ContentResized();
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                if (onClick) onClick();
            }
            return 0;
        case WM_GETFONT:
            return ::SendMessageA(::GetParent(Handle()), WM_GETFONT, 0, 0);
        default:
            return Window::HandleMessage(msg, wParam, lParam);
    }
}

}  // namespace tk
