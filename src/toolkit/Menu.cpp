#include "toolkit/Menu.h"

#include "toolkit/Action.h"
#include "toolkit/Error.h"
#include "toolkit/ImageList.h"
#include "toolkit/Window.h"

namespace tk {

namespace {
constexpr int kImageMargin = 2;
}  // namespace

Menu::Menu(Window& window, bool popup, const ImageList* images)
    : window_(window),
      menu_(popup ? ::CreatePopupMenu() : ::CreateMenu()),
      owner_(menu_),
      images_(images) {
    if (!menu_) ThrowLastError("CreateMenu");
    window_.AddMenu(*this);
}

Menu::~Menu() { window_.RemoveMenu(*this); }

UINT Menu::AddItem(const std::string& name, const std::string& caption, int imageIndex,
                   std::function<void()> onClick) {
    const UINT id = window_.NextMenuCommandId();
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
    entries_.push_back({name, id, imageIndex, nullptr, std::move(onClick)});
    return id;
}

UINT Menu::AddAction(const std::string& name, Action& action) {
    Action* target = &action;
    return AddItem(name, action.caption, action.imageIndex, [target] { target->Execute(); });
}

void Menu::AddSeparator() {
    ::AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    entries_.push_back({"-", 0, -1, nullptr, nullptr});
}

void Menu::AddSubmenu(const std::string& name, const std::string& caption, Menu& submenu) {
    ::AppendMenuA(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.menu_),
                  caption.c_str());
    submenu.owner_.release();
    entries_.push_back({name, 0, -1, submenu.menu_, nullptr});
}

void Menu::SetEnabled(const std::string& name, bool enabled) {
    ::EnableMenuItem(menu_, CommandId(name), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Menu::AttachTo(HWND window) {
    if (!::SetMenu(window, menu_)) ThrowLastError("SetMenu");
    owner_.release();
}

void Menu::Popup(int x, int y) {
    const HWND owner = window_.Handle();
    ::SetForegroundWindow(owner);
    ::TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
}

const Menu::Entry* Menu::Find(UINT id) const {
    if (id == 0) return nullptr;
    for (const Entry& entry : entries_)
        if (entry.id == id) return &entry;
    return nullptr;
}

bool Menu::Execute(UINT id) {
    const Entry* entry = Find(id);
    if (!entry) return false;
    // Copied, since the handler may rebuild the menus.
    const std::function<void()> onClick = entry->onClick;
    if (onClick) onClick();
    return true;
}

bool Menu::MeasureItem(MEASUREITEMSTRUCT* item) const {
    const Entry* entry = Find(item->itemID);
    if (!entry || entry->imageIndex < 0 || !images_) return false;
    const int size = images_->ImageSize();
    item->itemWidth = static_cast<UINT>(size);
    item->itemHeight = static_cast<UINT>(size + kImageMargin);
    return true;
}

bool Menu::DrawItem(DRAWITEMSTRUCT* item) const {
    const Entry* entry = Find(item->itemID);
    if (!entry || entry->imageIndex < 0 || !images_) return false;
    const int size = images_->ImageSize();
    const int x = item->rcItem.left + ((item->rcItem.right - item->rcItem.left) - size) / 2;
    const int y = item->rcItem.top + ((item->rcItem.bottom - item->rcItem.top) - size) / 2;
    images_->Draw(item->hDC, entry->imageIndex, x > 0 ? x : item->rcItem.left, y,
                  !(item->itemState & ODS_GRAYED));
    return true;
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
