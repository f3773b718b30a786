#pragma once
// A plain child window that holds other controls and passes their notifications on to them.
#include <functional>

#include "toolkit/Window.h"

namespace tk {

class Panel : public Window {
public:
    void Create(HWND parent, DWORD extraStyle = 0);
    // Called when the panel's size changes, to lay out its children.
    std::function<void()> onResize;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HFONT font_ = nullptr;  // the font its children start with; owned by whoever set it
};

}  // namespace tk
