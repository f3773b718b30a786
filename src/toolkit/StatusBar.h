#pragma once
// Status bar docked at the bottom of its parent, with panels of fixed widths.
#include <functional>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

class StatusBar : public Window {
public:
    void Create(HWND parent, const std::vector<int>& panelWidths);
    // Re-docks the bar after its parent's size changed, then runs onResize.
    void ParentResized();
    std::function<void()> onResize;
};

class ProgressBar : public Window {
public:
    void Create(HWND parent);
    void SetMax(int max);
    int Max() const;
    void SetPosition(int position);
    int Position() const;
};

}  // namespace tk
