#include "toolkit/ListDrawingAhead.h"

#include <algorithm>

namespace tk {

ListDrawingAhead::ListDrawingAhead(ListBox& list, int keptItems)
    : list_(list), keptItems_(keptItems) {
    Application::Instance().AddIdleWork(this);
}

ListDrawingAhead::~ListDrawingAhead() { Application::Instance().RemoveIdleWork(this); }

std::optional<ListDrawingAhead::View> ListDrawingAhead::CurrentView() const {
    HWND hwnd = list_.Handle();
    if (!hwnd || !::IsWindowVisible(hwnd) || ::IsIconic(::GetAncestor(hwnd, GA_ROOT)))
        return std::nullopt;
    const RECT client = list_.ClientRect();
    const int top = static_cast<int>(::SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0));
    return View{top,
                list_.Count(),
                list_.ItemHeight(),
                static_cast<int>(client.right),
                static_cast<int>(client.bottom),
                list_.ContentVersion()};
}

void ListDrawingAhead::Plan(const View& view) {
    const bool sameItems = view_ && view_->count == view.count &&
                           view_->itemHeight == view.itemHeight && view_->width == view.width &&
                           view_->content == view.content;
    const bool down = !sameItems || view.top >= view_->top;
    if (!sameItems) drawn_.clear();
    pending_.clear();
    next_ = 0;
    if (view.itemHeight <= 0 || view.width <= 0 || view.height <= 0) return;

    const int inView = (view.height + view.itemHeight - 1) / view.itemHeight;
    const int page = std::max(1, view.height / view.itemHeight);
    const int ahead = std::clamp((keptItems_ - inView) / 2, 0, page);
    const int first = std::max(0, view.top - ahead);
    const int end = std::min(view.count, view.top + inView + ahead);
    // What went out of reach may have lost what the handler kept for it.
    std::erase_if(drawn_, [first, end](int item) { return item < first || item >= end; });
    for (int item = view.top; item < std::min(end, view.top + inView); ++item) drawn_.insert(item);

    std::vector<int> below, above;
    for (int item = view.top + inView; item < end; ++item) below.push_back(item);
    for (int item = view.top - 1; item >= first; --item) above.push_back(item);
    for (const std::vector<int>* side :
         down ? std::vector{&below, &above} : std::vector{&above, &below})
        for (int item : *side)
            if (!drawn_.contains(item)) pending_.push_back(item);
}

bool ListDrawingAhead::DoIdlePiece() {
    const std::optional<View> view = CurrentView();
    if (!view) {
        // Another list may use what the handler keeps meanwhile.
        view_.reset();
        drawn_.clear();
        pending_.clear();
        return false;
    }
    if (view != view_) {
        Plan(*view);
        view_ = view;
    }
    if (next_ >= pending_.size()) return false;
    const int item = pending_[next_++];
    target_.SetSize(view->width, view->itemHeight);
    list_.DrawItemOffscreen(item, target_.DC(), RECT{0, 0, view->width, view->itemHeight});
    drawn_.insert(item);
    return next_ < pending_.size();
}

}  // namespace tk
