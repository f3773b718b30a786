#pragma once

namespace logic {

// Nearest integer with exact halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the range of int clamp to its ends; NaN gives 0.
int RoundHalfEven(double v);

}  // namespace logic
