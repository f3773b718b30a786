#pragma once
// A flat toolbar with tooltips: buttons bound to actions (plain or toggles), split buttons with a
// drop-down part, separators, and other controls (labels, edits, combo boxes) hosted in place.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

class Action;
class ImageList;

class ToolBar : public Window {
public:
    void Create(HWND parent, const ImageList* images);

    // A button that runs the action; a toggle shows the action's checked state.
    UINT AddActionButton(Action& action, bool toggle);
    // A button with a main part (onClick) and a drop-down arrow (onDropDown gets the button's
    // rectangle in screen coordinates).
    UINT AddSplitButton(int imageIndex, const std::string& hint, std::function<void()> onClick,
                        std::function<void(const RECT&)> onDropDown);
    void AddSeparator();
    // Reserves width pixels and places control there; control must have this toolbar as parent.
    // Returns the id of the reserved slot.
    UINT AddControl(Window& control, int width);

    // What the user would see pressed, and the tooltip text, of a button.
    bool ButtonChecked(UINT id) const;
    std::string ButtonHint(UINT id) const;
    RECT ButtonRect(UINT id) const;
    // A click on a button's main part, as the toolbar reports it.
    void ClickButton(UINT id);
    void DropDownButton(UINT id);

    void OnCommand(WORD code, WORD id) override;
    LRESULT OnNotify(NMHDR* header) override;

private:
    struct Button {
        UINT id;
        std::string hint;
        std::function<void()> onClick;
        std::function<void(const RECT&)> onDropDown;
        Action* action = nullptr;
    };
    UINT AddButton(int imageIndex, BYTE style, Button button);
    Button* Find(UINT id);
    const Button* Find(UINT id) const;

    std::vector<Button> buttons_;
    std::vector<std::pair<Window*, UINT>> hosted_;
    UINT nextId_ = 100;
};

}  // namespace tk
