#include "toolkit/Form.h"

#include <utility>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/CallbackErrors.h"

namespace tk {

namespace {
constexpr const char* kFormClass = "LetterloomForm";

struct EnabledWindows {
    std::vector<HWND> windows;
    CallbackErrors errors;
};

BOOL CALLBACK CollectEnabledWindows(HWND hwnd, LPARAM param) {
    auto& enabled = *reinterpret_cast<EnabledWindows*>(param);
    return enabled.errors.Run([&] {
        if (::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) enabled.windows.push_back(hwnd);
    });
}
}  // namespace

Form::~Form() = default;

void Form::CreateForm(const std::string& caption, DWORD style, DWORD exStyle, int clientWidth,
                      int clientHeight, HWND owner, bool systemPlacement) {
    RegisterToolkitClass(kFormClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                         Application::Instance().Icon());
    CreateOwnClass(kFormClass, exStyle, style, owner, caption);
    if (HICON icon = Application::Instance().Icon()) {
        ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    if (!systemPlacement) {
        RECT r{0, 0, clientWidth, clientHeight};
        ::AdjustWindowRectEx(&r, style, ::GetMenu(Handle()) != nullptr, exStyle);
        ::SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (font_.HasFace()) SetFont(font_);
}

void Form::SetFont(const FontSpec& font) {
    font_ = font;
    fontHandle_ = ApplyFont(font_);
}

void Form::Close() {
    if (HandleAllocated()) ::SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

Form* Form::DialogKeysTarget(HWND hwnd) {
    HWND root = hwnd ? ::GetAncestor(hwnd, GA_ROOT) : nullptr;
    auto* form = dynamic_cast<Form*>(FromHandle(root));
    return form && form->dialogKeys_ ? form : nullptr;
}

void Form::AddShortcut(UINT key, unsigned modifiers, std::function<void()> action, HWND onlyIn) {
    shortcuts_.push_back({key, modifiers, onlyIn, std::move(action)});
}

bool Form::RunShortcut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    auto* form = dynamic_cast<Form*>(FromHandle(root));
    if (!form || form->shortcuts_.empty() || !::IsWindowEnabled(root)) return false;
    const auto held = [](int key, unsigned modifier) {
        return ::GetKeyState(key) < 0 ? modifier : 0u;
    };
    const unsigned modifiers =
        held(VK_SHIFT, kShiftHeld) | held(VK_CONTROL, kControlHeld) | held(VK_MENU, kAltHeld);
    for (const Shortcut& shortcut : form->shortcuts_) {
        if (shortcut.key != msg.wParam || shortcut.modifiers != modifiers) continue;
        if (shortcut.onlyIn && shortcut.onlyIn != msg.hwnd) continue;
        // Copied, since the action may add shortcuts.
        const std::function<void()> action = shortcut.action;
        try {
            action();
        } catch (...) {
            Application::Instance().HandleCurrentException();
        }
        return true;
    }
    return false;
}

int Form::ShowModal() {
    EnabledWindows enabled;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectEnabledWindows,
                        reinterpret_cast<LPARAM>(&enabled));
    enabled.errors.Rethrow();
    const std::vector<HWND> disabled = std::move(enabled.windows);
    for (HWND hwnd : disabled)
        if (hwnd != Handle()) ::EnableWindow(hwnd, FALSE);
    modal_ = true;
    modalResult_ = kModalNone;
    Show(true);
    ::SetForegroundWindow(Handle());
    Application& app = Application::Instance();
    while (modalResult_ == kModalNone && HandleAllocated() && !app.Terminated()) {
        if (!app.ProcessOneMessage()) {
            app.DoIdle();
            if (modalResult_ == kModalNone) app.WaitForMessage();
        }
    }
    for (HWND hwnd : disabled)
        if (hwnd != Handle()) ::EnableWindow(hwnd, TRUE);
    if (HandleAllocated()) Show(false);
    modal_ = false;
    return modalResult_;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE && focused_) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(Handle(), focus)) focused_ = focus;
    } else if (msg == WM_SETFOCUS && focused_ && ::IsWindow(focused_)) {
        ::SetFocus(focused_);
        return 0;
    }
    switch (msg) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(fontHandle_.get());
        case WM_SHOWWINDOW:
            if (wParam) FormShow();
            break;
        case WM_SIZE:
            // Minimised, the form shows nothing of its content: there is nothing to lay out.
            if (wParam != SIZE_MINIMIZED) FormResize();
            break;
        case WM_CLOSE:
            if (!FormCloseQuery()) return 0;
            if (modal_) {
                if (modalResult_ == kModalNone) modalResult_ = kModalCancel;
                return 0;
            }
            FormClose();
            if (Application::Instance().MainForm() == this)
                ::DestroyWindow(Handle());
            else
                Show(false);
            return 0;
        case WM_DESTROY:
            if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
            break;
        default:
            break;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace tk
