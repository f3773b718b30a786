#pragma once
// The selected-fonts page: the fonts selected in the font list, at a larger item size, one of
// which the user may pick for the test and map pages.
#include <functional>
#include <string>
#include <vector>

#include "app/pages/FontItemList.h"

namespace letterloom {

class SelectedFontsPage {
    // First, so that it is made before the handler reference below.
    FontItemList items_;

public:
    SelectedFontsPage(tk::TabSheet& sheet, const tk::FontSpec& font, tk::FontCache& faces,
                      const logic::Settings& settings);

    tk::TabSheet& Sheet() { return items_.Sheet(); }
    // The list, as the user works it.
    tk::ListBox& List() { return items_.List(); }

    void Fill(const std::vector<std::string>& names);
    void SetItemPoints(int32_t points) { items_.SetItemPoints(points); }
    bool HasCurrent() const { return items_.List().ItemIndex() >= 0; }
    std::string CurrentName() const;
    void ClearSelection() { items_.List().ClearSelection(); }

    // The user picked a font.
    std::function<void()>& onClick = items_.onClick;
};

}  // namespace letterloom
