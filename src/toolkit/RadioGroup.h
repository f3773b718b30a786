#pragma once
// Radio buttons in a frame.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Button.h"

namespace tk {

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
