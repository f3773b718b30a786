#include "app/pages/FontItemList.h"

#include "app/pages/FontItemPainter.h"
#include "logic/ItemHeight.h"

namespace letterloom {

FontItemList::FontItemList(tk::TabSheet& sheet, tk::ListBox::Selection selection,
                           int designItemHeight, const tk::FontSpec& font, tk::FontCache& faces,
                           const logic::Settings& settings)
    : sheet_(sheet),
      settings_(settings),
      // Each item keeps its preview face; one more face is the names' own.
      drawingAhead_(list_, static_cast<int>(faces.Capacity()) - 1) {
    list_.Create(sheet_.Handle(), selection, designItemHeight);
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

void FontItemList::SetItemPoints(int32_t points) {
    list_.SetItemHeight(logic::ItemHeightFromPoints(list_.GetFont().pixelsPerInch, points));
}

}  // namespace letterloom
