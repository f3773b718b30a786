#include "toolkit/Menu.h"

#include <map>

#include "toolkit/Action.h"
#include "toolkit/Error.h"
#include "toolkit/ImageList.h"

namespace tk {

namespace {

struct Command {
    std::function<void()> onClick;
    const ImageList* images;
    int imageIndex;
};

std::map<UINT, Command>& Commands() {
    static std::map<UINT, Command> commands;
    return commands;
}

constexpr UINT kFirstCommandId = 1000;
constexpr int kImageMargin = 2;

}  // namespace

UINT MenuCommands::Register(std::function<void()> onClick, const ImageList* images,
                            int imageIndex) {
    static UINT next = kFirstCommandId;
    const UINT id = next++;
    Commands()[id] = Command{std::move(onClick), images, imageIndex};
    return id;
}

void MenuCommands::Unregister(UINT id) { Commands().erase(id); }

bool MenuCommands::Execute(UINT id) {
    auto found = Commands().find(id);
    if (found == Commands().end()) return false;
    // Copied, since the handler may rebuild the menus.
    auto onClick = found->second.onClick;
    if (onClick) onClick();
    return true;
}

bool MenuCommands::MeasureItem(MEASUREITEMSTRUCT* item) {
    auto found = Commands().find(item->itemID);
    if (found == Commands().end() || !found->second.images) return false;
    const int size = found->second.images->ImageSize();
    item->itemWidth = static_cast<UINT>(size);
    item->itemHeight = static_cast<UINT>(size + kImageMargin);
    return true;
}

bool MenuCommands::DrawItem(DRAWITEMSTRUCT* item) {
    auto found = Commands().find(item->itemID);
    if (found == Commands().end() || !found->second.images) return false;
    const ImageList& images = *found->second.images;
    const int size = images.ImageSize();
    const int x = item->rcItem.left + ((item->rcItem.right - item->rcItem.left) - size) / 2;
    const int y = item->rcItem.top + ((item->rcItem.bottom - item->rcItem.top) - size) / 2;
    images.Draw(item->hDC, found->second.imageIndex, x > 0 ? x : item->rcItem.left, y,
                !(item->itemState & ODS_GRAYED));
    return true;
}

Menu::Menu(bool popup, const ImageList* images)
    : menu_(popup ? ::CreatePopupMenu() : ::CreateMenu()), owner_(menu_), images_(images) {
    if (!menu_) ThrowLastError("CreateMenu");
}

Menu::~Menu() {
    for (const Entry& entry : entries_)
        if (entry.id) MenuCommands::Unregister(entry.id);
}

UINT Menu::AddItem(const std::string& name, const std::string& caption, int imageIndex,
                   std::function<void()> onClick) {
    const UINT id =
        MenuCommands::Register(std::move(onClick), imageIndex >= 0 ? images_ : nullptr, imageIndex);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.fType = MFT_STRING;
    info.wID = id;
    info.dwTypeData = const_cast<char*>(caption.c_str());
    if (imageIndex >= 0 && images_) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
    }
    ::InsertMenuItemA(menu_, ::GetMenuItemCount(menu_), TRUE, &info);
    entries_.push_back({name, id, imageIndex, nullptr});
    return id;
}

UINT Menu::AddAction(const std::string& name, Action& action) {
    Action* target = &action;
    return AddItem(name, action.caption, action.imageIndex, [target] { target->Execute(); });
}

void Menu::AddSeparator() {
    ::AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    entries_.push_back({"-", 0, -1, nullptr});
}

void Menu::AddSubmenu(const std::string& name, const std::string& caption, Menu& submenu) {
    ::AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.menu_),
                  caption.c_str());
    submenu.owner_.release();
    entries_.push_back({name, 0, -1, submenu.menu_});
}

void Menu::AttachTo(HWND window) {
    if (!::SetMenu(window, menu_)) ThrowLastError("SetMenu");
    owner_.release();
}

void Menu::Popup(HWND owner, int x, int y) {
    ::SetForegroundWindow(owner);
    ::TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
}

UINT Menu::CommandId(const std::string& name) const {
    for (const Entry& entry : entries_)
        if (entry.name == name) return entry.id;
    return 0;
}

std::string Menu::Caption(const std::string& name) const {
    for (UINT position = 0; position < entries_.size(); ++position) {
        if (entries_[position].name != name) continue;
        char buffer[256] = {};
        ::GetMenuStringA(menu_, position, buffer, sizeof buffer, MF_BYPOSITION);
        return buffer;
    }
    return {};
}

int Menu::ImageIndex(const std::string& name) const {
    for (const Entry& entry : entries_)
        if (entry.name == name) return entry.imageIndex;
    return -1;
}

}  // namespace tk
