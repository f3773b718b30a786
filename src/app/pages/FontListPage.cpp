#include "app/pages/FontListPage.h"

namespace letterloom {

namespace {
constexpr int kDesignItemHeight = 24;
}  // namespace

FontListPage::FontListPage(tk::TabSheet& sheet, const tk::FontSpec& font, tk::FontCache& faces,
                           const logic::Settings& settings)
    : items_(sheet, tk::ListBox::Selection::Extended, kDesignItemHeight, font, faces, settings) {}

void FontListPage::ShowNames(const std::vector<std::string>& names) {
    items_.List().SetItems(names);
    items_.List().SetItemIndex(0);
}

std::vector<std::string> FontListPage::SelectedNames() const {
    const tk::ListBox& list = items_.List();
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Selected(i)) names.push_back(list.Item(i));
    return names;
}

std::vector<std::string> FontListPage::Names() const {
    const tk::ListBox& list = items_.List();
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.Item(i));
    return names;
}

std::string FontListPage::CurrentName() const {
    const tk::ListBox& list = items_.List();
    return list.Item(list.ItemIndex());
}

}  // namespace letterloom
