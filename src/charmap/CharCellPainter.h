#pragma once
// Draws single cells of the character map. The sizes of a cell's parts are worked out once, for
// all the cells of one drawing.
#include <cstdint>
#include <optional>
#include <string>

#include "logic/CharMapGeometry.h"
#include "logic/GlyphCoverage.h"

namespace tk {
class Canvas;
}

namespace letterloom {

class CharCellPainter {
public:
    // With missingMarks, the cells whose code it does not cover are marked.
    CharCellPainter(tk::Canvas& canvas, std::string fontName, int32_t cellSize, int32_t columns,
                    int32_t x0, int32_t y0,
                    const std::optional<logic::GlyphCoverage>& missingMarks = std::nullopt);

    // Outline, main glyph, label and small glyph of the cell of code (32..255), on white, or on
    // a grey tint when the cell is marked. Sets the face, colour and height of the canvas font,
    // never its style; leaves the brush white.
    void Draw(int code);

private:
    tk::Canvas& canvas_;
    std::string fontName_;
    int32_t cellSize_;
    int32_t columns_;
    int32_t x0_;
    int32_t y0_;
    logic::CellMetrics metrics_;
    std::optional<logic::GlyphCoverage> missingMarks_;
};

}  // namespace letterloom
