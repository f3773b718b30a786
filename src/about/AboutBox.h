#pragma once
// The about box: a modal dialog from the "InAbout" template with a textured banner showing the
// program's icon, name and version, a link to the maker's page and a close button.
#include <windows.h>

#include <string>

#include "about/AboutBanner.h"

namespace letterloom {

// Returns when the box has been closed; the texture and icon copy are freed by then.
void ShowAboutBox(HWND owner, HICON icon, const std::string& productName,
                  const std::string& versionText);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Covers the canvas with the "BACK" tile, the tile of column i and row j at (81 i, 81 j).
void TileAboutTexture(tk::MemoryBitmap& texture);

// The state of an open about box: its texture, icon copy and texts.
const AboutBoxState* AboutBoxStateOf(HWND dialog);

}  // namespace letterloom
