/*
 * Keeps Wine's desktop open for a whole test run.
 *
 * Wine closes the desktop (and its explorer.exe process) one second after the
 * last program that used it has ended, and the next program starts it again.
 * The explorer process inherits the standard error of the program that started
 * it, so under ctest every program with a window would keep its test's output
 * pipe open for that second. This program starts the desktop with its own
 * streams on /dev/null and stays on it, hidden, until the wineserver is stopped.
 *
 * Usage: desktop-anchor.exe [ready-file]   (the file is written once the desktop runs)
 */
#include <windows.h>

static LRESULT CALLBACK anchor_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
    WNDCLASSW window_class = {0};
    MSG message;
    (void)previous;
    (void)show;

    window_class.lpfnWndProc = anchor_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"LetterloomTestDesktopAnchor";
    if (!RegisterClassW(&window_class)) return 1;
    if (!CreateWindowExW(WS_EX_TOOLWINDOW, window_class.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1,
                         NULL, NULL, instance, NULL))
        return 1;
    if (!GetDesktopWindow()) return 1;

    if (command_line && *command_line) {
        HANDLE ready = CreateFileA(command_line, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (ready == INVALID_HANDLE_VALUE) return 1;
        CloseHandle(ready);
    }

    while (GetMessageW(&message, NULL, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
