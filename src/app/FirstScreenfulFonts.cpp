#include "app/FirstScreenfulFonts.h"

#include <windows.h>

#include <algorithm>

#include "logic/FontListLayout.h"

namespace letterloom {

namespace {
// More rows than a maximised window shows would only hold faces the list does not draw yet.
constexpr size_t kMostRows = 128;
}  // namespace

FirstScreenfulFonts::FirstScreenfulFonts() : fonts_(kMostRows), target_(1, 1) {
    target_.GetCanvas().UseFontCache(&fonts_);
}

void FirstScreenfulFonts::Prepare(const std::vector<std::string>& names,
                                  const FirstScreenLook& look) {
    const int32_t itemHeight = look.itemHeight;
    if (itemHeight <= 0) return;
    const size_t screenRows = static_cast<size_t>(::GetSystemMetrics(SM_CYSCREEN) / itemHeight + 1);
    const size_t rows = std::min({names.size(), screenRows, kMostRows});
    // As wide as a row, so that every glyph of the preview is drawn.
    target_.SetSize(::GetSystemMetrics(SM_CXSCREEN), itemHeight);
    tk::Canvas& canvas = target_.GetCanvas();
    const RECT clip{0, 0, target_.Width(), target_.Height()};
    for (size_t row = 0; row < rows; ++row) {
        // The same descriptions as the list's name and preview fonts, so the same realisations.
        tk::FontSpec& font = canvas.Font();
        font = look.listFont;
        font.name = logic::kNameFace;
        font.SetSize(logic::kNamePoints);
        canvas.TextRect(clip, logic::kNameLeft, 0, names[row]);
        font.name = names[row];
        font.height = logic::PreviewCellHeight(itemHeight);
        canvas.TextRect(clip, 0, logic::kPreviewTop, look.preview);
    }
    ::GdiFlush();
}

}  // namespace letterloom
