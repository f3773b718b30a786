#pragma once
// Drawing of the items of both font lists: the font's name in a fixed reading face, then from a
// fixed column on the preview text in the font itself.
#include <windows.h>

#include <string>

#include "toolkit/ListBox.h"

namespace letterloom {

// The list has prepared its canvas: its font, and its own or the highlight colours.
void DrawFontItem(tk::ListBox& list, int index, const RECT& rect, const std::string& previewText);

// The item height of a list for a size in points, at the list font's pixels per inch.
void SetItemPoints(tk::ListBox& list, int32_t points);

}  // namespace letterloom
