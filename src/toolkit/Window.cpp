#include "toolkit/Window.h"

#include <commctrl.h>

#include <vector>

#include "logic/DoubleByteText.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/Menu.h"

namespace tk {

// The object behind a window lives in its GWLP_USERDATA, which is read without a trip to the
// window server (window properties and comctl32's subclass chain both cost one per message under
// Wine). Only windows running one of the toolkit's procedures are taken as the toolkit's.

Window::~Window() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    if (originalProc_)
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    ::DestroyWindow(hwnd);
}

void Window::AddMenu(Menu& menu) { menus_.push_back(&menu); }

void Window::RemoveMenu(Menu& menu) { std::erase(menus_, &menu); }

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    const auto proc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    if (proc != OwnClassProc && proc != SubclassProc) return nullptr;
    return reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Window::RegisterToolkitClass(const char* className, UINT classStyle, HBRUSH background,
                                  HICON icon) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExA(::GetModuleHandleA(nullptr), className, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = OwnClassProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    if (!::RegisterClassExA(&wc)) ThrowLastError(std::string("RegisterClass ") + className);
}

void Window::CreateOwnClass(const char* className, DWORD exStyle, DWORD style, HWND parent,
                            const std::string& text) {
    const bool child = (style & WS_CHILD) != 0;
    HWND hwnd = ::CreateWindowExA(exStyle, className, text.c_str(), style,
                                  child ? 0 : CW_USEDEFAULT, child ? 0 : CW_USEDEFAULT,
                                  child ? 0 : CW_USEDEFAULT, child ? 0 : CW_USEDEFAULT, parent,
                                  nullptr, ::GetModuleHandleA(nullptr), this);
    if (!hwnd) ThrowLastError(std::string("CreateWindow ") + className);
}

void Window::CreateSystemControl(const char* className, DWORD exStyle, DWORD style, HWND parent,
                                 const std::string& text) {
    HWND hwnd = ::CreateWindowExA(exStyle, className, text.c_str(), style, 0, 0, 0, 0, parent,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) ThrowLastError(std::string("CreateWindow ") + className);
    hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    originalProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    if (parent) ::SendMessageA(hwnd, WM_SETFONT, ::SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
}

LRESULT CALLBACK Window::OwnClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self && msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self || self->hwnd_ != hwnd) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Nothing may leave here by an exception: the caller is the system's message dispatch.
    try {
        if (msg == WM_NCDESTROY) return Destroyed(msg, wParam, lParam);
        return HandleMessage(msg, wParam, lParam);
    } catch (...) {
        Application::Instance().HandleCurrentException();
    }
    return 0;
}

LRESULT Window::Destroyed(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    const WNDPROC original = originalProc_;
    if (original) ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    originalProc_ = nullptr;
    const LRESULT result = original ? ::CallWindowProcA(original, hwnd, msg, wParam, lParam)
                                    : ::DefWindowProcA(hwnd, msg, wParam, lParam);
    OnHandleDestroyed();
    return result;
}

LRESULT Window::ForwardToChild(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    switch (msg) {
        case WM_COMMAND:
            if (lParam != 0) {
                if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                    handled = true;
                    child->OnCommand(HIWORD(wParam), LOWORD(wParam));
                }
            } else if (HIWORD(wParam) <= 1) {
                for (Menu* menu : std::vector<Menu*>(menus_))
                    if (menu->Execute(LOWORD(wParam))) {
                        handled = true;
                        break;
                    }
            }
            return 0;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (Window* child = FromHandle(header->hwndFrom)) {
                handled = true;
                return child->OnNotify(header);
            }
            return 0;
        }
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU) {
                for (const Menu* menu : menus_)
                    if ((handled = menu->DrawItem(item))) break;
            } else if (Window* child = FromHandle(item->hwndItem)) {
                handled = true;
                child->OnDrawItem(item);
            }
            return TRUE;
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item->CtlType == ODT_MENU) {
                for (const Menu* menu : menus_)
                    if ((handled = menu->MeasureItem(item))) break;
            } else if (HWND control = ::GetDlgItem(hwnd_, static_cast<int>(item->CtlID))) {
                if (Window* child = FromHandle(control)) {
                    handled = true;
                    child->OnMeasureItem(item);
                }
            }
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = child->OnControlColor(reinterpret_cast<HDC>(wParam))) {
                    handled = true;
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    const LRESULT result = ForwardToChild(msg, wParam, lParam, handled);
    if (handled) return result;
    return DefaultHandling(msg, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return originalProc_ ? ::CallWindowProcA(originalProc_, hwnd_, msg, wParam, lParam)
                         : ::DefWindowProcA(hwnd_, msg, wParam, lParam);
}

UniqueFont Window::ApplyFont(const FontSpec& font) {
    const LOGFONTA lf = font.ToLogFont();
    UniqueFont created(::CreateFontIndirectA(&lf));
    if (!created) throw Error("CreateFont " + font.name);
    if (hwnd_) ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
    return created;
}

void Window::SetBounds(int left, int top, int width, int height) {
    ::SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Window::BoundsRect() const {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    if (HWND parent = ::GetParent(hwnd_); parent && (::GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT Window::ClientRect() const {
    RECT r{};
    ::GetClientRect(hwnd_, &r);
    return r;
}

int Window::Width() const {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    return r.right - r.left;
}

int Window::Height() const {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

void Window::Show(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }

bool Window::Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

void Window::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled); }

void Window::SetFocus() { ::SetFocus(hwnd_); }

bool Window::Focused() const { return hwnd_ && ::GetFocus() == hwnd_; }

void Window::Invalidate(bool erase) { ::InvalidateRect(hwnd_, nullptr, erase); }

void Window::Repaint() {
    ::InvalidateRect(hwnd_, nullptr, TRUE);
    ::UpdateWindow(hwnd_);
}

std::string Window::Text() const {
    const int length = ::GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
    return text;
}

void Window::SetText(const std::string& text) {
    ::SetWindowTextA(hwnd_, logic::WholeCharacters(text).c_str());
}

}  // namespace tk
