#pragma once
// Push buttons and group frames.
#include <functional>
#include <string>

#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

enum class Glyph { Tick, Cross };

class Button : public Window {
public:
    // id lets the dialog keys find the button: IDOK for the default one (Enter), IDCANCEL for the
    // one Esc presses.
    void Create(HWND parent, const std::string& caption, int id = 0, DWORD style = BS_PUSHBUTTON);

    // A small picture before the caption: a tick for confirming, a cross for cancelling.
    void SetGlyph(Glyph glyph);

    void Click() {
        if (onClick) onClick();
    }
    std::function<void()> onClick;
    void OnCommand(WORD code, WORD id) override;

private:
    UniqueIcon glyph_;
};

class GroupBox : public Window {
public:
    void Create(HWND parent, const std::string& caption);
};

}  // namespace tk
