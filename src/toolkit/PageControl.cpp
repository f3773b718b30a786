#include "toolkit/PageControl.h"

#include <commctrl.h>

#include "toolkit/Error.h"
#include "toolkit/PiecewisePaint.h"

namespace tk {

namespace {
constexpr const char* kPageControlClass = "LetterloomPageControl";
}

void PageControl::TabStrip::Create(HWND parent) {
    CreateSystemControl(
        WC_TABCONTROLA, 0,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_FIXEDWIDTH | TCS_HOTTRACK,
        parent);
}

LRESULT PageControl::TabStrip::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The pages cover all of the strip but the tabs and the pane's border, while the themed pane
    // is drawn over the strip's whole size: at full screen that took 55 ms a painting.
    if (msg == WM_PAINT && !wParam) {
        PaintUncoveredParts(Handle());
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

LRESULT PageControl::TabStrip::OnNotify(NMHDR* header) {
    if (header->code == TCN_SELCHANGE && owner) owner->SelectTabByUser(TabCtrl_GetCurSel(Handle()));
    return 0;
}

void PageControl::Create(HWND parent, const FontSpec& tabFont, int tabWidth) {
    RegisterToolkitClass(kPageControlClass);
    CreateOwnClass(kPageControlClass, WS_EX_CONTROLPARENT,
                   WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, parent);
    tabs_.owner = this;
    tabs_.Create(Handle());
    const LOGFONTA lf = tabFont.ToLogFont();
    tabFont_.reset(::CreateFontIndirectA(&lf));
    if (!tabFont_) throw Error("CreateFont " + tabFont.name);
    ::SendMessageA(tabs_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_.get()), FALSE);
    TabCtrl_SetItemSize(tabs_.Handle(), tabWidth, 0);
}

TabSheet& PageControl::AddPage(const std::string& name, const std::string& caption) {
    pages_.push_back(std::make_unique<TabSheet>(name, caption));
    TabSheet& page = *pages_.back();
    page.Create(Handle());
    ::SetWindowPos(page.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RebuildTabs();
    if (!active_) active_ = &page;
    ShowOnly(active_);
    LayoutPages();
    return page;
}

int PageControl::TabIndexOf(const TabSheet* page) const {
    int tab = 0;
    for (const auto& candidate : pages_) {
        if (!candidate->tabVisible_) continue;
        if (candidate.get() == page) return tab;
        ++tab;
    }
    return -1;
}

TabSheet* PageControl::PageAtTab(int tabIndex) const {
    int tab = 0;
    for (const auto& candidate : pages_) {
        if (!candidate->tabVisible_) continue;
        if (tab == tabIndex) return candidate.get();
        ++tab;
    }
    return nullptr;
}

void PageControl::RebuildTabs() {
    HWND strip = tabs_.Handle();
    TabCtrl_DeleteAllItems(strip);
    int tab = 0;
    for (const auto& page : pages_) {
        if (!page->tabVisible_) continue;
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(page->caption_.c_str());
        ::SendMessageA(strip, TCM_INSERTITEMA, tab++, reinterpret_cast<LPARAM>(&item));
    }
    TabCtrl_SetCurSel(strip, TabIndexOf(active_));
}

void PageControl::ShowOnly(TabSheet* page) {
    // Keys must never go to a control that the user cannot see: focus inside a page that is
    // about to be hidden moves to the tabs.
    HWND focus = ::GetFocus();
    for (const auto& candidate : pages_) {
        if (candidate.get() == page || !focus) continue;
        if (focus == candidate->Handle() || ::IsChild(candidate->Handle(), focus)) {
            ::SetFocus(tabs_.Handle());
            break;
        }
    }
    for (const auto& candidate : pages_) candidate->Show(candidate.get() == page);
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page && !page->tabVisible_) return;
    active_ = page;
    TabCtrl_SetCurSel(tabs_.Handle(), TabIndexOf(page));
    ShowOnly(page);
    LayoutPages();
}

void PageControl::SelectTabByUser(int tabIndex) {
    TabSheet* page = PageAtTab(tabIndex);
    if (!page || page == active_) return;
    SetActivePage(page);
    if (onChange) onChange();
}

void PageControl::SetTabVisible(TabSheet& page, bool visible) {
    if (page.tabVisible_ == visible) return;
    const int oldTab = TabIndexOf(&page);
    page.tabVisible_ = visible;
    if (!visible && active_ == &page) {
        // The page that now stands at the hidden tab's place (or the last one) becomes active.
        RebuildTabs();
        const int count = TabCtrl_GetItemCount(tabs_.Handle());
        active_ = PageAtTab(oldTab < count ? oldTab : count - 1);
        ShowOnly(active_);
    }
    RebuildTabs();
    LayoutPages();
}

std::vector<std::string> PageControl::VisibleTabCaptions() const {
    std::vector<std::string> captions;
    HWND strip = tabs_.Handle();
    const int count = TabCtrl_GetItemCount(strip);
    for (int tab = 0; tab < count; ++tab) {
        char buffer[128] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        ::SendMessageA(strip, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(buffer);
    }
    return captions;
}

void PageControl::LayoutPages() {
    RECT client = ClientRect();
    ::MoveWindow(tabs_.Handle(), 0, 0, client.right, client.bottom, TRUE);
    RECT display = client;
    TabCtrl_AdjustRect(tabs_.Handle(), FALSE, &display);
    if (active_)
        ::MoveWindow(active_->Handle(), display.left, display.top, display.right - display.left,
                     display.bottom - display.top, TRUE);
}

LRESULT PageControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SIZE) {
        LayoutPages();
        return 0;
    }
    if (msg == WM_GETFONT) return ::SendMessageA(::GetParent(Handle()), WM_GETFONT, 0, 0);
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace tk
