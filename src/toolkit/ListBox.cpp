#include "toolkit/ListBox.h"

#include "logic/DoubleByteText.h"
#include "logic/ItemHeight.h"
#include "toolkit/Application.h"

namespace tk {

namespace {
// The DC a drawing lends the canvas, for that drawing only: let go of on every path.
struct CanvasLoan {
    Canvas& canvas;
    ~CanvasLoan() { canvas.Attach(nullptr); }
};
}  // namespace

void ListBox::Create(HWND parent, Selection selection, int itemHeight) {
    selection_ = selection;
    // The items live here, not in the control (LBS_NODATA): filling and emptying a list of tens
    // of thousands of items then takes one message each instead of one an item.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED |
                  LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (selection == Selection::Extended) style |= LBS_EXTENDEDSEL;
    CreateSystemControl("LISTBOX", 0, style, parent);
    if (font_.HasFace()) SetFont(font_);
    SetItemHeight(itemHeight);
}

void ListBox::SetFont(const FontSpec& font) {
    font_ = font;
    const int height = ItemHeight();
    fontHandle_ = ApplyFont(font_);
    // A new font must not change the fixed item height.
    if (height > 0) ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
}

void ListBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    for (auto& item : items_) item.resize(logic::WholeCharactersLength(item));
    ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    ::SendMessageA(Handle(), LB_SETCOUNT, items_.size(), 0);
    ++contentVersion_;
    Invalidate();
}

void ListBox::AddItem(const std::string& item) {
    items_.push_back(logic::WholeCharacters(item));
    ::SendMessageA(Handle(), LB_ADDSTRING, 0, 0);
    ++contentVersion_;
}

void ListBox::Clear() {
    items_.clear();
    ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    ++contentVersion_;
}

int ListBox::Count() const { return static_cast<int>(items_.size()); }

std::string ListBox::Item(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= items_.size()) return {};
    return items_[static_cast<size_t>(index)];
}

int ListBox::ItemIndex() const {
    if (Count() == 0) return -1;
    if (selection_ == Selection::Extended)
        return static_cast<int>(::SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
    return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
    if (selection_ == Selection::Extended) {
        ::SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
        if (index >= 0) ::SendMessageA(Handle(), LB_SETSEL, TRUE, index);
        ::SendMessageA(Handle(), LB_SETCARETINDEX, index, FALSE);
    } else {
        ::SendMessageA(Handle(), LB_SETCURSEL, index, 0);
    }
}

bool ListBox::Selected(int index) const {
    return ::SendMessageA(Handle(), LB_GETSEL, index, 0) > 0;
}

void ListBox::SetSelected(int index, bool selected) {
    if (selection_ == Selection::Extended)
        ::SendMessageA(Handle(), LB_SETSEL, selected, index);
    else
        ::SendMessageA(Handle(), LB_SETCURSEL, selected ? index : -1, 0);
}

int ListBox::SelCount() const {
    if (selection_ == Selection::Extended) {
        const LRESULT count = ::SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0);
        return count == LB_ERR ? 0 : static_cast<int>(count);
    }
    return ItemIndex() >= 0 ? 1 : 0;
}

void ListBox::ClearSelection() {
    if (selection_ == Selection::Extended)
        ::SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    else
        ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int ListBox::ItemHeight() const {
    return static_cast<int>(::SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
}

void ListBox::SetItemHeight(int height) {
    if (!logic::IsApplicableItemHeight(height)) return;
    ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
    ++contentVersion_;
    Invalidate();
}

LRESULT ListBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A byte of typed text (an ANSI window gets a double-byte character as two of them); control
    // characters and DEL go on to the control.
    if (msg == WM_CHAR && typeAhead_ && wParam >= 0x20 && wParam <= 0xFF && wParam != 0x7F) {
        TypeAhead(static_cast<char>(wParam));
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

void ListBox::TypeAhead(char byte) {
    const std::string& prefix = typed_.Type(byte, ticks_());
    const int found = logic::FirstBeginningWith(
        Count(), [this](int index) { return Item(index); }, prefix);
    if (found < 0) return;
    SelectAlone(found);
    if (onClick) onClick();
}

void ListBox::SelectAlone(int index) {
    if (selection_ == Selection::Extended) {
        // As a plain click: the one selected item, the anchor of a later Shift+click, the caret.
        ::SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
        ::SendMessageA(Handle(), LB_SETSEL, TRUE, index);
        ::SendMessageA(Handle(), LB_SETANCHORINDEX, index, 0);
        ::SendMessageA(Handle(), LB_SETCARETINDEX, index, FALSE);
    } else {
        ::SendMessageA(Handle(), LB_SETCURSEL, index, 0);
    }
}

void ListBox::OnCommand(WORD code, WORD) {
    if (code == LBN_SELCHANGE && onClick) onClick();
}

void ListBox::OnDrawItem(DRAWITEMSTRUCT* item) {
    // The control asks for every item in view at each painting, also when only a strip is
    // invalid, as after a scroll by one item; one wholly outside the clip would change nothing.
    if (!::RectVisible(item->hDC, &item->rcItem)) return;
    const CanvasLoan loan{canvas_};
    const int index = static_cast<int>(item->itemID);
    PrepareCanvas(item->hDC, (item->itemState & ODS_SELECTED) && index >= 0);
    if (index >= 0 && onDrawItem) {
        try {
            onDrawItem(index, item->rcItem, item->itemState);
            if (index == failedItem_) failedItem_ = -1;
        } catch (const std::exception& error) {
            DrawingFailed(*item, error);
            return;
        }
    } else {
        canvas_.FillRect(item->rcItem);
    }
    if (item->itemState & ODS_FOCUS) canvas_.DrawFocusRect(item->rcItem);
}

bool ListBox::DrawItemOffscreen(int index, HDC dc, const RECT& rect) {
    if (!onDrawItem) return true;
    const CanvasLoan loan{canvas_};
    PrepareCanvas(dc, false);
    try {
        onDrawItem(index, rect, 0);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void ListBox::PrepareCanvas(HDC dc, bool selected) {
    canvas_.Attach(dc);
    canvas_.Font() = font_;
    canvas_.brushColor = color_;
    if (selected) {
        canvas_.brushColor = kClHighlight;
        canvas_.Font().color = kClHighlightText;
    }
}

void ListBox::DrawingFailed(const DRAWITEMSTRUCT& item, const std::exception& error) {
    // A system brush, since making one may be what failed.
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    canvas_.Attach(nullptr);
    // One report until the item draws again: the repaints that the error box itself causes
    // would otherwise fail again, each with a box of its own.
    if (failedItem_ >= 0) return;
    failedItem_ = static_cast<int>(item.itemID);
    Application::Instance().HandleException(error);
}

}  // namespace tk
