#pragma once
// Draws single cells of the character map. The sizes of a cell's parts are worked out once, for
// all the cells of one drawing.
#include <cstdint>
#include <string>

#include "logic/CharMapGeometry.h"

namespace tk {
class Canvas;
}

namespace letterloom {

class CharCellPainter {
public:
    CharCellPainter(tk::Canvas& canvas, std::string fontName, int32_t cellSize, int32_t columns,
                    int32_t x0, int32_t y0);

    // Outline, main glyph, label and small glyph of the cell of code (32..255), on white. Sets
    // the face, colour and height of the canvas font, never its style.
    void Draw(int code);

private:
    tk::Canvas& canvas_;
    std::string fontName_;
    int32_t cellSize_;
    int32_t columns_;
    int32_t x0_;
    int32_t y0_;
    logic::CellMetrics metrics_;
};

}  // namespace letterloom
