#pragma once
// Keeps the pages of the main window in line with the font selection.
#include <cstdint>

namespace tk {
class ListBox;
}

namespace letterloom {

void SetListItemHeights();
uint8_t GetSelectionMode();
void ShowPagesForMode(uint8_t mode);
void SetTestFont(tk::ListBox& list);
void FillSelectedList();
// Derives the mode, shows the tabs it allows and rebuilds what the active page shows; refill
// rebuilds the selected-fonts list when the font-list page is active.
void SyncPages(bool refill);

}  // namespace letterloom
