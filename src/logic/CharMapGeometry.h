#pragma once

#include <cstdint>
#include <string>

namespace logic {

// The character map shows codes 32..255 in a grid of square cells, row by row;
// cell n = code - 32 sits in row n / columns, column n % columns.
constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
constexpr int kCellCount = 224;
constexpr uint8_t kMapCellSize = 70;

// Parts of a cell, scaled from its size: the inner margin (3 %), the height of the
// label band (18 %) and of the glyph (60 %), each rounded half to even.
struct CellMetrics {
    int margin;
    int labelHeight;
    int glyphHeight;
};

CellMetrics CellMetricsFor(int cellSize);

// Rows needed for all cells with the given number of columns (at least 1).
int MapRowCount(int columns);

// Columns that fit a window of the given outer width, kept within 1..255.
uint8_t MapColumnsForWidth(int32_t outerWidth, int cellSize);

struct CellOrigin {
    int32_t left;
    int32_t top;
};

// Top-left corner of the cell of `code` in a grid whose top-left corner is (x0, y0).
CellOrigin CellOriginFor(int code, int cellSize, int columns, int32_t x0, int32_t y0);

// Offset that centres `extent` in `space` (truncated toward zero, may be negative).
int32_t CenteredOffset(int32_t space, int32_t extent);

// Code of the cell under a point of the grid (x, y >= 0).
int CodeAtPoint(int32_t x, int32_t y, int cellSize, int columns);

// Whether a point lies on a cell: inside the grid's width and not past code 255.
bool IsCharCell(int32_t x, int32_t y, int cellSize, int columns);

// Top-left corner of the cell under a mouse position. Coordinates arrive as the
// 16-bit halves of a message parameter and are read as unsigned.
CellOrigin HighlightCellOrigin(int32_t x, int32_t y, int cellSize);

// "字符 #<code>"
std::string CellLabel(int code);

// The moves of the highlighted cell that the keyboard makes.
enum class CellMove { Left, Right, Up, Down, First, Last };

// The code the highlight moves to from the cell of `code` in a grid of `columns` columns. Moves
// stop at the grid's edges: no wrap into the next or the previous row, nothing past code 255.
// With no cell highlighted (a code outside 32..255) every move but Last goes to code 32.
int MovedCode(int code, CellMove move, int columns);

// The scroll position that shows the band from `top` to `top + height` in a view `visible`
// pixels high, now at `position`: the position itself when the band shows whole, otherwise the
// nearest one that shows it (its top, when it is higher than the view).
int32_t PositionShowing(int32_t top, int32_t height, int32_t position, int32_t visible);

}  // namespace logic
