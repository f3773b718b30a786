// Drawing of the items of the font list and the selected-fonts list: the font's name in a fixed
// reading face, then from a fixed column on the preview text in the font itself.
#include "app/MainFormUnit.h"
#include "logic/FontListLayout.h"
#include "settings/RegSave.h"

namespace letterloom {

namespace {

// The list has prepared its canvas: its font, and its own or the highlight colours.
void DrawFontItem(tk::ListBox& list, int index, const RECT& rect) {
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
                    ConfigData.PrevString);
}

}  // namespace

void TMainForm::DrawItem(tk::ListBox& /*list*/, int index, const RECT& rect, UINT /*state*/) {
    DrawFontItem(FontList, index, rect);
}

void TMainForm::SelectedListDrawItem(tk::ListBox& /*list*/, int index, const RECT& rect,
                                     UINT /*state*/) {
    DrawFontItem(SelectedList, index, rect);
}

}  // namespace letterloom
