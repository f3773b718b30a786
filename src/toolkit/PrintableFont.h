#pragma once
// Wine's PostScript printer driver embeds only fonts with TrueType outlines: text in a font with
// PostScript outlines (an OpenType CFF or Type 1 font) crashes it. On a printer under Wine such a
// font is replaced by the interface's default face, so that every entry of a printout prints.
#include <windows.h>

#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"

namespace tk {

// True when dc is a printer under Wine and the font selected into it has no TrueType outlines.
bool NeedsPrintableStandIn(HDC dc);

// font in the interface's default face.
UniqueFont PrintableStandIn(const FontSpec& font);

}  // namespace tk
