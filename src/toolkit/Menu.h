#pragma once
// Menu bars and popup menus whose items carry pictures from an image list.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/UniqueHandle.h"

namespace tk {

class Action;
class ImageList;

class Window;

// A menu bar or popup menu of a window: its items' commands reach the window and are run here.
class Menu {
public:
    // window receives the menu's commands and drawing requests; it outlives the menu.
    Menu(Window& window, bool popup, const ImageList* images = nullptr);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    HMENU Handle() const { return menu_; }

    // Adds an item and returns its command id.
    UINT AddItem(const std::string& name, const std::string& caption, int imageIndex,
                 std::function<void()> onClick);
    UINT AddAction(const std::string& name, Action& action);
    void AddSeparator();
    // The submenu's handle then belongs to this menu.
    void AddSubmenu(const std::string& name, const std::string& caption, Menu& submenu);
    // Makes this the window's menu bar; the window then owns the handle.
    void AttachTo(HWND window);
    // Greys the named item, or makes it choosable again.
    void SetEnabled(const std::string& name, bool enabled);
    // Opens the popup at a screen position over its window and runs the command chosen.
    void Popup(int x, int y);

    // Runs the item with this command id; false when the id is none of this menu's.
    bool Execute(UINT id);
    // Sizes and draws the picture of an owner-drawn item; false when it is none of this menu's.
    bool MeasureItem(MEASUREITEMSTRUCT* item) const;
    bool DrawItem(DRAWITEMSTRUCT* item) const;

    UINT CommandId(const std::string& name) const;
    std::string Caption(const std::string& name) const;
    int ImageIndex(const std::string& name) const;

private:
    struct Entry {
        std::string name;
        UINT id;
        int imageIndex;
        HMENU submenu;
        std::function<void()> onClick;
    };
    const Entry* Find(UINT id) const;

    Window& window_;
    HMENU menu_;
    // Holds menu_ until a window (as its menu bar) or a parent menu (as a submenu) takes it.
    UniqueMenu owner_;
    const ImageList* images_;
    std::vector<Entry> entries_;
};

}  // namespace tk
