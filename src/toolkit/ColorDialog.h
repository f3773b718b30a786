#pragma once
// The platform's modal colour chooser, with a current colour going in and coming out.
#include <windows.h>

#include <array>

#include "toolkit/Color.h"

namespace tk {

class ColorDialog {
public:
    // The colour shown first and, after a confirmed run, the one the user chose.
    Color color = kClBlack;

    // True when the user confirmed; a cancelled run leaves color as it was.
    bool Execute(HWND owner);

private:
    // The user's custom colours, kept from one run to the next.
    std::array<COLORREF, 16> custom_{};
};

}  // namespace tk
