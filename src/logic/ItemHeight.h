#pragma once

#include <cstdint>

namespace logic {

// Height of a list item for a font of `points` points: pixelsPerInch * points / 72,
// truncated, in 32-bit arithmetic (the product wraps on overflow).
int32_t ItemHeightFromPoints(int32_t pixelsPerInch, int32_t points);

// A list ignores item heights of 0 or less.
bool IsApplicableItemHeight(int32_t h);

// points * ppi / 72 rounded half away from zero, as MulDiv does; like MulDiv it
// gives -1 when the result does not fit.
int32_t PointsToPixels(int32_t points, int32_t ppi);

// A size in points as a character height, which is negative.
int32_t FontHeightForPoints(int32_t points, int32_t ppi);

}  // namespace logic
