#pragma once
// Status bar docked at the bottom of its parent, of a fixed height, with panels of fixed widths
// and no size grip.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

class StatusBar : public Window {
public:
    void Create(HWND parent, const std::vector<int>& panelWidths, int height);
    // Re-docks the bar after its parent's size changed, then runs onResize.
    void ParentResized();
    // The text a panel shows (panels count from 0).
    void SetPanelText(int panel, const std::string& text);
    std::string PanelText(int panel) const;
    std::function<void()> onResize;

private:
    int height_ = 0;
};

class ProgressBar : public Window {
public:
    void Create(HWND parent);
    void SetMax(int max);
    int Max() const { return max_; }
    // The bar shows a new position at once when it is 0 or the maximum, otherwise at most once a
    // frame (the last one always shows): the control repaints itself on every change, which costs
    // far more than a step of the work it follows.
    void SetPosition(int position);
    int Position() const { return position_; }
    // A bar that runs to and fro, for work whose progress cannot be known; off, the bar shows its
    // position again.
    void SetMarquee(bool running);
    bool Marquee() const { return marquee_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowPosition();

    int max_ = 100;
    int position_ = 0;
    DWORD shownAt_ = 0;
    bool showPending_ = false;
    bool marquee_ = false;
};

}  // namespace tk
