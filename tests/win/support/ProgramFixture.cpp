#include "support/ProgramFixture.h"

#include <commctrl.h>

#include "logic/ConfigData.h"
#include "settings/RegSave.h"
#include "toolkit/Application.h"
#include "toolkit/Menu.h"

namespace testsupport {

void DeleteSettingsKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, logic::kSettingsSubKey); }

void StoreSettingsValue(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, logic::kSettingsSubKey, 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
}

void Pump() { tk::Application::Instance().ProcessMessages(); }

void ClickListItem(tk::ListBox& list, int index, WPARAM keys) {
    RECT item{};
    ::SendMessageA(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, keys, point);
    Pump();
}

void PressKey(HWND hwnd, UINT key, bool shift, bool control) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(state);
    ::SendMessageA(hwnd, WM_KEYDOWN, key, 1);
    ::SendMessageA(hwnd, WM_KEYUP, key, 0xC0000001);
    state[VK_SHIFT] = state[VK_CONTROL] = 0;
    ::SetKeyboardState(state);
    Pump();
}

void ClickTab(tk::PageControl& pages, const std::string& caption) {
    const auto captions = pages.VisibleTabCaptions();
    HWND strip = ::FindWindowExA(pages.Handle(), nullptr, WC_TABCONTROLA, nullptr);
    ASSERT_NE(strip, nullptr);
    for (size_t tab = 0; tab < captions.size(); ++tab) {
        if (captions[tab] != caption) continue;
        RECT r{};
        TabCtrl_GetItemRect(strip, static_cast<int>(tab), &r);
        const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageA(strip, WM_LBUTTONUP, 0, point);
        Pump();
        return;
    }
    FAIL() << "no tab " << caption;
}

namespace {

LRESULT CALLBACK WithoutMaximumSize(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(hwnd, msg, wParam, lParam);
    if (msg == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = {30000, 30000};
        info->ptMaxSize = {30000, 30000};
    }
    return result;
}

}  // namespace

NoMaximumSize::NoMaximumSize(HWND hwnd) : hwnd_(hwnd) {
    ::SetWindowSubclass(hwnd_, WithoutMaximumSize, 1, 0);
}

NoMaximumSize::~NoMaximumSize() { ::RemoveWindowSubclass(hwnd_, WithoutMaximumSize, 1); }

void ProgramTest::SetUp() {
    DeleteSettingsKey();
    tk::Application::Instance().ClearTerminated();
}

void ProgramTest::TearDown() {
    form.reset();
    Pump();
    tk::Application::Instance().SetMainForm(nullptr);
    DeleteSettingsKey();
}

void ProgramTest::StartProgram() {
    form.reset();
    tk::Application::Instance().ClearTerminated();
    letterloom::SetDefaultConfig();
    form = std::make_unique<letterloom::TMainForm>();
    tk::Application::Instance().SetMainForm(form.get());
    form->Show(true);
    Pump();
}

void ProgramTest::StartProgramOnPage(const std::string& tabCaption) {
    StartProgram();
    ClickTab(form->Pagine, tabCaption);
}

void ProgramTest::ExitThroughMenu() {
    ASSERT_TRUE(tk::MenuCommands::Execute(form->File1.CommandId("Exit1")));
    Pump();
}

}  // namespace testsupport
