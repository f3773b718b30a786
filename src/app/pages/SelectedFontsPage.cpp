#include "app/pages/SelectedFontsPage.h"

#include "app/pages/FontItemPainter.h"

namespace letterloom {

namespace {
constexpr int kDesignItemHeight = 36;
}  // namespace

SelectedFontsPage::SelectedFontsPage(tk::TabSheet& sheet, const tk::FontSpec& font,
                                     tk::FontCache& faces, const logic::Settings& settings)
    : sheet_(sheet), settings_(settings) {
    list_.Create(sheet_.Handle(), tk::ListBox::Selection::Single, kDesignItemHeight);
    list_.SetFont(font);
    list_.GetCanvas().UseFontCache(&faces);
    // A family is found by typing the start of its name, and the pages follow as after a click.
    list_.EnableTypeAhead();
    list_.onClick = [this] {
        if (onClick) onClick();
    };
    list_.onDrawItem = [this](int index, const RECT& rect, UINT) {
        DrawFontItem(list_, index, rect, settings_.previewText);
    };
    sheet_.onResize = [this] {
        const RECT r = sheet_.ClientRect();
        list_.SetBounds(0, 0, r.right, r.bottom);
    };
}

void SelectedFontsPage::Fill(const std::vector<std::string>& names) {
    list_.Clear();
    for (const std::string& name : names) list_.AddItem(name);
}

void SelectedFontsPage::SetItemPoints(int32_t points) { letterloom::SetItemPoints(list_, points); }

}  // namespace letterloom
