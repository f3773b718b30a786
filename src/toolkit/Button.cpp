#include "toolkit/Button.h"

namespace tk {

void Button::Create(HWND parent, const std::string& caption, int id, bool isDefault) {
    CreateSystemControl(
        "BUTTON", 0,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), parent,
        caption);
    ::SetWindowLongPtrA(Handle(), GWLP_ID, id);
}

void Button::OnCommand(WORD code, WORD) {
    if (code == BN_CLICKED && onClick)
        onClick();
}

void GroupBox::Create(HWND parent, const std::string& caption) {
    CreateSystemControl("BUTTON", 0, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, parent, caption);
}

}  // namespace tk
