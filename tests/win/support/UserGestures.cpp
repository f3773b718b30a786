#include "support/UserGestures.h"

#include <commctrl.h>

namespace testsupport {

namespace {
BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != ::GetCurrentProcessId()) return TRUE;
    if (tk::Window* window = tk::Window::FromHandle(hwnd))
        reinterpret_cast<std::vector<tk::Window*>*>(param)->push_back(window);
    return TRUE;
}
}  // namespace

std::vector<tk::Window*> ProcessTopLevelWindows() {
    std::vector<tk::Window*> windows;
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void ClickListItem(tk::ListBox& list, int index, WPARAM keys) {
    RECT item{};
    ::SendMessageA(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, keys, point);
    Pump();
}

void PressKey(HWND hwnd, UINT key, bool shift, bool control) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(state);
    ::SendMessageA(hwnd, WM_KEYDOWN, key, 1);
    ::SendMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
    state[VK_SHIFT] = state[VK_CONTROL] = 0;
    ::SetKeyboardState(state);
    Pump();
}

void TypeText(HWND hwnd, const std::string& text) {
    for (const char byte : text) ::SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(byte), 1);
    Pump();
}

void PostKeyPress(HWND hwnd, UINT key, bool control) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(state);
    ::PostMessageA(hwnd, WM_KEYDOWN, key, 1);
    ::PostMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
    Pump();
    state[VK_CONTROL] = 0;
    ::SetKeyboardState(state);
    Pump();
}

bool ClickTabShowing(tk::PageControl& pages, const std::string& caption) {
    const auto captions = pages.VisibleTabCaptions();
    HWND strip = ::FindWindowExA(pages.Handle(), nullptr, WC_TABCONTROLA, nullptr);
    for (size_t tab = 0; strip && tab < captions.size(); ++tab) {
        if (captions[tab] != caption) continue;
        RECT r{};
        TabCtrl_GetItemRect(strip, static_cast<int>(tab), &r);
        const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageA(strip, WM_LBUTTONUP, 0, point);
        Pump();
        return true;
    }
    return false;
}

}  // namespace testsupport
