#include "app/pages/FontItemPainter.h"

#include "logic/FontListLayout.h"

namespace letterloom {

void DrawFontItem(tk::ListBox& list, int index, const RECT& rect, const std::string& previewText) {
    tk::Canvas& canvas = list.GetCanvas();
    tk::FontSpec& font = canvas.Font();
    const int32_t itemHeight = list.ItemHeight();
    const int32_t h = logic::PreviewCellHeight(itemHeight);
    const std::string name = list.Item(index);

    canvas.FillRect(rect);

    font.name = logic::kNameFace;
    font.SetSize(logic::kNamePoints);
    const int32_t th = canvas.TextHeight(name);
    canvas.TextRect(rect, rect.left + logic::kNameLeft, rect.top + logic::NameTop(itemHeight, th),
                    name);

    // The preview paints its clip rectangle opaque, so it also cuts off a long name. In a list
    // narrower than the name column that rectangle is empty.
    RECT preview = rect;
    preview.left = rect.left + logic::kPreviewColumn;
    if (preview.right < preview.left) preview.right = preview.left;
    font.name = name;
    font.height = h;  // positive: the cell height, internal leading included
    canvas.TextRect(preview, rect.left + logic::kPreviewColumn, rect.top + logic::kPreviewTop,
                    previewText);
}

}  // namespace letterloom
