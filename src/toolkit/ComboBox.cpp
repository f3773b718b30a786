#include "toolkit/ComboBox.h"

namespace tk {

void ComboBox::Create(HWND parent) {
    CreateSystemControl(
        "COMBOBOX", 0,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, parent);
    if (font_.HasFace()) SetFont(font_);
}

void ComboBox::SetFont(const FontSpec& font) {
    font_ = font;
    fontHandle_ = ApplyFont(font_);
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
    ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    for (const auto& item : items)
        ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBox::Count() const {
    return static_cast<int>(::SendMessageA(Handle(), CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Item(int index) const {
    const LRESULT length = ::SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void ComboBox::PlaceIn(const RECT& slot, int visibleItems) {
    // The window's height includes the dropped list; the closed box keeps the font's height.
    const int boxHeight = Height();
    const int itemHeight = static_cast<int>(::SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0));
    const int top = slot.top + (slot.bottom - slot.top - boxHeight) / 2;
    SetBounds(slot.left, top, slot.right - slot.left, boxHeight + itemHeight * visibleItems + 2);
}

HWND ComboBox::EditHandle() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(Handle(), &info);
    return info.hwndItem;
}

void ComboBox::OnCommand(WORD code, WORD) {
    if (code == CBN_EDITCHANGE) {
        if (onChange) onChange();
    } else if (code == CBN_SELCHANGE) {
        // The box shows the chosen entry only after this notification; show it now, so that
        // the handler reads what the user chose.
        const int chosen = static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
        if (chosen < 0) return;
        SetText(Item(chosen));
        if (onChange) onChange();
    }
}

}  // namespace tk
