#pragma once
// Dialogs designed in pixels at 96 pixels per inch, shown on a screen of any density: the font in
// points follows the screen, and the layout follows that font's text height.
#include <windows.h>

#include <string>

#include "toolkit/FontSpec.h"

namespace tk {

class DialogLayout {
public:
    DialogLayout(const std::string& face, int points, int pixelsPerInch = ScreenPixelsPerInch());

    // The dialog's font at the screen's density.
    const FontSpec& Font() const { return font_; }
    // A length of the design, in this screen's pixels.
    int operator()(int designed) const { return ::MulDiv(designed, textHeight_, designHeight_); }

private:
    FontSpec font_;
    int textHeight_;
    int designHeight_;
};

// Puts a top-level window in the middle of the screen, its size unchanged.
void CenterOnScreen(HWND window);

}  // namespace tk
