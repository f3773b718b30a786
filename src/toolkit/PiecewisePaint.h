#pragma once
// Painting a control that siblings mostly cover, such as a tab strip under its pages.
#include <windows.h>

namespace tk {

// Answers the control's WM_PAINT: only the parts of its update region that no visible sibling
// above it covers are drawn, each by the control itself (WM_ERASEBKGND, then WM_PRINTCLIENT)
// into a bitmap of that part's size and copied to the window. The pixels are those of the
// control's own painting; but drawing that stretches over the whole control (a themed tab
// pane) costs only the size of the parts, where a clip region alone does not shorten it.
void PaintUncoveredParts(HWND control);

}  // namespace tk
