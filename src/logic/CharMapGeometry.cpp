#include "logic/CharMapGeometry.h"

#include <algorithm>

namespace logic {

namespace {

// Sizes and column counts below 1 would divide by zero; they count as 1.
int64_t AtLeastOne(int v) { return std::max(v, 1); }

// size * percent / 100 rounded half to even on the exact quotient, so that
// 25 * 18 % is seen as exactly 4.5, which floating point cannot promise.
int PercentRoundedHalfEven(int size, int percent) {
    const int64_t numerator = static_cast<int64_t>(size) * percent;
    constexpr int64_t kDenominator = 100;
    int64_t quotient = numerator / kDenominator;
    int64_t remainder = numerator % kDenominator;
    if (remainder < 0) {  // floor division, so the remainder is 0..99
        quotient -= 1;
        remainder += kDenominator;
    }
    const int64_t twice = 2 * remainder;
    if (twice > kDenominator || (twice == kDenominator && quotient % 2 != 0)) {
        quotient += 1;
    }
    return static_cast<int>(quotient);
}

}  // namespace

CellMetrics CellMetricsFor(int cellSize) {
    return CellMetrics{PercentRoundedHalfEven(cellSize, 3), PercentRoundedHalfEven(cellSize, 18),
                       PercentRoundedHalfEven(cellSize, 60)};
}

int MapRowCount(int columns) {
    const int64_t c = AtLeastOne(columns);
    return static_cast<int>((kCellCount + c - 1) / c);
}

uint8_t MapColumnsForWidth(int32_t outerWidth, int cellSize) {
    // 50 px of the outer width go to the frame and the scroll bar.
    const int64_t columns = (static_cast<int64_t>(outerWidth) - 50) / AtLeastOne(cellSize);
    return static_cast<uint8_t>(std::clamp<int64_t>(columns, 1, 255));
}

CellOrigin CellOriginFor(int code, int cellSize, int columns, int32_t x0, int32_t y0) {
    const int64_t s = cellSize;
    const int64_t c = AtLeastOne(columns);
    const int64_t n = code - kFirstCode;
    // Wraps like 32-bit coordinates would; real grids are far from the limits.
    return CellOrigin{static_cast<int32_t>(x0 + (n % c) * s),
                      static_cast<int32_t>(y0 + (n / c) * s)};
}

int32_t CenteredOffset(int32_t space, int32_t extent) {
    return static_cast<int32_t>((static_cast<int64_t>(space) - extent) / 2);
}

namespace {

int64_t CodeAtPoint64(int32_t x, int32_t y, int cellSize, int columns) {
    const int64_t s = AtLeastOne(cellSize);
    return x / s + (y / s) * AtLeastOne(columns) + kFirstCode;
}

}  // namespace

int CodeAtPoint(int32_t x, int32_t y, int cellSize, int columns) {
    // Points far off the grid give codes beyond int; they saturate instead of wrapping
    // back into the map's range.
    return static_cast<int>(
        std::clamp<int64_t>(CodeAtPoint64(x, y, cellSize, columns), INT32_MIN, INT32_MAX));
}

bool IsCharCell(int32_t x, int32_t y, int cellSize, int columns) {
    if (x < 0 || y < 0 || x / AtLeastOne(cellSize) >= AtLeastOne(columns)) {
        return false;
    }
    return CodeAtPoint64(x, y, cellSize, columns) <= kLastCode;
}

CellOrigin HighlightCellOrigin(int32_t x, int32_t y, int cellSize) {
    const int64_t s = AtLeastOne(cellSize);
    const int64_t ux = static_cast<uint16_t>(x);
    const int64_t uy = static_cast<uint16_t>(y);
    return CellOrigin{static_cast<int32_t>(ux / s * s), static_cast<int32_t>(uy / s * s)};
}

std::string CellLabel(int code) { return "字符 #" + std::to_string(code); }

int MovedCode(int code, CellMove move, int columns) {
    if (move == CellMove::Last) return kLastCode;
    if (code < kFirstCode || code > kLastCode) return kFirstCode;
    const int c = static_cast<int>(std::min<int64_t>(AtLeastOne(columns), kCellCount));
    const int column = (code - kFirstCode) % c;
    switch (move) {
        case CellMove::Left:
            return column > 0 ? code - 1 : code;
        case CellMove::Right:
            return column < c - 1 && code < kLastCode ? code + 1 : code;
        case CellMove::Up:
            return code - c >= kFirstCode ? code - c : code;
        case CellMove::Down:
            return code + c <= kLastCode ? code + c : code;
        case CellMove::First:
        case CellMove::Last:
            break;
    }
    return kFirstCode;
}

int32_t PositionShowing(int32_t top, int32_t height, int32_t position, int32_t visible) {
    const int64_t bottom = static_cast<int64_t>(top) + height;
    if (top < position || height > visible) return top;
    if (bottom > static_cast<int64_t>(position) + visible)
        return static_cast<int32_t>(bottom - visible);
    return position;
}

}  // namespace logic
