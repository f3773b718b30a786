#include "toolkit/ColorPalette.h"

#include <commctrl.h>

#include "toolkit/Canvas.h"
#include "toolkit/StandardColors.h"

namespace tk {

namespace {

constexpr const char* kPaletteClass = "LetterloomColorPalette";
constexpr int kCellSize = 18;
constexpr int kMargin = 2;
// The colour swatch inside a cell, leaving room for the hot and chosen frames.
constexpr int kSwatchInset = 3;
constexpr Color kSwatchFrame = RGB(128, 128, 128);

constexpr int kClientWidth = 2 * kMargin + kStandardColorColumns * kCellSize;
constexpr int kClientHeight = 2 * kMargin + kStandardColorRows * kCellSize;

// Toolbar-style tints: a pale highlight behind the hot cell, a stronger one behind the chosen.
COLORREF Blend(COLORREF a, COLORREF b, int percentOfA) {
    auto mix = [&](int shift) {
        const int ca = (a >> shift) & 0xFF;
        const int cb = (b >> shift) & 0xFF;
        return static_cast<COLORREF>((ca * percentOfA + cb * (100 - percentOfA)) / 100) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

}  // namespace

void ColorPalette::Create(HWND owner) {
    RegisterToolkitClass(kPaletteClass, CS_DROPSHADOW, reinterpret_cast<HBRUSH>(COLOR_MENU + 1));
    CreateOwnClass(kPaletteClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP | WS_BORDER, owner);
    RECT r{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    ::SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    AddToolTips();
}

void ColorPalette::AddToolTips() {
    tips_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                              nullptr, ::GetModuleHandleA(nullptr), nullptr);
    const auto& colors = StandardColors();
    for (int cell = 0; cell < static_cast<int>(colors.size()); ++cell) {
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = static_cast<UINT_PTR>(cell);
        tool.rect = CellRect(cell);
        tool.lpszText = const_cast<char*>(colors[static_cast<size_t>(cell)].name);
        ::SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void ColorPalette::SetChosen(Color color) {
    chosen_ = color;
    if (HandleAllocated()) Invalidate();
}

int ColorPalette::ChosenCell() const {
    const auto& colors = StandardColors();
    for (size_t cell = 0; cell < colors.size(); ++cell)
        if (colors[cell].color == chosen_) return static_cast<int>(cell);
    return -1;
}

RECT ColorPalette::CellRect(int cell) {
    const int left = kMargin + (cell % kStandardColorColumns) * kCellSize;
    const int top = kMargin + (cell / kStandardColorColumns) * kCellSize;
    return RECT{left, top, left + kCellSize, top + kCellSize};
}

int ColorPalette::CellAt(POINT client) {
    const int x = client.x - kMargin;
    const int y = client.y - kMargin;
    if (x < 0 || y < 0) return -1;
    const int column = x / kCellSize;
    const int row = y / kCellSize;
    if (column >= kStandardColorColumns || row >= kStandardColorRows) return -1;
    return row * kStandardColorColumns + column;
}

void ColorPalette::Popup(int x, int y) {
    if (open_) return;
    // Keep the grid on the screen that holds the point.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    if (x + Width() > work.right) x = work.right - Width();
    if (y + Height() > work.bottom) y = work.bottom - Height();
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;

    open_ = true;
    hot_ = -1;
    ::SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::SetCapture(Handle());
    while (open_) {
        MSG msg{};
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // Leave the quit request for the main loop.
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            Close();
            break;
        }
        if (msg.message == WM_KEYDOWN && HandleKey(msg.wParam)) continue;
        if (msg.message == WM_SYSKEYDOWN || msg.message == WM_KEYDOWN) {
            Close();
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void ColorPalette::Close() {
    if (!open_) return;
    open_ = false;
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    ::SendMessageA(tips_, TTM_POP, 0, 0);
    ::ShowWindow(Handle(), SW_HIDE);
}

void ColorPalette::Pick(int cell) {
    if (cell < 0) return;
    chosen_ = StandardColors()[static_cast<size_t>(cell)].color;
    Close();
    if (onChange) onChange();
}

void ColorPalette::SetHot(int cell) {
    if (cell == hot_) return;
    hot_ = cell;
    Invalidate(false);
}

bool ColorPalette::HandleKey(WPARAM key) {
    const int last = kStandardColorColumns * kStandardColorRows - 1;
    const int from = hot_ >= 0 ? hot_ : (ChosenCell() >= 0 ? ChosenCell() : 0);
    switch (key) {
        case VK_ESCAPE:
            Close();
            return true;
        case VK_RETURN:
        case VK_SPACE:
            if (hot_ >= 0) Pick(hot_);
            return true;
        case VK_LEFT:
            SetHot(hot_ < 0 ? from : (from > 0 ? from - 1 : last));
            return true;
        case VK_RIGHT:
            SetHot(hot_ < 0 ? from : (from < last ? from + 1 : 0));
            return true;
        case VK_UP:
            SetHot(hot_ < 0 ? from : (from - kStandardColorColumns + last + 1) % (last + 1));
            return true;
        case VK_DOWN:
            SetHot(hot_ < 0 ? from : (from + kStandardColorColumns) % (last + 1));
            return true;
        default:
            return false;
    }
}

void ColorPalette::Paint(HDC dc) {
    Canvas canvas(dc);
    const COLORREF face = ::GetSysColor(COLOR_MENU);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    canvas.brushColor = static_cast<Color>(face);
    canvas.FillRect(RECT{0, 0, kClientWidth, kClientHeight});
    const auto& colors = StandardColors();
    const int chosen = ChosenCell();
    for (int cell = 0; cell < static_cast<int>(colors.size()); ++cell) {
        const RECT r = CellRect(cell);
        if (cell == chosen || cell == hot_) {
            canvas.penColor = static_cast<Color>(highlight);
            canvas.brushColor =
                static_cast<Color>(Blend(highlight, face, cell == chosen ? 40 : 20));
            canvas.Rectangle(r.left, r.top, r.right, r.bottom);
        }
        canvas.penColor = kSwatchFrame;
        canvas.brushColor = colors[static_cast<size_t>(cell)].color;
        canvas.Rectangle(r.left + kSwatchInset, r.top + kSwatchInset, r.right - kSwatchInset,
                         r.bottom - kSwatchInset);
    }
}

LRESULT ColorPalette::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
        case WM_PAINT: {
            PaintScope paint(Handle());
            Paint(paint.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            SetHot(CellAt(at));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            const RECT client = ClientRect();
            // A press outside dismisses the grid, as a click beside a menu does.
            if (!::PtInRect(&client, at)) Close();
            return 0;
        }
        case WM_LBUTTONUP:
            Pick(CellAt(at));
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Handle()) Close();
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return Window::HandleMessage(msg, wParam, lParam);
    }
}

}  // namespace tk
