// The configuration dialog: its make-up, its integer fields, and what OK and Cancel do to the
// settings and the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include "ConfigDialogDriver.h"
#include "print/FontListPrintout.h"
#include "settings/ConfigDialog.h"
#include "settings/SettingsStore.h"
#include "shared/RegistryKeys.h"
#include "support/ProgramFixture.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Menu.h"

using testsupport::Press;
using testsupport::SetTextOf;

namespace {

class ConfigFormTest : public testsupport::ProgramTest {
protected:
    // File > 配置 with the dialog worked by these steps.
    void Configure(testsupport::ConfigDialogDriver::Steps steps) {
        testsupport::ConfigDialogDriver driver(std::move(steps));
        ASSERT_TRUE(form->FileMenu().Execute(form->FileMenu().CommandId("Configure")));
        testsupport::Pump();
        EXPECT_EQ(driver.Runs(), 1);
        EXPECT_EQ(testsupport::OpenConfigDialog(), nullptr);
    }
    // Three fonts selected and the selected-fonts page open.
    void SelectThreeFontsAndOpenTheirPage() {
        testsupport::ClickListItem(form->FontList().List(), 1, MK_CONTROL);
        testsupport::ClickListItem(form->FontList().List(), 2, MK_CONTROL);
        testsupport::ClickTab(form->Pages(), "已选字体");
        ASSERT_EQ(form->FontList().List().SelCount(), 3);
        ASSERT_EQ(form->Pages().ActivePage(), (&form->SelectedFonts().Sheet()));
    }
};

// A clock for the spin buttons' repeat that moves only when the test advances it, delivering each
// tick that falls due as the timer's message.
class StepClock : public tk::RepeatClock {
public:
    void Start(HWND hwnd, UINT_PTR timer, UINT ms) override {
        hwnd_ = hwnd;
        timer_ = timer;
        period_ = ms;
        due_ = now_ + ms;
        running_ = true;
    }
    void Stop(HWND, UINT_PTR) override { running_ = false; }
    void Advance(UINT ms) {
        const UINT end = now_ + ms;
        while (running_ && due_ <= end) {
            now_ = due_;
            due_ += period_;  // unless the tick starts the timer anew
            ::SendMessageA(hwnd_, WM_TIMER, timer_, 0);
        }
        now_ = end;
    }

private:
    HWND hwnd_ = nullptr;
    UINT_PTR timer_ = 0;
    UINT now_ = 0, due_ = 0, period_ = 0;
    bool running_ = false;
};

bool StoredFontListSize(int32_t& value) {
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CURRENT_USER, logic::kSettingsSubKey);
    DWORD size = sizeof value;
    return key && ::RegQueryValueExA(key.get(), logic::kFontListPointsValue, nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS;
}

TEST_F(ConfigFormTest, DialogShowsTheSettingsTheSuggestionsAndItsFocusOrder) {
    StartProgram();
    program->settings.previewText = "abc";
    program->settings.selectedListPoints = -3;
    letterloom::ConfigDialog dialog(form->Handle(), program->settings);
    EXPECT_EQ(dialog.PreviewTextBox().Text(), "abc");
    EXPECT_EQ(dialog.FontListPointsField().Text(), "16");
    EXPECT_EQ(dialog.SelectedListPointsField().Text(), "-3");
    ASSERT_EQ(dialog.PreviewTextBox().Count(), 3);
    EXPECT_EQ(dialog.PreviewTextBox().Item(0).rfind("AaBbCcDc 12345 :-=", 0), 0u);
    EXPECT_EQ(dialog.PreviewTextBox().Item(1).rfind("Hello World,welcome to ", 0), 0u);
    EXPECT_EQ(dialog.PreviewTextBox().Item(2), "Thank you for choosing Letterloom");

    const HWND order[] = {dialog.FontListPointsField().Handle(),
                          dialog.SelectedListPointsField().Handle(),
                          dialog.PreviewTextBox().Handle(),
                          dialog.CancelButton().Handle(),
                          dialog.OkButton().Handle(),
                          dialog.FontListPointsField().Handle()};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(::GetNextDlgTabItem(dialog.Handle(), order[i], FALSE), order[i + 1]) << i;
}

TEST_F(ConfigFormTest, SpinFieldsStepFilterTypingAndReadUnreadableTextAsZero) {
    StartProgram();
    letterloom::ConfigDialog dialog(form->Handle(), program->settings);
    tk::SpinEdit& field = dialog.FontListPointsField();
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
    letterloom::ConfigDialog dialog(form->Handle(), program->settings);
    dialog.Show(true);
    tk::SpinEdit& field = dialog.SelectedListPointsField();
    HWND buttons = field.Buttons().Handle();
    const RECT r = field.Buttons().ClientRect();
    const LPARAM lower = MAKELPARAM(2, r.bottom - 2), upper = MAKELPARAM(2, 1);
    StepClock clock;
    field.Buttons().SetClock(&clock);
    ::SendMessageA(buttons, WM_LBUTTONDOWN, MK_LBUTTON, lower);
    EXPECT_EQ(field.Value(), 23);  // the lower button steps down at once
    clock.Advance(399);
    EXPECT_EQ(field.Value(), 23);  // no repeat before 400 ms
    clock.Advance(1);
    EXPECT_EQ(field.Value(), 22);
    for (int32_t value = 21; value >= 17; --value) {  // then one every 100 ms
        clock.Advance(99);
        EXPECT_EQ(field.Value(), value + 1);
        clock.Advance(1);
        EXPECT_EQ(field.Value(), value);
    }
    ::SendMessageA(buttons, WM_LBUTTONUP, 0, lower);
    clock.Advance(1000);
    EXPECT_EQ(field.Value(), 17);  // none after the release
    ::SendMessageA(buttons, WM_LBUTTONDOWN, MK_LBUTTON, upper);
    ::SendMessageA(buttons, WM_LBUTTONUP, 0, upper);
    EXPECT_EQ(field.Value(), 18);

    // The window's own timer drives the same repeat, and the release stops it.
    field.Buttons().SetClock(nullptr);
    ::SendMessageA(buttons, WM_LBUTTONDOWN, MK_LBUTTON, lower);
    EXPECT_EQ(field.Value(), 17);
    EXPECT_TRUE(testsupport::WaitFor([&] { return field.Value() <= 15; }));
    ::SendMessageA(buttons, WM_LBUTTONUP, 0, lower);
    const int32_t released = field.Value();
    ASSERT_TRUE(testsupport::Settle());
    EXPECT_EQ(field.Value(), released);
}

TEST_F(ConfigFormTest, CancelAndEscapeChangeNeitherSettingsNorWindow) {
    StartProgram();
    SelectThreeFontsAndOpenTheirPage();
    const logic::Settings before = program->settings;
    for (const bool escape : {false, true}) {
        Configure([escape](letterloom::ConfigDialog& dialog) {
            SetTextOf(dialog.FontListPointsField().Handle(), "40");
            SetTextOf(dialog.PreviewTextBox().Handle(), "changed");
            if (escape)
                testsupport::PostKey(dialog.FontListPointsField().Handle(), VK_ESCAPE);
            else
                Press(dialog.CancelButton());
        });
        EXPECT_EQ(program->settings.previewText, before.previewText);
        EXPECT_EQ(program->settings.fontListPoints, before.fontListPoints);
        EXPECT_EQ(form->FontList().List().SelCount(), 3);
        EXPECT_EQ(form->Pages().ActivePage(), (&form->SelectedFonts().Sheet()));
    }
}

TEST_F(ConfigFormTest, OkWithoutChangesRefillsTheListAndSelectsOnlyTheFirstFont) {
    StartProgram();
    SelectThreeFontsAndOpenTheirPage();
    Configure([](letterloom::ConfigDialog& dialog) { Press(dialog.OkButton()); });
    EXPECT_EQ(form->FontList().List().Count(), static_cast<int>(program->fontNames.size()));
    EXPECT_EQ(form->FontList().List().SelCount(), 1);
    EXPECT_TRUE(form->FontList().List().Selected(0));
    EXPECT_EQ(form->Pages().ActivePage(), (&form->FontList().Sheet()));
    EXPECT_EQ(VisibleTabs(), (std::vector<std::string>{"字体列表", "字体测试", "字符映射表"}));
}

TEST_F(ConfigFormTest, OkTakesAnyValueAndTheRegistryGetsItOnlyAtClose) {
    StartProgram();
    const int oldHeight = form->FontList().List().ItemHeight();
    const struct {
        const char* fontList;
        const char* selected;
        int32_t fontListValue;
        int32_t selectedValue;
    } cases[] = {{"", "-5", 0, -5}, {"99999", "2147483647", 99999, 2147483647}};
    for (const auto& c : cases) {
        Configure([&c](letterloom::ConfigDialog& dialog) {
            SetTextOf(dialog.FontListPointsField().Handle(), c.fontList);
            SetTextOf(dialog.SelectedListPointsField().Handle(), c.selected);
            ::SendMessageA(dialog.PreviewTextBox().Handle(), CB_SETCURSEL, 2, 0);
            testsupport::PostKey(dialog.FontListPointsField().Handle(),
                                 VK_RETURN);  // Enter presses OK
        });
        EXPECT_EQ(program->settings.fontListPoints, c.fontListValue);
        EXPECT_EQ(program->settings.selectedListPoints, c.selectedValue);
        EXPECT_EQ(program->settings.previewText, "Thank you for choosing Letterloom");
        EXPECT_EQ(form->FontList().List().ItemHeight(), oldHeight) << c.fontList;
    }
    int32_t stored = -1;
    EXPECT_FALSE(StoredFontListSize(stored));
    ExitThroughMenu();
    ASSERT_TRUE(StoredFontListSize(stored));
    EXPECT_EQ(stored, 99999);
}

}  // namespace
