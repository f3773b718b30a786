// The main window's start-up, resizing and close, on real windows and the real registry.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/SplashScreen.h"
#include "print/FontListPrintout.h"
#include "settings/SettingsStore.h"
#include "shared/RegistryKeys.h"
#include "support/DialogWatcher.h"
#include "support/ProgramFixture.h"
#include "toolkit/Application.h"

namespace {

class MainFormTest : public testsupport::ProgramTest {};

bool SettingsValueExists(const char* name) {
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CURRENT_USER, logic::kSettingsSubKey);
    return key &&
           ::RegQueryValueExA(key.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

TEST_F(MainFormTest, FirstRunShowsTheDefaultsAndTheFontList) {
    StartProgram();
    EXPECT_EQ(form->Text(), "Letterloom");
    EXPECT_EQ(tk::Application::Instance().Title(), "Letterloom");
    EXPECT_EQ(program->settings.previewText, "AaBbCcDc 12345 :-=");
    EXPECT_EQ(form->FontTest().Memo().Text(), "用这来测试所有字体" + std::string(14, ' '));
    EXPECT_EQ(form->FontTest().Memo().GetFont().Size(), 24);
    EXPECT_EQ(form->Pages().ActivePage(), (&form->FontList().Sheet()));
    ASSERT_EQ(form->FontList().List().Count(), static_cast<int>(program->fontNames.size()));
    EXPECT_EQ(form->FontList().List().SelCount(), 1);
    EXPECT_TRUE(form->FontList().List().Selected(0));
    EXPECT_EQ(form->FontList().List().ItemIndex(), 0);
    EXPECT_EQ(form->FontList().List().Item(0), program->fontNames.front());
}

TEST_F(MainFormTest, InstalledFontsHoldDefaultAndEachFamilyOnceInLocaleOrder) {
    StartProgram();
    const auto& names = program->fontNames;
    ASSERT_GT(names.size(), 10u);
    EXPECT_NE(std::find(names.begin(), names.end(), "Default"), names.end());
    std::set<std::string> folded;
    for (const auto& name : names) {
        std::string lower = name;
        ::CharLowerA(lower.data());
        EXPECT_TRUE(folded.insert(lower).second) << "twice: " << name;
    }
    for (size_t i = 1; i < names.size(); ++i)
        EXPECT_EQ(::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, names[i - 1].c_str(), -1,
                                   names[i].c_str(), -1),
                  CSTR_LESS_THAN)
            << names[i - 1] << " / " << names[i];
}

TEST_F(MainFormTest, CloseStoresTheFourSettingsAndTheNextRunReadsThem) {
    StartProgram();
    form->FontTest().Memo().SetText("typed here");
    program->settings.fontListPoints = 20;
    ExitThroughMenu();
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_TRUE(tk::Application::Instance().Terminated());
    for (const char* name : {"PrevString", "TryString", "字体列表大小", "已选字体大小   "})
        EXPECT_TRUE(SettingsValueExists(name)) << name;

    StartProgram();
    EXPECT_EQ(program->settings.testText, "typed here");
    EXPECT_EQ(form->FontTest().Memo().Text(), "typed here");
    EXPECT_EQ(program->settings.fontListPoints, 20);
    EXPECT_EQ(form->FontList().List().ItemHeight(), 26);  // 96 × 20 div 72
}

TEST_F(MainFormTest, CloseFromAnotherPageMakesTheFontListActiveFirst) {
    StartProgram();
    testsupport::ClickTab(form->Pages(), "字体测试");
    ASSERT_EQ(form->Pages().ActivePage(), (&form->FontTest().Sheet()));
    form->Close();
    testsupport::Pump();
    EXPECT_EQ(form->Pages().ActivePage(), (&form->FontList().Sheet()));
    EXPECT_TRUE(SettingsValueExists("TryString"));
}

TEST_F(MainFormTest, BadStoredValueIsReportedAndTheProgramStillComesUp) {
    const int32_t one = 1;
    testsupport::StoreSettingsValue("PrevString", REG_SZ, "kept", 5);
    testsupport::StoreSettingsValue("TryString", REG_DWORD, &one, 4);

    testsupport::DialogWatcher watcher;
    StartProgram();
    ASSERT_TRUE(testsupport::Settle());
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Letterloom");
    EXPECT_EQ(seen[0].text, "对 'TRYString' 的无效数据类型.");
    EXPECT_TRUE(seen[0].errorIcon);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(program->settings.previewText, "kept");
    // The show step stopped at the error: the list was not filled, but the names were built, so
    // that the configuration dialog can fill it.
    EXPECT_EQ(form->FontList().List().Count(), 0);
    EXPECT_GT(program->fontNames.size(), 10u);
}

TEST_F(MainFormTest, ItemHeightsFollowTheSizesAtNinetySixPixelsPerInch) {
    StartProgram();
    ASSERT_EQ(form->FontList().List().GetFont().pixelsPerInch, 96);
    EXPECT_EQ(form->FontList().List().ItemHeight(), 21);
    EXPECT_EQ(form->SelectedFonts().List().ItemHeight(), 32);

    program->settings.fontListPoints = 0;
    program->settings.selectedListPoints = -10;
    form->ApplyItemSizes();
    EXPECT_EQ(form->FontList().List().ItemHeight(), 21);
    EXPECT_EQ(form->SelectedFonts().List().ItemHeight(), 32);

    program->settings.fontListPoints = 3;
    form->ApplyItemSizes();
    EXPECT_EQ(form->FontList().List().ItemHeight(), 4);
}

TEST_F(MainFormTest, ResizeGrowsTheWindowBackToItsFloor) {
    StartProgram();
    ::ShowWindow(form->Handle(), SW_RESTORE);
    ::MoveWindow(form->Handle(), 10, 10, 300, 200, TRUE);
    testsupport::Pump();
    EXPECT_GE(form->Width(), 400);
    EXPECT_GE(form->Height(), 350);
    ::MoveWindow(form->Handle(), 10, 10, 640, 480, TRUE);
    testsupport::Pump();
    EXPECT_EQ(form->Width(), 640);
    EXPECT_EQ(form->Height(), 480);
}

TEST_F(MainFormTest, ProgressBarLiesOnTheStatusBarsFirstPanel) {
    StartProgram();
    const RECT bar = form->StatusBar().BoundsRect();
    const RECT client = form->ClientRect();
    EXPECT_EQ(bar.bottom - bar.top, 19);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.right - bar.left, client.right);
    EXPECT_FALSE(::GetWindowLongA(form->StatusBar().Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    const RECT progress = form->ProgressBar().BoundsRect();
    EXPECT_EQ(progress.left, 0);
    EXPECT_EQ(progress.top, bar.top + 2);
    EXPECT_EQ(progress.right - progress.left, 200);
    EXPECT_EQ(form->ProgressBar().Position(), 0);
}

TEST_F(MainFormTest, MenusCarryTheirCaptionsAndPictures) {
    StartProgram();
    EXPECT_EQ(form->MenuBar().Caption("File"), "文件(&F)");
    EXPECT_EQ(form->MenuBar().Caption("Help"), "帮助(&H)");
    EXPECT_EQ(form->FileMenu().Caption("ExportFontList"), "导出字体列表(&E)");
    EXPECT_EQ(form->FileMenu().Caption("Exit"), "退出(&E)");
    EXPECT_EQ(form->FileMenu().Caption("FindFonts"), "查找可显示文字的字体(&F)...\tCtrl+F");
    EXPECT_EQ(form->FileMenu().Caption("ShowAllFonts"), "显示全部字体(&A)");
    EXPECT_EQ(form->FileMenu().ImageIndex("Exit"), 5);
    EXPECT_EQ(form->FileMenu().ImageIndex("PrintFontList"), 4);
    EXPECT_EQ(form->FileMenu().ImageIndex("PrintCharMaps"), 4);
    EXPECT_EQ(form->HelpMenu().Caption("Donate"), "做出捐赠");
    EXPECT_EQ(form->HelpMenu().ImageIndex("Donate"), -1);
    EXPECT_EQ(form->CharMap().PopupMenu().Caption("AppendToBuffer"), "复制到缓冲区(&T)");
    EXPECT_EQ(form->CharMap().PopupMenu().ImageIndex("CopyBuffer"), 7);
    EXPECT_EQ(form->Images().Count(), 22);
    EXPECT_EQ(::GetMenuItemCount(form->FileMenu().Handle()), 13);
    EXPECT_EQ(::GetMenuItemCount(form->HelpMenu().Handle()), 6);
}

}  // namespace

namespace {

class SplashTest : public testsupport::ProgramTest {};

// As WinMain shows it: before the program is made, gone when the first showing ends.
TEST_F(SplashTest, SplashShowsUntilTheEndOfTheFirstShowing) {
    auto splash = std::make_unique<letterloom::SplashScreen>();
    HWND handle = splash->Handle();
    EXPECT_TRUE(::IsWindowVisible(handle));
    RECT client{};
    ::GetClientRect(handle, &client);
    EXPECT_EQ(client.right, 298);
    EXPECT_EQ(client.bottom, 115);
    CreateProgram();
    form->onFirstShowingEnd = [&splash] { splash.reset(); };
    ShowProgram();
    EXPECT_FALSE(splash);
    EXPECT_FALSE(::IsWindow(handle));
}

TEST_F(SplashTest, SplashGoesAlsoWhenTheFirstShowingFails) {
    const int32_t one = 1;
    testsupport::StoreSettingsValue("PrevString", REG_DWORD, &one, 4);
    testsupport::DialogWatcher watcher;
    auto splash = std::make_unique<letterloom::SplashScreen>();
    CreateProgram();
    form->onFirstShowingEnd = [&splash] { splash.reset(); };
    ShowProgram();
    EXPECT_EQ(watcher.Seen().size(), 1u);
    EXPECT_FALSE(splash);
}

}  // namespace
