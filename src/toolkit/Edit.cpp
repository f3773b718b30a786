#include "toolkit/Edit.h"

#include "toolkit/Error.h"

namespace tk {

void Edit::Create(HWND parent, Lines lines, DWORD extraStyle, DWORD exStyle) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | extraStyle;
    style |= lines == Lines::Multi ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL
                                   : ES_AUTOHSCROLL;
    CreateSystemControl("EDIT", exStyle, style, parent);
    SetColor(color_);
    if (font_.HasFace()) SetFont(font_);
}

void Edit::SetFont(const FontSpec& font) {
    font_ = font;
    fontHandle_ = ApplyFont(font_);
    Invalidate();
}

void Edit::SetColor(Color color) {
    color_ = color;
    UniqueBrush brush(::CreateSolidBrush(ToRGB(color_)));
    if (!brush) throw Error("CreateSolidBrush");
    brush_ = std::move(brush);
    Invalidate();
}

void Edit::SetMaxLength(int length) { ::SendMessageA(Handle(), EM_SETLIMITTEXT, length, 0); }

void Edit::SetText(const std::string& text) {
    settingText_ = true;
    Window::SetText(text);
    settingText_ = false;
    if (onChange) onChange();
}

void Edit::OnCommand(WORD code, WORD) {
    if (code == EN_CHANGE && !settingText_ && onChange) onChange();
}

LRESULT Edit::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN && onKeyDown && onKeyDown(static_cast<UINT>(wParam))) return 0;
    return Window::HandleMessage(msg, wParam, lParam);
}

HBRUSH Edit::OnControlColor(HDC dc) {
    ::SetTextColor(dc, ToRGB(font_.color));
    ::SetBkColor(dc, ToRGB(color_));
    return brush_.get();
}

void Label::Create(HWND parent, const std::string& text) {
    CreateSystemControl("STATIC", 0, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, parent,
                        text);
}

void Label::SetFont(const FontSpec& font) {
    font_ = font;
    fontHandle_ = ApplyFont(font_);
}

HBRUSH Label::OnControlColor(HDC dc) {
    ::SetTextColor(dc, ToRGB(font_.color));
    ::SetBkMode(dc, TRANSPARENT);
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace tk
