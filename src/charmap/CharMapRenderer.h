#pragma once
// The character map's renderer: the cell size of the on-screen map, the cell loop shared by the
// screen and the printout, the off-screen map and the waiting picture. It knows no window of the
// program: its callers hand it the canvas, the progress bar and the flag that stops it.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "logic/CharMapGeometry.h"
#include "logic/GlyphCoverage.h"

namespace tk {
class Canvas;
class MemoryBitmap;
class ProgressBar;
}  // namespace tk

namespace letterloom {

extern const uint8_t MapCellSize;

// Draws the cells of codes 32..255 of fontName on canvas, cellSize pixels square, columns to a
// row, from (x0, y0), with progress counting the cells. Sets drawingContinue, then lets waiting
// messages run between cells (asking for them at most once a millisecond) and stops before the
// next cell once drawingContinue is false or the program has ended. Each caller owns its flag,
// so a printout never revives a screen build that was stopped, nor the other way round. The
// texts keep the canvas font's style. With missingMarks, the cells whose code it does not cover
// are marked.
void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress, bool& drawingContinue,
                   const std::optional<logic::GlyphCoverage>& missingMarks);
// The same without marks, as the printout draws.
void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress,
                   bool& drawingContinue);

// Sizes bitmap to the grid and draws the cells on white, the squares no cell reaches left white;
// the bar ends at 0.
void RenderCharMap(const std::string& fontName, int32_t cellSize, int32_t columns,
                   tk::MemoryBitmap& bitmap, tk::ProgressBar& progress, bool& drawingContinue,
                   const std::optional<logic::GlyphCoverage>& missingMarks = std::nullopt);

// The cells whose main glyph, as DrawCharCells draws it on canvas, is one of the font's own.
// Takes the style from the canvas font, so it is asked before the cells are drawn.
logic::GlyphCoverage MapGlyphCoverage(const std::string& fontName, int32_t cellSize,
                                      const tk::Canvas& canvas);

// Paints the picture shown while a map is being built and clears mapReady.
void PrepareMapPicture(tk::MemoryBitmap& bitmap, bool& mapReady);

RECT MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace letterloom
