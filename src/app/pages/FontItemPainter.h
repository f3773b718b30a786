#pragma once
// Drawing of the items of both font lists: the font's name in a fixed reading face, then from a
// fixed column on the preview text in the font itself.
#include <windows.h>

#include <string>

#include "toolkit/ListBox.h"

namespace letterloom {

// The list has prepared its canvas: its font, and its own or the highlight colours.
void DrawFontItem(tk::ListBox& list, int index, const RECT& rect, const std::string& previewText);

}  // namespace letterloom
