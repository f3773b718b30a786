#pragma once
// The faces of the font list's first screenful and of its names, realised and their glyphs drawn
// once off screen, on the thread that collects the font names before they count as ready. The
// list's own fonts of the same description then find the platform's realised faces and glyphs,
// so the first painting of the list (a maximised window at first start) no longer builds them.
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/FontCache.h"
#include "toolkit/FontSpec.h"
#include "toolkit/MemoryBitmap.h"

namespace letterloom {

// How the list draws its items' previews.
struct FirstScreenLook {
    tk::FontSpec listFont;  // the list's own font
    int32_t itemHeight = 0;
    std::string preview;
};

class FirstScreenfulFonts {
public:
    FirstScreenfulFonts();
    // Draws the previews of the first names that fill a screen's height as the list draws them.
    void Prepare(const std::vector<std::string>& names, const FirstScreenLook& look);

private:
    tk::FontCache fonts_;
    tk::MemoryBitmap target_;
};

}  // namespace letterloom
