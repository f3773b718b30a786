#include "app/pages/SelectedFontsPage.h"

namespace letterloom {

namespace {
constexpr int kDesignItemHeight = 36;
}  // namespace

SelectedFontsPage::SelectedFontsPage(tk::TabSheet& sheet, const tk::FontSpec& font,
                                     tk::FontCache& faces, const logic::Settings& settings)
    : items_(sheet, tk::ListBox::Selection::Single, kDesignItemHeight, font, faces, settings) {}

void SelectedFontsPage::Fill(const std::vector<std::string>& names) {
    tk::ListBox& list = items_.List();
    list.Clear();
    for (const std::string& name : names) list.AddItem(name);
}

std::string SelectedFontsPage::CurrentName() const {
    const tk::ListBox& list = items_.List();
    return list.Item(list.ItemIndex());
}

}  // namespace letterloom
