#pragma once
// An editable text box with a drop-down list of entries. Only the user's changes are reported:
// typing in the box, or choosing an entry of the list.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

class ComboBox : public Window {
public:
    void Create(HWND parent);

    void SetFont(const FontSpec& font);
    const FontSpec& GetFont() const { return font_; }
    void SetItems(const std::vector<std::string>& items);
    int Count() const;
    std::string Item(int index) const;

    // Centres the box vertically in slot; the list drops below it, tall enough for visibleItems.
    void PlaceIn(const RECT& slot, int visibleItems);
    // The text box inside, where the user types.
    HWND EditHandle() const;

    // The text changed by the user; Text() already holds the new text, also for a chosen entry.
    std::function<void()> onChange;

    void OnCommand(WORD code, WORD id) override;

private:
    FontSpec font_;
    UniqueFont fontHandle_;
};

}  // namespace tk
