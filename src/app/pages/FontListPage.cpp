#include "app/pages/FontListPage.h"

#include "app/pages/FontItemPainter.h"

namespace letterloom {

namespace {
constexpr int kDesignItemHeight = 24;
}  // namespace

FontListPage::FontListPage(tk::TabSheet& sheet, const tk::FontSpec& font, tk::FontCache& faces,
                           const logic::Settings& settings)
    : sheet_(sheet), settings_(settings) {
    list_.Create(sheet_.Handle(), tk::ListBox::Selection::Extended, kDesignItemHeight);
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

void FontListPage::ShowNames(const std::vector<std::string>& names) {
    list_.SetItems(names);
    list_.SetItemIndex(0);
}

void FontListPage::SetItemPoints(int32_t points) { letterloom::SetItemPoints(list_, points); }

std::vector<std::string> FontListPage::SelectedNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < list_.Count(); ++i)
        if (list_.Selected(i)) names.push_back(list_.Item(i));
    return names;
}

std::vector<std::string> FontListPage::Names() const {
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(list_.Count()));
    for (int i = 0; i < list_.Count(); ++i) names.push_back(list_.Item(i));
    return names;
}

}  // namespace letterloom
