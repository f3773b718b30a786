#pragma once
// Single- and multi-line text boxes, with their own font and background colour, and labels.
#include <functional>
#include <string>

#include "toolkit/Color.h"
#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

class Edit : public Window {
public:
    enum class Lines { Single, Multi };
    void Create(HWND parent, Lines lines, DWORD extraStyle = 0, DWORD exStyle = 0);

    void SetFont(const FontSpec& font);
    const FontSpec& GetFont() const { return font_; }
    void SetColor(Color color);
    Color GetColor() const { return color_; }
    // Limits what the user types; text set by the program may be longer.
    void SetMaxLength(int length);
    // Sets the text and runs onChange once, for single- and multi-line boxes alike (a multi-line
    // edit control reports no change for text set by the program).
    void SetText(const std::string& text);

    // The text changed, by typing or by program.
    std::function<void()> onChange;
    // A key pressed in the box; true when it was used, and the box then does not take it.
    std::function<bool(UINT key)> onKeyDown;

    void OnCommand(WORD code, WORD id) override;
    HBRUSH OnControlColor(HDC dc) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    FontSpec font_;
    UniqueFont fontHandle_;
    Color color_ = kClWindow;
    UniqueBrush brush_;
    bool settingText_ = false;
};

class Label : public Window {
public:
    void Create(HWND parent, const std::string& text);
    void SetFont(const FontSpec& font);
    HBRUSH OnControlColor(HDC dc) override;

private:
    FontSpec font_;
    UniqueFont fontHandle_;
};

}  // namespace tk
