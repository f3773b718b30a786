// The tab strip paints the parts its pages leave uncovered piece by piece; the pixels must be
// those of the strip's own painting.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/MemoryBitmap.h"
#include "toolkit/PageControl.h"
#include "toolkit/UniqueHandle.h"

namespace {

struct ShownWindow {
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20,
                                  640, 420, nullptr, nullptr, nullptr, nullptr);
    ~ShownWindow() { ::DestroyWindow(hwnd); }
};

RECT BoundsWithin(HWND window, HWND other) {
    RECT bounds;
    ::GetWindowRect(window, &bounds);
    ::MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

TEST(PiecewisePaintTest, TabStripShowsItsOwnPaintingWhereThePagesLeaveItUncovered) {
    ShownWindow window;
    tk::FontSpec font;
    font.name = "DejaVu Sans";
    font.height = -12;
    tk::PageControl pages;
    pages.Create(window.hwnd, font, 90);
    tk::TabSheet& first = pages.AddPage("first", "First");
    pages.AddPage("second", "Second");
    ::MoveWindow(pages.Handle(), 0, 0, 640, 420, TRUE);
    ::RedrawWindow(window.hwnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HWND strip = ::FindWindowExA(pages.Handle(), nullptr, "SysTabControl32", nullptr);
    ASSERT_NE(strip, nullptr);
    RECT update;
    EXPECT_FALSE(::GetUpdateRect(strip, &update, FALSE)) << "the painting validates the strip";

    RECT client;
    ::GetClientRect(strip, &client);
    tk::MemoryBitmap own(client.right, client.bottom);
    ::SendMessageA(strip, WM_ERASEBKGND, reinterpret_cast<WPARAM>(own.DC()), 0);
    ::SendMessageA(strip, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(own.DC()), PRF_CLIENT);
    tk::MemoryBitmap shown(client.right, client.bottom);
    ::BitBlt(shown.DC(), 0, 0, client.right, client.bottom, tk::WindowDC(strip).get(), 0, 0,
             SRCCOPY);

    const RECT page = BoundsWithin(first.Handle(), strip);
    int compared = 0, differing = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            if (::PtInRect(&page, {x, y})) continue;
            ++compared;
            if (own.Pixel(x, y) != shown.Pixel(x, y)) ++differing;
        }
    EXPECT_GT(compared, client.right * 10) << "the tabs and the pane's border are compared";
    EXPECT_EQ(differing, 0);
}

}  // namespace
