#pragma once
// The owner-drawn list of font families that fills a page: each item the family's name, then
// the preview text in the family's own font. Both list pages are made of one.
#include <functional>
#include <string>

#include "logic/Settings.h"
#include "toolkit/FontCache.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListDrawingAhead.h"
#include "toolkit/PageControl.h"

namespace letterloom {

class FontItemList {
public:
    // designItemHeight is the item height until the settings' size is applied; the items draw
    // their previews with settings' preview text and keep their faces in faces.
    FontItemList(tk::TabSheet& sheet, tk::ListBox::Selection selection, int designItemHeight,
                 const tk::FontSpec& font, tk::FontCache& faces, const logic::Settings& settings);

    tk::TabSheet& Sheet() { return sheet_; }
    tk::ListBox& List() { return list_; }
    const tk::ListBox& List() const { return list_; }
    // The item height for a size in points, at the list font's pixels per inch.
    void SetItemPoints(int32_t points);

    // The user changed the selection.
    std::function<void()> onClick;

private:
    tk::TabSheet& sheet_;
    const logic::Settings& settings_;
    tk::ListBox list_;
    // The faces of the rows a step brings into view next are realised while the program is idle.
    tk::ListDrawingAhead drawingAhead_;
};

}  // namespace letterloom
