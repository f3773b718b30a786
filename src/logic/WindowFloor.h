#pragma once

#include <cstdint>

namespace logic {

inline constexpr int32_t kMinMainWidth = 400;
inline constexpr int32_t kMinMainHeight = 350;
inline constexpr int32_t kMinTrackSize = 400;

struct OuterSize {
    int32_t width;
    int32_t height;
    bool operator==(const OuterSize&) const = default;
};

// Raises each side of the main window's outer size to its minimum on its own.
OuterSize ApplyMainWindowFloor(OuterSize size);

}  // namespace logic
