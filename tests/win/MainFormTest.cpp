// The main window's start-up, resizing and close, on real windows and the real registry.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/InternalProcs.h"
#include "app/frmSplashForm.h"
#include "print/Printunit.h"
#include "settings/RegSave.h"
#include "shared/RegistryKeys.h"
#include "support/DialogWatcher.h"
#include "support/ProgramFixture.h"
#include "toolkit/Application.h"

using letterloom::ConfigData;
using letterloom::InstalledFontNames;

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
    EXPECT_EQ(ConfigData.PrevString, "AaBbCcDc 12345 :-=");
    EXPECT_EQ(form->Test.Text(), "用这来测试所有字体" + std::string(14, ' '));
    EXPECT_EQ(form->Test.GetFont().Size(), 24);
    EXPECT_EQ(form->Pagine.ActivePage(), form->ListaFont);
    ASSERT_EQ(form->FontList.Count(), static_cast<int>(InstalledFontNames.size()));
    EXPECT_EQ(form->FontList.SelCount(), 1);
    EXPECT_TRUE(form->FontList.Selected(0));
    EXPECT_EQ(form->FontList.ItemIndex(), 0);
    EXPECT_EQ(form->FontList.Item(0), InstalledFontNames.front());
}

TEST_F(MainFormTest, InstalledFontsHoldDefaultAndEachFamilyOnceInLocaleOrder) {
    StartProgram();
    const auto& names = InstalledFontNames;
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
    form->Test.SetText("typed here");
    ConfigData.FontListSize = 20;
    ExitThroughMenu();
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_TRUE(tk::Application::Instance().Terminated());
    for (const char* name : {"PrevString", "TryString", "字体列表大小", "已选字体大小   "})
        EXPECT_TRUE(SettingsValueExists(name)) << name;

    StartProgram();
    EXPECT_EQ(ConfigData.TryString, "typed here");
    EXPECT_EQ(form->Test.Text(), "typed here");
    EXPECT_EQ(ConfigData.FontListSize, 20);
    EXPECT_EQ(form->FontList.ItemHeight(), 26);  // 96 × 20 div 72
}

TEST_F(MainFormTest, CloseFromAnotherPageMakesTheFontListActiveFirst) {
    StartProgram();
    testsupport::ClickTab(form->Pagine, "字体测试");
    ASSERT_EQ(form->Pagine.ActivePage(), form->TestaFont);
    form->Close();
    testsupport::Pump();
    EXPECT_EQ(form->Pagine.ActivePage(), form->ListaFont);
    EXPECT_TRUE(SettingsValueExists("TryString"));
}

TEST_F(MainFormTest, BadStoredValueIsReportedAndTheProgramStillComesUp) {
    const int32_t one = 1;
    testsupport::StoreSettingsValue("PrevString", REG_SZ, "kept", 5);
    testsupport::StoreSettingsValue("TryString", REG_DWORD, &one, 4);

    InstalledFontNames.clear();
    testsupport::DialogWatcher watcher;
    StartProgram();
    ASSERT_TRUE(testsupport::Settle());
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Letterloom");
    EXPECT_EQ(seen[0].text, "对 'TRYString' 的无效数据类型.");
    EXPECT_TRUE(seen[0].errorIcon);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(ConfigData.PrevString, "kept");
    // The show step stopped at the error: the list was not filled, but the names were built, so
    // that the configuration dialog can fill it.
    EXPECT_EQ(form->FontList.Count(), 0);
    EXPECT_GT(InstalledFontNames.size(), 10u);
}

TEST_F(MainFormTest, ItemHeightsFollowTheSizesAtNinetySixPixelsPerInch) {
    StartProgram();
    ASSERT_EQ(form->FontList.GetFont().pixelsPerInch, 96);
    EXPECT_EQ(form->FontList.ItemHeight(), 21);
    EXPECT_EQ(form->SelectedList.ItemHeight(), 32);

    ConfigData.FontListSize = 0;
    ConfigData.SelectedListSize = -10;
    letterloom::SetListItemHeights();
    EXPECT_EQ(form->FontList.ItemHeight(), 21);
    EXPECT_EQ(form->SelectedList.ItemHeight(), 32);

    ConfigData.FontListSize = 3;
    letterloom::SetListItemHeights();
    EXPECT_EQ(form->FontList.ItemHeight(), 4);
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
    const RECT bar = form->Sbar.BoundsRect();
    const RECT client = form->ClientRect();
    EXPECT_EQ(bar.bottom - bar.top, 19);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.right - bar.left, client.right);
    EXPECT_FALSE(::GetWindowLongA(form->Sbar.Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    const RECT progress = form->PBar.BoundsRect();
    EXPECT_EQ(progress.left, 0);
    EXPECT_EQ(progress.top, bar.top + 2);
    EXPECT_EQ(progress.right - progress.left, 200);
    EXPECT_EQ(form->PBar.Position(), 0);
}

TEST_F(MainFormTest, MenusCarryTheirCaptionsAndPictures) {
    StartProgram();
    EXPECT_EQ(form->MainMenu.Caption("File1"), "文件(&F)");
    EXPECT_EQ(form->MainMenu.Caption("Help1"), "帮助(&H)");
    EXPECT_EQ(form->File1.Caption("Exportfontlist1"), "导出字体列表(&E)");
    EXPECT_EQ(form->File1.Caption("Exit1"), "退出(&E)");
    EXPECT_EQ(form->File1.ImageIndex("Exit1"), 5);
    EXPECT_EQ(form->File1.ImageIndex("print1"), 4);
    EXPECT_EQ(form->File1.ImageIndex("PrintCharmap1"), 4);
    EXPECT_EQ(form->Help1.Caption("DonateAction1"), "做出捐赠");
    EXPECT_EQ(form->Help1.ImageIndex("DonateAction1"), -1);
    EXPECT_EQ(form->CopyTC.Caption("tobuffer1"), "复制到缓冲区(&T)");
    EXPECT_EQ(form->CopyTC.ImageIndex("Copybuffertoclipboard1"), 7);
    EXPECT_EQ(form->ImageList.Count(), 21);
    EXPECT_EQ(::GetMenuItemCount(form->File1.Handle()), 10);
    EXPECT_EQ(::GetMenuItemCount(form->Help1.Handle()), 6);
}

}  // namespace

namespace {

class SplashTest : public testsupport::ProgramTest {};

TEST_F(SplashTest, SplashShowsUntilTheEndOfTheFirstShowing) {
    letterloom::ShowSplash();
    ASSERT_TRUE(letterloom::SplashForm);
    HWND splash = letterloom::SplashForm->Handle();
    EXPECT_TRUE(::IsWindowVisible(splash));
    RECT client{};
    ::GetClientRect(splash, &client);
    EXPECT_EQ(client.right, 298);
    EXPECT_EQ(client.bottom, 115);
    StartProgram();
    EXPECT_FALSE(letterloom::SplashForm);
    EXPECT_FALSE(::IsWindow(splash));
}

TEST_F(SplashTest, SplashGoesAlsoWhenTheFirstShowingFails) {
    const int32_t one = 1;
    testsupport::StoreSettingsValue("PrevString", REG_DWORD, &one, 4);
    testsupport::DialogWatcher watcher;
    letterloom::ShowSplash();
    StartProgram();
    EXPECT_EQ(watcher.Seen().size(), 1u);
    EXPECT_FALSE(letterloom::SplashForm);
}

}  // namespace
