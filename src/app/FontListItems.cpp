// Drawing of the items of the font list and the selected-fonts list.
#include "app/MainFormUnit.h"

namespace letterloom {

namespace {
void DrawNameOnly(tk::ListBox& list, int index, const RECT& rect) {
    tk::Canvas& canvas = list.GetCanvas();
    canvas.FillRect(rect);
    canvas.TextRect(rect, rect.left + 1, rect.top + 1, list.Item(index));
}
}  // namespace

void TMainForm::DrawItem(tk::ListBox& /*list*/, int index, const RECT& rect, UINT /*state*/) {
    DrawNameOnly(FontList, index, rect);
}

void TMainForm::SelectedListDrawItem(tk::ListBox& /*list*/, int index, const RECT& rect,
                                     UINT /*state*/) {
    DrawNameOnly(SelectedList, index, rect);
}

}  // namespace letterloom
