// The configuration dialog: its make-up, its integer fields, and what OK and Cancel do to the
// settings and the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include "ConfigDialogDriver.h"
#include "print/Printunit.h"
#include "settings/RegSave.h"
#include "settings/frmConfigForm.h"
#include "support/ProgramFixture.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Menu.h"

using letterloom::ConfigData;
using testsupport::Press;
using testsupport::SetTextOf;

namespace {

class ConfigFormTest : public testsupport::ProgramTest {
protected:
    // File > 配置 with the dialog worked by these steps.
    void Configure(testsupport::ConfigDialogDriver::Steps steps) {
        testsupport::ConfigDialogDriver driver(std::move(steps));
        ASSERT_TRUE(tk::MenuCommands::Execute(form->File1.CommandId("ConfigureMenuItem")));
        testsupport::Pump();
        EXPECT_EQ(driver.Runs(), 1);
        EXPECT_EQ(letterloom::ConfigForm, nullptr);
    }
    // Three fonts selected and the selected-fonts page open.
    void SelectThreeFontsAndOpenTheirPage() {
        testsupport::ClickListItem(form->FontList, 1, MK_CONTROL);
        testsupport::ClickListItem(form->FontList, 2, MK_CONTROL);
        testsupport::ClickTab(form->Pagine, "已选字体");
        ASSERT_EQ(form->FontList.SelCount(), 3);
        ASSERT_EQ(form->Pagine.ActivePage(), form->SelectedFontsPage);
    }
};

bool StoredFontListSize(int32_t& value) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, logic::kSettingsSubKey, 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    DWORD size = sizeof value;
    const bool found = ::RegQueryValueExA(key, logic::kFontListSizeName, nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return found;
}

TEST_F(ConfigFormTest, DialogShowsTheSettingsTheSuggestionsAndItsFocusOrder) {
    StartProgram();
    ConfigData.PrevString = "abc";
    ConfigData.SelectedListSize = -3;
    letterloom::TConfigForm dialog(form->Handle());
    EXPECT_EQ(dialog.PreviewString.Text(), "abc");
    EXPECT_EQ(dialog.FontListSize.Text(), "16");
    EXPECT_EQ(dialog.SelectedListSize.Text(), "-3");
    ASSERT_EQ(dialog.PreviewString.Count(), 3);
    EXPECT_EQ(dialog.PreviewString.Item(0).rfind("AaBbCcDc 12345 :-=", 0), 0u);
    EXPECT_EQ(dialog.PreviewString.Item(1).rfind("Hello World,welcome to ", 0), 0u);
    EXPECT_EQ(dialog.PreviewString.Item(2), "Thank you for choosing Letterloom");

    const HWND order[] = {dialog.FontListSize.Handle(),  dialog.SelectedListSize.Handle(),
                          dialog.PreviewString.Handle(), dialog.BitBtn1.Handle(),
                          dialog.BitBtn2.Handle(),       dialog.FontListSize.Handle()};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(::GetNextDlgTabItem(dialog.Handle(), order[i], FALSE), order[i + 1]) << i;
}

TEST_F(ConfigFormTest, SpinFieldsStepFilterTypingAndReadUnreadableTextAsZero) {
    StartProgram();
    letterloom::TConfigForm dialog(form->Handle());
    tk::SpinEdit& field = dialog.FontListSize;
    testsupport::PressKey(field.Handle(), VK_UP);
    testsupport::PressKey(field.Handle(), VK_UP);
    testsupport::PressKey(field.Handle(), VK_DOWN);
    EXPECT_EQ(field.Value(), 17);

    SetTextOf(field.Handle(), "");
    for (char c : std::string("-1a2.x"))
        ::SendMessageA(field.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(field.Text(), "-12.");
    EXPECT_EQ(field.Value(), 0);

    tk::SetClipboardText(form->Handle(), "abc", "clipboard busy");
    SetTextOf(field.Handle(), "");
    ::SendMessageA(field.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(field.Text(), "abc");
    EXPECT_EQ(field.Value(), 0);
    for (const char* text : {"", "-", "+", "1.5"}) {
        SetTextOf(field.Handle(), text);
        EXPECT_EQ(field.Value(), 0) << text;
    }
}

TEST_F(ConfigFormTest, HeldButtonRepeatsAfterAPause) {
    StartProgram();
    letterloom::TConfigForm dialog(form->Handle());
    dialog.Show(true);
    tk::SpinEdit& field = dialog.SelectedListSize;
    HWND buttons = field.Buttons().Handle();
    const RECT r = field.Buttons().ClientRect();
    auto pumpFor = [](DWORD ms) {
        for (const DWORD end = ::GetTickCount() + ms; ::GetTickCount() < end;) {
            testsupport::Pump();
            ::Sleep(5);
        }
    };
    ::SendMessageA(buttons, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, r.bottom - 2));
    EXPECT_EQ(field.Value(), 23);  // the lower button steps down at once
    pumpFor(300);
    EXPECT_EQ(field.Value(), 23);  // no repeat before 400 ms
    pumpFor(800);                  // then one every 100 ms: about 7 more by 1.1 s
    EXPECT_LE(field.Value(), 23 - 4);
    EXPECT_GE(field.Value(), 23 - 8);
    ::SendMessageA(buttons, WM_LBUTTONUP, 0, MAKELPARAM(2, r.bottom - 2));
    const int32_t released = field.Value();
    pumpFor(300);
    EXPECT_EQ(field.Value(), released);
    ::SendMessageA(buttons, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 1));
    ::SendMessageA(buttons, WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
    EXPECT_EQ(field.Value(), released + 1);
}

TEST_F(ConfigFormTest, CancelAndEscapeChangeNeitherSettingsNorWindow) {
    StartProgram();
    SelectThreeFontsAndOpenTheirPage();
    const logic::TLetterloomConfigData before = ConfigData;
    for (const bool escape : {false, true}) {
        Configure([escape](letterloom::TConfigForm& dialog) {
            SetTextOf(dialog.FontListSize.Handle(), "40");
            SetTextOf(dialog.PreviewString.Handle(), "changed");
            if (escape)
                testsupport::PostKey(dialog.FontListSize.Handle(), VK_ESCAPE);
            else
                Press(dialog.BitBtn1);
        });
        EXPECT_EQ(ConfigData.PrevString, before.PrevString);
        EXPECT_EQ(ConfigData.FontListSize, before.FontListSize);
        EXPECT_EQ(form->FontList.SelCount(), 3);
        EXPECT_EQ(form->Pagine.ActivePage(), form->SelectedFontsPage);
    }
}

TEST_F(ConfigFormTest, OkWithoutChangesRefillsTheListAndSelectsOnlyTheFirstFont) {
    StartProgram();
    SelectThreeFontsAndOpenTheirPage();
    Configure([](letterloom::TConfigForm& dialog) { Press(dialog.BitBtn2); });
    EXPECT_EQ(form->FontList.Count(), static_cast<int>(letterloom::InstalledFontNames.size()));
    EXPECT_EQ(form->FontList.SelCount(), 1);
    EXPECT_TRUE(form->FontList.Selected(0));
    EXPECT_EQ(form->Pagine.ActivePage(), form->ListaFont);
    EXPECT_EQ(VisibleTabs(), (std::vector<std::string>{"字体列表", "字体测试", "字符映射表"}));
}

TEST_F(ConfigFormTest, OkTakesAnyValueAndTheRegistryGetsItOnlyAtClose) {
    StartProgram();
    const int oldHeight = form->FontList.ItemHeight();
    const struct {
        const char* fontList;
        const char* selected;
        int32_t fontListValue;
        int32_t selectedValue;
    } cases[] = {{"", "-5", 0, -5}, {"99999", "2147483647", 99999, 2147483647}};
    for (const auto& c : cases) {
        Configure([&c](letterloom::TConfigForm& dialog) {
            SetTextOf(dialog.FontListSize.Handle(), c.fontList);
            SetTextOf(dialog.SelectedListSize.Handle(), c.selected);
            ::SendMessageA(dialog.PreviewString.Handle(), CB_SETCURSEL, 2, 0);
            testsupport::PostKey(dialog.FontListSize.Handle(), VK_RETURN);  // Enter presses OK
        });
        EXPECT_EQ(ConfigData.FontListSize, c.fontListValue);
        EXPECT_EQ(ConfigData.SelectedListSize, c.selectedValue);
        EXPECT_EQ(ConfigData.PrevString, "Thank you for choosing Letterloom");
        EXPECT_EQ(form->FontList.ItemHeight(), oldHeight) << c.fontList;
    }
    int32_t stored = -1;
    EXPECT_FALSE(StoredFontListSize(stored));
    ExitThroughMenu();
    ASSERT_TRUE(StoredFontListSize(stored));
    EXPECT_EQ(stored, 99999);
}

}  // namespace
