#pragma once
// Push buttons, radio buttons and group frames.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

class Button : public Window {
public:
    // id lets the dialog keys find the button: IDOK for the default one (Enter), IDCANCEL for the
    // one Esc presses.
    void Create(HWND parent, const std::string& caption, int id = 0, DWORD style = BS_PUSHBUTTON);
    void Click() {
        if (onClick) onClick();
    }
    std::function<void()> onClick;
    void OnCommand(WORD code, WORD id) override;
};

// A framed group of radio buttons of which one is selected; its items are siblings of the frame.
class RadioGroup {
public:
    void Create(HWND parent, const std::string& caption, const std::vector<std::string>& items,
                const RECT& bounds);
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The user selected another item.
    std::function<void()> onClick;
    Button& Item(int index) { return *items_[static_cast<size_t>(index)]; }

private:
    Button frame_;
    std::vector<std::unique_ptr<Button>> items_;
};

}  // namespace tk
