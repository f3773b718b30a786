#pragma once
// The font list page: every installed family, several of which the user may select.
#include <functional>
#include <string>
#include <vector>

#include "logic/Settings.h"
#include "toolkit/FontCache.h"
#include "toolkit/ListBox.h"
#include "toolkit/PageControl.h"

namespace letterloom {

class FontListPage {
public:
    // The list fills sheet; its items draw their previews with settings' preview text and keep
    // their faces in faces.
    FontListPage(tk::TabSheet& sheet, const tk::FontSpec& font, tk::FontCache& faces,
                 const logic::Settings& settings);

    tk::TabSheet& Sheet() { return sheet_; }
    // The list, as the user works it.
    tk::ListBox& List() { return list_; }

    // Shows the names, the first of them current.
    void ShowNames(const std::vector<std::string>& names);
    void SetItemPoints(int32_t points);
    int SelectionCount() const { return list_.SelCount(); }
    std::vector<std::string> SelectedNames() const;
    std::vector<std::string> Names() const;
    std::string CurrentName() const { return list_.Item(list_.ItemIndex()); }

    // The user changed the selection.
    std::function<void()> onClick;

private:
    tk::TabSheet& sheet_;
    const logic::Settings& settings_;
    tk::ListBox list_;
};

}  // namespace letterloom
