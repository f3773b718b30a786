#pragma once
// The selected-fonts page: the fonts selected in the font list, at a larger item size, one of
// which the user may pick for the test and map pages.
#include <functional>
#include <string>
#include <vector>

#include "logic/Settings.h"
#include "toolkit/FontCache.h"
#include "toolkit/ListBox.h"
#include "toolkit/PageControl.h"

namespace letterloom {

class SelectedFontsPage {
public:
    SelectedFontsPage(tk::TabSheet& sheet, const tk::FontSpec& font, tk::FontCache& faces,
                      const logic::Settings& settings);

    tk::TabSheet& Sheet() { return sheet_; }
    // The list, as the user works it.
    tk::ListBox& List() { return list_; }

    void Fill(const std::vector<std::string>& names);
    void SetItemPoints(int32_t points);
    bool HasCurrent() const { return list_.ItemIndex() >= 0; }
    std::string CurrentName() const { return list_.Item(list_.ItemIndex()); }
    void ClearSelection() { list_.ClearSelection(); }

    // The user picked a font.
    std::function<void()> onClick;

private:
    tk::TabSheet& sheet_;
    const logic::Settings& settings_;
    tk::ListBox list_;
};

}  // namespace letterloom
