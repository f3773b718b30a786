#include "logic/FontListLayout.h"

namespace logic {

// Both compute in 64 bits and wrap to 32 like the original's arithmetic; item
// heights in practice are far from the limits.

int32_t PreviewCellHeight(int32_t itemHeight) {
    return static_cast<int32_t>(static_cast<int64_t>(itemHeight) - 1);
}

int32_t NameTop(int32_t itemHeight, int32_t textHeight) {
    const int64_t h = static_cast<int64_t>(itemHeight) - 1;
    return static_cast<int32_t>((h - textHeight) / 2 + 1);
}

}  // namespace logic
