#pragma once
// The attributes of a font as the program sets them (face, height or point size, style, colour),
// independent of any realised HFONT.
#include <windows.h>

#include <string>

#include "toolkit/Color.h"

namespace tk {

enum FontStyle : unsigned {
    kBold = 1,
    kItalic = 2,
    kUnderline = 4,
    kStrikeOut = 8,
};

struct FontSpec {
    // The face. Empty when none was chosen: a window then keeps the font it has (a control its
    // parent's), and drawing uses the interface's default face.
    std::string name;
    // As LOGFONT's lfHeight: positive is the cell height, negative the character height.
    int height = -12;
    unsigned style = 0;
    Color color = kClWindowText;
    // Pixels per inch of the device the font is for; sizes in points convert with it.
    int pixelsPerInch = 96;

    void SetSize(int points);
    int Size() const;
    bool Has(FontStyle s) const { return (style & s) != 0; }
    void Set(FontStyle s, bool on) { style = on ? (style | s) : (style & ~unsigned(s)); }

    bool HasFace() const { return !name.empty(); }
    // The face actually asked of GDI: no face and the pseudo-face "Default" both mean the
    // interface's default face.
    std::string RealFaceName() const;
    LOGFONTA ToLogFont() const;
    bool SameRealisation(const FontSpec& other) const;
};

// Pixels per inch of the screen, vertically.
int ScreenPixelsPerInch();
// The face of the interface's default font (DEFAULT_GUI_FONT).
std::string DefaultInterfaceFace();

}  // namespace tk
