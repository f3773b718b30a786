#include "charmap/CharCellPainter.h"

#include "toolkit/Canvas.h"

namespace letterloom {

namespace {
// The face of the label and the small glyph, trailing blank included, as the font system gets it.
constexpr const char* kLabelFace = "宋体 ";
// The background of a cell whose font has no glyph for its code: light enough to leave a
// stand-in glyph readable, dark enough to tell from white at a glance.
constexpr tk::Color kMissingTint = 0xE0E0E0;
}  // namespace

CharCellPainter::CharCellPainter(tk::Canvas& canvas, std::string fontName, int32_t cellSize,
                                 int32_t columns, int32_t x0, int32_t y0,
                                 const std::optional<logic::GlyphCoverage>& missingMarks)
    : canvas_(canvas),
      fontName_(std::move(fontName)),
      cellSize_(cellSize),
      columns_(columns),
      x0_(x0),
      y0_(y0),
      metrics_(logic::CellMetricsFor(cellSize)),
      missingMarks_(missingMarks) {}

void CharCellPainter::Draw(int code) {
    const logic::CellOrigin origin = logic::CellOriginFor(code, cellSize_, columns_, x0_, y0_);
    const int32_t left = origin.left;
    const int32_t top = origin.top;
    const int32_t s = cellSize_;
    const int32_t m = metrics_.margin;
    const std::string glyph(1, static_cast<char>(code));

    const bool marked = missingMarks_ && !missingMarks_->test(code - logic::kFirstCode);
    // The texts take the brush as their background, so the tint fills the whole cell.
    canvas_.brushColor = marked ? kMissingTint : tk::kClWhite;
    canvas_.penColor = tk::kClBlack;
    canvas_.Rectangle(left, top, left + s, top + s);

    tk::FontSpec& font = canvas_.Font();
    font.name = fontName_;
    font.color = tk::kClBlack;
    font.height = metrics_.glyphHeight;
    const int32_t glyphWidth = canvas_.TextWidth(glyph);
    canvas_.TextOut(left + logic::CenteredOffset(s, glyphWidth),
                    top + logic::CenteredOffset(s, metrics_.glyphHeight), glyph);

    font.name = kLabelFace;
    font.height = metrics_.labelHeight;
    canvas_.TextOut(left + 2 * m, top + m, logic::CellLabel(code));
    const int32_t smallWidth = canvas_.TextWidth(glyph);
    canvas_.TextOut(left + s - smallWidth - 2 * m, top + s - metrics_.labelHeight - m, glyph);
    canvas_.brushColor = tk::kClWhite;
}

}  // namespace letterloom
