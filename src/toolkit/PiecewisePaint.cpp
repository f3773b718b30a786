#include "toolkit/PiecewisePaint.h"

#include <vector>

#include "toolkit/MemoryBitmap.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

namespace {

// More parts than this are painted as their bounding box: each part costs a whole painting of
// the control, most of it clipped away.
constexpr DWORD kMostParts = 8;

// The part of region that the visible siblings above control leave uncovered.
void RemoveCoveredParts(HWND control, HRGN region) {
    for (HWND above = ::GetWindow(control, GW_HWNDPREV); above;
         above = ::GetWindow(above, GW_HWNDPREV)) {
        if (!::IsWindowVisible(above)) continue;
        RECT bounds;
        ::GetWindowRect(above, &bounds);
        ::MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&bounds), 2);
        const UniqueRegion covered(::CreateRectRgnIndirect(&bounds));
        if (covered) ::CombineRgn(region, region, covered.get(), RGN_DIFF);
    }
}

std::vector<RECT> PartsOf(HRGN region) {
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER)) return {};
    std::vector<BYTE> data(size);
    auto* regionData = reinterpret_cast<RGNDATA*>(data.data());
    if (!::GetRegionData(region, size, regionData)) return {};
    const auto* rects = reinterpret_cast<const RECT*>(regionData->Buffer);
    if (regionData->rdh.nCount > kMostParts) return {regionData->rdh.rcBound};
    return {rects, rects + regionData->rdh.nCount};
}

void PaintPart(HWND control, HDC target, const RECT& part) {
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    if (width <= 0 || height <= 0) return;
    MemoryBitmap picture(width, height);
    ::SetViewportOrgEx(picture.DC(), -part.left, -part.top, nullptr);
    ::SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(picture.DC()), 0);
    ::SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.DC()), PRF_CLIENT);
    ::SetViewportOrgEx(picture.DC(), 0, 0, nullptr);
    ::BitBlt(target, part.left, part.top, width, height, picture.DC(), 0, 0, SRCCOPY);
}

}  // namespace

void PaintUncoveredParts(HWND control) {
    const UniqueRegion update(::CreateRectRgn(0, 0, 0, 0));
    if (update) ::GetUpdateRgn(control, update.get(), FALSE);
    const PaintScope paint(control);
    if (!update) return;
    RemoveCoveredParts(control, update.get());
    for (const RECT& part : PartsOf(update.get())) PaintPart(control, paint.get(), part);
}

}  // namespace tk
