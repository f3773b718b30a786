#pragma once
// The font list page: every installed family, several of which the user may select.
#include <functional>
#include <string>
#include <vector>

#include "app/pages/FontItemList.h"

namespace letterloom {

class FontListPage {
    // First, so that it is made before the handler reference below.
    FontItemList items_;

public:
    FontListPage(tk::TabSheet& sheet, const tk::FontSpec& font, tk::FontCache& faces,
                 const logic::Settings& settings);

    tk::TabSheet& Sheet() { return items_.Sheet(); }
    // The list, as the user works it.
    tk::ListBox& List() { return items_.List(); }

    // Shows the names, the first of them current.
    void ShowNames(const std::vector<std::string>& names);
    void SetItemPoints(int32_t points) { items_.SetItemPoints(points); }
    int SelectionCount() const { return items_.List().SelCount(); }
    std::vector<std::string> SelectedNames() const;
    std::vector<std::string> Names() const;
    std::string CurrentName() const;

    // The user changed the selection.
    std::function<void()>& onClick = items_.onClick;
};

}  // namespace letterloom
