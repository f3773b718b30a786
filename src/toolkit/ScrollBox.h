#pragma once
// A box that shows one taller child (its content) through a vertical scroll bar. The content
// follows the thumb while it is dragged; the box can take the keyboard focus, so that the wheel
// reaches it.
#include <functional>

#include "toolkit/Window.h"

namespace tk {

class ScrollBox : public Window {
public:
    void Create(HWND parent);

    // The child that scrolls; it keeps its own size and is placed at the box's left edge.
    void SetContent(Window* content);
    // Call after the content's size changed: the range follows it, the position stays in it.
    void ContentResized();

    int Position() const { return position_; }
    // Held between 0 and RangeEnd().
    void SetPosition(int position);
    // The last position: the content's height less the visible height, at least 0.
    int RangeEnd() const;

    // A press and release of the left button on the box outside its content.
    std::function<void()> onClick;
    // The wheel turned while the box had the focus; positive away from the user, 120 a notch.
    // Without a handler the box scrolls by the distance.
    std::function<void(int distance)> onMouseWheel;
    // A key pressed while the box has the focus; true when it was used.
    std::function<bool(UINT key)> onKeyDown;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Scroll(WORD request);
    void UpdateScrollBar(bool redraw);
    // What the bar shows for the content and the position.
    SCROLLINFO BarInfo() const;
    bool BarShows(const SCROLLINFO& info) const;
    void PlaceContent();
    int VisibleHeight() const;

    Window* content_ = nullptr;
    int position_ = 0;
    bool pressed_ = false;
};

}  // namespace tk
