#pragma once
// Pages behind a row of tabs. A page's tab can be hidden and shown again; it comes back at its
// own place in the tab order, and the page keeps its contents meanwhile.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/FontSpec.h"
#include "toolkit/Panel.h"
#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace tk {

class TabSheet : public Panel {
public:
    TabSheet(std::string name, std::string caption)
        : name_(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    bool TabVisible() const { return tabVisible_; }

private:
    friend class PageControl;
    std::string name_;
    std::string caption_;
    bool tabVisible_ = true;
};

class PageControl : public Window {
public:
    // Tabs of a fixed width with hot tracking, in the given font.
    void Create(HWND parent, const FontSpec& tabFont, int tabWidth);
    TabSheet& AddPage(const std::string& name, const std::string& caption);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) { return *pages_[static_cast<size_t>(index)]; }
    TabSheet* ActivePage() const { return active_; }
    // Switches pages without running onChange, as a program switch does.
    void SetActivePage(TabSheet* page);
    // What the user does by clicking a tab: switch, then run onChange.
    void SelectTabByUser(int tabIndex);
    void SetTabVisible(TabSheet& page, bool visible);

    // The captions of the tabs that are shown, in tab order.
    std::vector<std::string> VisibleTabCaptions() const;

    std::function<void()> onChange;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    class TabStrip : public Window {
    public:
        void Create(HWND parent);
        PageControl* owner = nullptr;
        LRESULT OnNotify(NMHDR* header) override;

    protected:
        LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    };
    int TabIndexOf(const TabSheet* page) const;
    TabSheet* PageAtTab(int tabIndex) const;
    void RebuildTabs();
    void LayoutPages();
    void ShowOnly(TabSheet* page);

    TabStrip tabs_;
    UniqueFont tabFont_;
    std::vector<std::unique_ptr<TabSheet>> pages_;
    TabSheet* active_ = nullptr;
};

}  // namespace tk
