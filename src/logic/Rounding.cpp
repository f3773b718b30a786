#include "logic/Rounding.h"

#include <cmath>
#include <limits>

namespace logic {

int RoundHalfEven(double v) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    if (std::isnan(v)) {
        return 0;
    }
    // Anything at or past the ends rounds to an end or beyond it, so it clamps there.
    if (v >= kMax) {
        return kMax;
    }
    if (v <= kMin) {
        return kMin;
    }
    // Inside the int range v - floor(v) is exact, so a half is seen as exactly 0.5.
    const double below = std::floor(v);
    const double fraction = v - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    return static_cast<int>(rounded);
}

}  // namespace logic
