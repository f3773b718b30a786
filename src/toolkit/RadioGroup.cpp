#include "toolkit/RadioGroup.h"

namespace tk {

namespace {
constexpr int kItemLeft = 8;
constexpr int kFirstItemTop = 16;
constexpr int kItemHeight = 20;
}  // namespace

void RadioGroup::Create(HWND parent, const std::string& caption,
                        const std::vector<std::string>& items, const RECT& bounds) {
    frame_.Create(parent, caption, 0, BS_GROUPBOX);
    ::SetWindowLongPtrA(frame_.Handle(), GWL_STYLE,
                        ::GetWindowLongPtrA(frame_.Handle(), GWL_STYLE) & ~WS_TABSTOP);
    frame_.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top);
    int top = bounds.top + kFirstItemTop;
    for (const std::string& text : items) {
        auto item = std::make_unique<Button>();
        item->Create(parent, text, 0, BS_AUTORADIOBUTTON);
        item->SetBounds(bounds.left + kItemLeft, top, bounds.right - bounds.left - 2 * kItemLeft,
                        kItemHeight);
        item->onClick = [this] {
            if (onClick) onClick();
        };
        top += kItemHeight;
        items_.push_back(std::move(item));
    }
    // The frame is drawn under its items.
    ::SetWindowPos(frame_.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int RadioGroup::ItemIndex() const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (::SendMessageA(items_[i]->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED)
            return static_cast<int>(i);
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    for (size_t i = 0; i < items_.size(); ++i)
        ::SendMessageA(items_[i]->Handle(), BM_SETCHECK,
                       static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace tk
