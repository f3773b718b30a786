#include "charmap/CharMapRenderer.h"

#include <vector>

#include "charmap/CharCellPainter.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/FontGlyphs.h"
#include "toolkit/MemoryBitmap.h"
#include "toolkit/MessagePacer.h"
#include "toolkit/StatusBar.h"

namespace letterloom {

const uint8_t MapCellSize = logic::kMapCellSize;

namespace {

constexpr int kLastCellIndex = logic::kCellCount - 1;
constexpr int kWaitingWidth = 500;
constexpr int kWaitingHeight = 280;
constexpr int kWaitingTextPoints = 12;

// Draws the cells in order until drawingContinue is false or the program has ended; returns how
// many it drew.
int DrawCellRun(CharCellPainter& painter, tk::ProgressBar& progress, bool& drawingContinue) {
    progress.SetPosition(0);
    progress.SetMax(kLastCellIndex);
    drawingContinue = true;
    tk::Application& app = tk::Application::Instance();
    tk::MessagePacer pacer;
    int drawn = 0;
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        if (!drawingContinue) break;
        progress.SetPosition(code - logic::kFirstCode);
        painter.Draw(code);
        ++drawn;
        pacer.Step();
        // The main window closed while its messages ran: nothing is left to draw for.
        if (app.Terminated()) break;
    }
    return drawn;
}

// Whitens the squares of a grid from the cell of index on: the rest of its row and the rows below.
void WhitenCellsFrom(tk::Canvas& canvas, int32_t cellSize, int32_t columns, int32_t rows,
                     int index) {
    const int32_t row = index / columns;
    if (row >= rows) return;
    const int32_t column = index % columns;
    canvas.PatBlt(column * cellSize, row * cellSize, (columns - column) * cellSize, cellSize,
                  WHITENESS);
    if (row + 1 < rows)
        canvas.PatBlt(0, (row + 1) * cellSize, columns * cellSize, (rows - row - 1) * cellSize,
                      WHITENESS);
}

}  // namespace

RECT MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return RECT{left, top, right, bottom};
}

void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress, bool& drawingContinue,
                   const std::optional<logic::GlyphCoverage>& missingMarks) {
    CharCellPainter painter(canvas, fontName, cellSize, columns, x0, y0, missingMarks);
    DrawCellRun(painter, progress, drawingContinue);
}

void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress,
                   bool& drawingContinue) {
    DrawCharCells(fontName, cellSize, columns, x0, y0, canvas, progress, drawingContinue,
                  std::nullopt);
}

void RenderCharMap(const std::string& fontName, int32_t cellSize, int32_t columns,
                   tk::MemoryBitmap& bitmap, tk::ProgressBar& progress, bool& drawingContinue,
                   const std::optional<logic::GlyphCoverage>& missingMarks) {
    progress.SetPosition(0);
    progress.SetMax(kLastCellIndex);
    const int32_t rows = logic::MapRowCount(columns);
    drawingContinue = true;
    bitmap.SetSize(cellSize * columns, cellSize * rows);
    tk::Canvas& canvas = bitmap.GetCanvas();
    // Each cell's outline and inside cover its square whatever lay there, so only the squares that
    // no cell covers are whitened: the empty ones after the last code before the cells, those
    // after a stop once it came.
    WhitenCellsFrom(canvas, cellSize, columns, rows, logic::kCellCount);
    CharCellPainter painter(canvas, fontName, cellSize, columns, 0, 0, missingMarks);
    const int drawn = DrawCellRun(painter, progress, drawingContinue);
    if (drawn < logic::kCellCount) WhitenCellsFrom(canvas, cellSize, columns, rows, drawn);
    progress.SetPosition(0);
}

logic::GlyphCoverage MapGlyphCoverage(const std::string& fontName, int32_t cellSize,
                                      const tk::Canvas& canvas) {
    tk::FontSpec glyphFont = canvas.Font();
    glyphFont.name = fontName;
    glyphFont.height = logic::CellMetricsFor(cellSize).glyphHeight;
    std::wstring characters;
    std::vector<int> cells;
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        const std::optional<wchar_t> character =
            logic::CellCharacter(tk::AnsiToWide(std::string(1, static_cast<char>(code))));
        if (!character) continue;
        characters += *character;
        cells.push_back(code - logic::kFirstCode);
    }
    const std::vector<bool> present = tk::GlyphProbe().Present(glyphFont, characters);
    logic::GlyphCoverage coverage;
    for (size_t i = 0; i < cells.size(); ++i)
        coverage.set(static_cast<size_t>(cells[i]), present[i]);
    return coverage;
}

void PrepareMapPicture(tk::MemoryBitmap& bitmap, bool& mapReady) {
    bitmap.SetSize(kWaitingWidth, kWaitingHeight);
    tk::Canvas& canvas = bitmap.GetCanvas();
    canvas.penColor = tk::kClBtnFace;
    canvas.brushColor = tk::kClBtnFace;
    // Larger than the bitmap, so that the outline falls outside it too.
    canvas.Rectangle(0, 0, 600, 400);
    tk::FontSpec& font = canvas.Font();
    font.name = "宋体 ";
    font.SetSize(kWaitingTextPoints);
    font.Set(tk::kBold, true);
    canvas.TextOut(10, 10, "创建字符表...  ");
    mapReady = false;
}

}  // namespace letterloom
