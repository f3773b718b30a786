#include "logic/ItemHeight.h"

namespace logic {

namespace {
constexpr int64_t kPointsPerInch = 72;
}

int32_t ItemHeightFromPoints(int32_t pixelsPerInch, int32_t points) {
    // The product wraps to 32 bits before the division, as the 32-bit original did;
    // the conversion is modular in C++20.
    const auto product = static_cast<int32_t>(static_cast<int64_t>(pixelsPerInch) * points);
    return product / static_cast<int32_t>(kPointsPerInch);
}

bool IsApplicableItemHeight(int32_t h) { return h > 0; }

int32_t PointsToPixels(int32_t points, int32_t ppi) {
    const int64_t product = static_cast<int64_t>(points) * ppi;
    const int64_t half = kPointsPerInch / 2;
    const int64_t quotient = (product >= 0 ? product + half : product - half) / kPointsPerInch;
    // MulDiv's overflow answer; it also rejects INT32_MIN, so the result can be negated.
    if (quotient > INT32_MAX || quotient < -INT32_MAX) {
        return -1;
    }
    return static_cast<int32_t>(quotient);
}

int32_t FontHeightForPoints(int32_t points, int32_t ppi) { return -PointsToPixels(points, ppi); }

}  // namespace logic
