#pragma once

#include <cstdint>

namespace logic {

// Each font list item shows the font's name in a fixed face on the left and a
// sample in the font itself from kPreviewColumn on.
inline constexpr char kNameFace[] = "times new roman";
inline constexpr int32_t kNamePoints = 12;
inline constexpr int32_t kNameLeft = 1;
inline constexpr int32_t kPreviewColumn = 220;
inline constexpr int32_t kPreviewTop = 1;

// The sample's cell leaves the item's last row free as a separator.
int32_t PreviewCellHeight(int32_t itemHeight);

// Top of the name text, centred in the preview cell's height (truncated toward zero).
int32_t NameTop(int32_t itemHeight, int32_t textHeight);

}  // namespace logic
