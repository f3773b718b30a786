#include "toolkit/StatusBar.h"

#include <commctrl.h>

namespace tk {

void StatusBar::Create(HWND parent, const std::vector<int>& panelWidths) {
    CreateSystemControl(STATUSCLASSNAMEA, 0, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, parent);
    std::vector<int> edges;
    int right = 0;
    for (int width : panelWidths) edges.push_back(right += width);
    ::SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::ParentResized() {
    ::SendMessageA(Handle(), WM_SIZE, 0, 0);
    if (onResize) onResize();
}

void ProgressBar::Create(HWND parent) {
    CreateSystemControl(PROGRESS_CLASSA, 0, WS_CHILD | WS_VISIBLE, parent);
    SetMax(100);
}

void ProgressBar::SetMax(int max) { ::SendMessageA(Handle(), PBM_SETRANGE32, 0, max); }

int ProgressBar::Max() const {
    return static_cast<int>(::SendMessageA(Handle(), PBM_GETRANGE, FALSE, 0));
}

void ProgressBar::SetPosition(int position) { ::SendMessageA(Handle(), PBM_SETPOS, position, 0); }

int ProgressBar::Position() const {
    return static_cast<int>(::SendMessageA(Handle(), PBM_GETPOS, 0, 0));
}

}  // namespace tk
