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

// Process-wide table of menu command ids: what each runs and which picture it shows.
class MenuCommands {
public:
    static UINT Register(std::function<void()> onClick, const ImageList* images, int imageIndex);
    static void Unregister(UINT id);
    static bool Execute(UINT id);
    static bool MeasureItem(MEASUREITEMSTRUCT* item);
    static bool DrawItem(DRAWITEMSTRUCT* item);
};

class Menu {
public:
    explicit Menu(bool popup, const ImageList* images = nullptr);
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
    // Opens the popup at a screen position; its commands go to owner.
    void Popup(HWND owner, int x, int y);

    UINT CommandId(const std::string& name) const;
    std::string Caption(const std::string& name) const;
    int ImageIndex(const std::string& name) const;

private:
    struct Entry {
        std::string name;
        UINT id;
        int imageIndex;
        HMENU submenu;
    };
    HMENU menu_;
    // Holds menu_ until a window (as its menu bar) or a parent menu (as a submenu) takes it.
    UniqueMenu owner_;
    const ImageList* images_;
    std::vector<Entry> entries_;
};

}  // namespace tk
