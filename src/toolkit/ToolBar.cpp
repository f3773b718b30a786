#include "toolkit/ToolBar.h"

#include <commctrl.h>

#include "toolkit/Action.h"
#include "toolkit/ImageList.h"

namespace tk {

void ToolBar::Create(HWND parent, const ImageList* images) {
    CreateSystemControl(TOOLBARCLASSNAMEA, 0,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                            CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                        parent);
    ::SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(Handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    if (images)
        ::SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images->Handle()));
}

UINT ToolBar::AddButton(int imageIndex, BYTE style, Button button) {
    button.id = nextId_++;
    TBBUTTON tb{};
    tb.iBitmap = imageIndex >= 0 ? imageIndex : I_IMAGENONE;
    tb.idCommand = static_cast<int>(button.id);
    tb.fsState = TBSTATE_ENABLED;
    tb.fsStyle = style;
    tb.iString = -1;
    ::SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
    buttons_.push_back(std::move(button));
    return buttons_.back().id;
}

UINT ToolBar::AddActionButton(Action& action, bool toggle) {
    Button button{};
    button.hint = action.hint.empty() ? action.caption : action.hint;
    button.action = &action;
    Action* target = &action;
    button.onClick = [target] { target->Execute(); };
    const UINT id =
        AddButton(action.imageIndex, toggle ? BTNS_CHECK : BTNS_BUTTON, std::move(button));
    HWND toolbar = Handle();
    action.AddClient([toolbar, id](const Action& changed) {
        ::SendMessageA(toolbar, TB_CHECKBUTTON, id, MAKELPARAM(changed.Checked(), 0));
        ::SendMessageA(toolbar, TB_ENABLEBUTTON, id, MAKELPARAM(changed.Enabled(), 0));
    });
    return id;
}

UINT ToolBar::AddSplitButton(int imageIndex, const std::string& hint, std::function<void()> onClick,
                             std::function<void(const RECT&)> onDropDown) {
    Button button{};
    button.hint = hint;
    button.onClick = std::move(onClick);
    button.onDropDown = std::move(onDropDown);
    return AddButton(imageIndex, BTNS_DROPDOWN, std::move(button));
}

void ToolBar::AddSeparator() {
    TBBUTTON tb{};
    tb.fsStyle = BTNS_SEP;
    ::SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
}

UINT ToolBar::AddControl(Window& control, int width) {
    const UINT id = nextId_++;
    TBBUTTON tb{};
    tb.iBitmap = width;
    tb.idCommand = static_cast<int>(id);
    tb.fsStyle = BTNS_SEP;
    ::SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
    hosted_.emplace_back(&control, id);
    RECT r{};
    ::SendMessageA(Handle(), TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
    control.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return id;
}

ToolBar::Button* ToolBar::Find(UINT id) {
    for (Button& button : buttons_)
        if (button.id == id) return &button;
    return nullptr;
}

const ToolBar::Button* ToolBar::Find(UINT id) const {
    for (const Button& button : buttons_)
        if (button.id == id) return &button;
    return nullptr;
}

bool ToolBar::ButtonChecked(UINT id) const {
    return ::SendMessageA(Handle(), TB_ISBUTTONCHECKED, id, 0) != 0;
}

std::string ToolBar::ButtonHint(UINT id) const {
    const Button* button = Find(id);
    return button ? button->hint : std::string();
}

RECT ToolBar::ButtonRect(UINT id) const {
    RECT r{};
    ::SendMessageA(Handle(), TB_GETRECT, id, reinterpret_cast<LPARAM>(&r));
    return r;
}

void ToolBar::ClickButton(UINT id) {
    Button* button = Find(id);
    if (!button) return;
    // The toolbar flips a toggle by itself; the pressed state always shows the action's state.
    if (button->action)
        ::SendMessageA(Handle(), TB_CHECKBUTTON, id, MAKELPARAM(button->action->Checked(), 0));
    if (button->onClick) button->onClick();
}

void ToolBar::DropDownButton(UINT id) {
    Button* button = Find(id);
    if (!button || !button->onDropDown) return;
    RECT r = ButtonRect(id);
    ::MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    button->onDropDown(r);
}

void ToolBar::OnCommand(WORD, WORD id) { ClickButton(id); }

LRESULT ToolBar::OnNotify(NMHDR* header) {
    if (header->code == TBN_DROPDOWN) {
        DropDownButton(static_cast<UINT>(reinterpret_cast<NMTOOLBARA*>(header)->iItem));
        return TBDDRET_DEFAULT;
    }
    if (header->code == TBN_GETINFOTIPA) {
        auto* tip = reinterpret_cast<NMTBGETINFOTIPA*>(header);
        if (const Button* button = Find(static_cast<UINT>(tip->iItem)))
            ::lstrcpynA(tip->pszText, button->hint.c_str(), tip->cchTextMax);
        return 0;
    }
    if (header->code == TBN_GETINFOTIPW) {
        auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(header);
        if (const Button* button = Find(static_cast<UINT>(tip->iItem)))
            ::MultiByteToWideChar(CP_ACP, 0, button->hint.c_str(), -1, tip->pszText,
                                  tip->cchTextMax);
        return 0;
    }
    return 0;
}

}  // namespace tk
