#pragma once
// Owner-drawn list box of fixed item height, whose items it keeps itself. Before the drawing
// handler runs, the list prepares its canvas (its font, its background, or the highlight colours
// for a selected item); after it, the list draws the focus frame of the focused item itself.
#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "logic/TypeAhead.h"
#include "toolkit/Canvas.h"
#include "toolkit/Color.h"
#include "toolkit/FontSpec.h"
#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

class ListBox : public Window {
public:
    enum class Selection { Single, Extended };

    void Create(HWND parent, Selection selection, int itemHeight);

    void SetFont(const FontSpec& font);
    const FontSpec& GetFont() const { return font_; }

    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& item);
    void Clear();
    int Count() const;
    std::string Item(int index) const;

    // The current item: the focused one for a multiple selection, the selected one otherwise.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    void ClearSelection();

    int ItemHeight() const;
    // Heights of 0 or less, and heights the control refuses, leave the old height.
    void SetItemHeight(int height);

    Canvas& GetCanvas() { return canvas_; }
    // Changes whenever the items or their height change.
    unsigned ContentVersion() const { return contentVersion_; }
    // Draws item index into dc within rect as the list draws it unselected and without the focus,
    // for drawing ahead off screen; false when the drawing failed, which is left to the item's
    // own drawing to report.
    bool DrawItemOffscreen(int index, HDC dc, const RECT& rect);

    // Finding items by typing: the characters typed within a second of each other make a prefix,
    // and the first item that begins with it (logic::BeginsWith) becomes the selected and current
    // one, alone, as a plain click on it would make it, onClick included. Nothing moves when no
    // item begins with the prefix. Control characters (Backspace, Escape) keep their meaning; the
    // control's own one-letter search no longer runs.
    void EnableTypeAhead() { typeAhead_ = true; }
    // The millisecond counter that times the typing: GetTickCount unless replaced.
    void SetTickSource(std::function<DWORD()> ticks) { ticks_ = std::move(ticks); }

    // The user changed the selection, by mouse or keyboard.
    std::function<void()> onClick;
    // Draws item index inside rect on GetCanvas(); state holds ODS_SELECTED, ODS_FOCUS.
    std::function<void(int index, const RECT& rect, UINT state)> onDrawItem;

    void OnCommand(WORD code, WORD id) override;
    void OnDrawItem(DRAWITEMSTRUCT* item) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void TypeAhead(char byte);
    void SelectAlone(int index);
    // The canvas on dc with the list's font and its own or the highlight colours.
    void PrepareCanvas(HDC dc, bool selected);
    void DrawingFailed(const DRAWITEMSTRUCT& item, const std::exception& error);

    std::vector<std::string> items_;
    FontSpec font_;
    UniqueFont fontHandle_;
    Color color_ = kClWindow;
    Selection selection_ = Selection::Single;
    Canvas canvas_;
    // The item whose drawing failed and was reported, until it draws again; -1 for none.
    int failedItem_ = -1;
    unsigned contentVersion_ = 0;
    bool typeAhead_ = false;
    logic::TypedPrefix typed_;
    std::function<DWORD()> ticks_ = [] { return ::GetTickCount(); };
};

}  // namespace tk
