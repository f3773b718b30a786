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

}  // namespace

RECT MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return RECT{left, top, right, bottom};
}

void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress, bool& drawingContinue,
                   const std::optional<logic::GlyphCoverage>& missingMarks) {
    CharCellPainter painter(canvas, fontName, cellSize, columns, x0, y0, missingMarks);
    progress.SetPosition(0);
    progress.SetMax(kLastCellIndex);
    drawingContinue = true;
    tk::Application& app = tk::Application::Instance();
    tk::MessagePacer pacer;
    for (int code = logic::kFirstCode; code <= logic::kLastCode; ++code) {
        if (!drawingContinue) break;
        progress.SetPosition(code - logic::kFirstCode);
        painter.Draw(code);
        pacer.Step();
        // The main window closed while its messages ran: nothing is left to draw for.
        if (app.Terminated()) break;
    }
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
    bitmap.GetCanvas().PatBlt(0, 0, cellSize * columns, cellSize * rows, WHITENESS);
    DrawCharCells(fontName, cellSize, columns, 0, 0, bitmap.GetCanvas(), progress, drawingContinue,
                  missingMarks);
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
