// A stand-in for the HTML Help library: it shows nothing, and calls the test back each time it is
// asked to close its viewers, so that the test sees when that happens.
#include <windows.h>

namespace {

constexpr UINT kCloseAllViewers = 0x0012;  // HH_CLOSE_ALL

using CloseListener = void (*)(void* context);

struct Listener {
    CloseListener call = nullptr;
    void* context = nullptr;
};

Listener& TheListener() {
    static Listener listener;
    return listener;
}

}  // namespace

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND, LPCSTR, UINT command, DWORD_PTR) {
    const Listener& listener = TheListener();
    if (command == kCloseAllViewers && listener.call) listener.call(listener.context);
    return nullptr;
}

extern "C" __declspec(dllexport) void ListenForCloseAll(CloseListener call, void* context) {
    TheListener() = Listener{call, context};
}
