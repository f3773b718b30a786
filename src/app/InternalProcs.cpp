#include "app/InternalProcs.h"

#include "app/MainFormUnit.h"
#include "logic/ItemHeight.h"
#include "logic/SelectionMode.h"
#include "settings/RegSave.h"

namespace letterloom {

void SetListItemHeights() {
    const int32_t ppi = MainForm->FontList.GetFont().pixelsPerInch;
    MainForm->FontList.SetItemHeight(logic::ItemHeightFromPoints(ppi, ConfigData.FontListSize));
    MainForm->SelectedList.SetItemHeight(
        logic::ItemHeightFromPoints(ppi, ConfigData.SelectedListSize));
}

uint8_t GetSelectionMode() {
    return logic::SelectionModeFor(MainForm->FontList.SelCount(),
                                   MainForm->SelectedList.ItemIndex() >= 0);
}

void ShowPagesForMode(uint8_t mode) {
    const logic::TabVisibility tabs = logic::TabsForMode(mode);
    MainForm->Pagine.SetTabVisible(*MainForm->SelectedFontsPage, tabs.selectedFonts);
    MainForm->Pagine.SetTabVisible(*MainForm->TestaFont, tabs.fontTest);
    MainForm->Pagine.SetTabVisible(*MainForm->MappaCaratteri, tabs.charMap);
}

void SetTestFont(tk::ListBox& list) {
    if (MainForm->Pagine.ActivePage() != MainForm->TestaFont) return;
    const std::string face = list.Item(list.ItemIndex());
    tk::FontSpec font = MainForm->Test.GetFont();
    font.name = face;
    MainForm->Test.SetFont(font);
    MainForm->TestFontName.SetText("字体: " + face);
}

void FillSelectedList() {
    if (MainForm->Pagine.ActivePage() != MainForm->ListaFont) return;
    tk::ListBox& fonts = MainForm->FontList;
    tk::ListBox& selected = MainForm->SelectedList;
    selected.Clear();
    const int count = fonts.Count();
    for (int i = 0; i < count; ++i)
        if (fonts.Selected(i)) selected.AddItem(fonts.Item(i));
}

void SyncPages(bool refill) {
    ShowPagesForMode(GetSelectionMode());
    if (GetSelectionMode() == 2) {
        MainForm->BuildCharMap(MainForm->FontList);
        SetTestFont(MainForm->FontList);
    }
    if (GetSelectionMode() == 1 && refill) FillSelectedList();
    if (GetSelectionMode() == 3) {
        if (refill) FillSelectedList();
        MainForm->BuildCharMap(MainForm->SelectedList);
        SetTestFont(MainForm->SelectedList);
    }
    MainForm->Pagine.Repaint();
}

}  // namespace letterloom
