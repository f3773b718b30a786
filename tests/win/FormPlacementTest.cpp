// The main window's placement: stored at close, restored at the next start, and the smallest
// size the frame can be dragged to.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "logic/PlacementValues.h"
#include "shared/RegistryKeys.h"
#include "support/DialogWatcher.h"
#include "support/ProgramFixture.h"

namespace {

const std::string kSection = std::string(logic::kSettingsSubKey) + "\\FormPosition";

std::map<std::string, std::string> StoredPlacement() {
    std::map<std::string, std::string> values;
    const tk::UniqueKey key = testshared::OpenKey(HKEY_CURRENT_USER, kSection.c_str());
    if (!key) return values;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        char data[256] = {};
        DWORD nameSize = sizeof name;
        DWORD dataSize = sizeof data;
        DWORD type = 0;
        if (::RegEnumValueA(key.get(), i, name, &nameSize, nullptr, &type,
                            reinterpret_cast<BYTE*>(data), &dataSize) != ERROR_SUCCESS)
            break;
        values[name] = type == REG_SZ ? data : "<not text>";
    }
    return values;
}

void StorePlacement(const std::map<std::string, std::string>& values) {
    const tk::UniqueKey key = testshared::CreateKey(HKEY_CURRENT_USER, kSection.c_str());
    ASSERT_TRUE(key);
    for (const auto& [name, text] : values)
        ::RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
}

std::string Sized(const char* name) {
    return logic::ScreenSizedName(name, ::GetSystemMetrics(SM_CXSCREEN),
                                  ::GetSystemMetrics(SM_CYSCREEN));
}

RECT NormalRect(HWND hwnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(hwnd, &placement);
    return placement.rcNormalPosition;
}

std::string Text(const RECT& r) {
    return logic::FormatFourNumbers({r.left, r.top, r.right, r.bottom});
}

class FormPlacementTest : public testsupport::ProgramTest {};

TEST_F(FormPlacementTest, FirstRunOpensMaximisedAndCloseStoresTheNineValues) {
    StartProgram();
    EXPECT_TRUE(::IsZoomed(form->Handle()));
    const RECT normal = NormalRect(form->Handle());
    ExitThroughMenu();
    const auto stored = StoredPlacement();
    EXPECT_EQ(stored.size(), 9u);
    EXPECT_EQ(stored.at("FormVersion"), "0");
    EXPECT_EQ(stored.at("ShowCmd"), "3");
    EXPECT_EQ(stored.at("PixelsPerInch"), "96");
    EXPECT_EQ(stored.at("Visible"), "0");
    EXPECT_EQ(stored.at("NormPos"), Text(normal));
    EXPECT_EQ(stored.at(Sized("NormPos")), Text(normal));
    EXPECT_EQ(stored.at(Sized("MinMaxPos")), stored.at("MinMaxPos"));
    EXPECT_EQ(stored.count("Flags"), 1u);
}

TEST_F(FormPlacementTest, NormalWindowComesBackWhereItWasClosed) {
    StartProgram();
    ::ShowWindow(form->Handle(), SW_RESTORE);
    ::MoveWindow(form->Handle(), 50, 60, 500, 420, TRUE);
    ExitThroughMenu();
    EXPECT_EQ(StoredPlacement().at("ShowCmd"), "1");
    EXPECT_EQ(StoredPlacement().at("NormPos"), "50,60,550,480");
    StartProgram();
    EXPECT_FALSE(::IsZoomed(form->Handle()));
    EXPECT_EQ(Text(form->BoundsRect()), "50,60,550,480");
}

TEST_F(FormPlacementTest, StoredStateComesBackWithItsNormalRectangle) {
    const struct {
        const char* showCmd;
        bool maximised;
        bool minimised;
        const char* storedAtClose;
    } cases[] = {{"1", false, false, "1"},
                 {"3", true, false, "3"},
                 {"2", false, true, "2"},
                 {"9", false, false, "1"}};
    for (const auto& c : cases) {
        testsupport::DeleteSettingsKey();
        StorePlacement(
            {{"ShowCmd", c.showCmd}, {"PixelsPerInch", "96"}, {"NormPos", "30,40,530,460"}});
        StartProgram();
        testsupport::Pump();  // a minimised start is a posted command
        EXPECT_EQ(::IsZoomed(form->Handle()) != 0, c.maximised) << c.showCmd;
        EXPECT_EQ(::IsIconic(form->Handle()) != 0, c.minimised) << c.showCmd;
        EXPECT_EQ(Text(NormalRect(form->Handle())), "30,40,530,460") << c.showCmd;
        ExitThroughMenu();
        EXPECT_EQ(StoredPlacement().at("ShowCmd"), c.storedAtClose) << c.showCmd;
    }
}

TEST_F(FormPlacementTest, PositionIsRestoredOnlyWhenItCanBe) {
    StartProgram();
    ::ShowWindow(form->Handle(), SW_RESTORE);
    const std::string systemPlace = Text(NormalRect(form->Handle()));
    ASSERT_NE(systemPlace, "100,110,600,520");
    const struct {
        std::map<std::string, std::string> stored;
        std::string expected;
    } cases[] = {
        // Another screen density: the state only.
        {{{"PixelsPerInch", "120"}, {"NormPos", "100,110,600,520"}}, systemPlace},
        // Right not greater than left: where the system put it.
        {{{"NormPos", "300,110,300,520"}}, systemPlace},
        // The name with this screen's size wins over the plain one.
        {{{"NormPos", "1,2,501,402"}, {Sized("NormPos"), "100,110,600,520"}}, "100,110,600,520"},
        // Another screen's value is not this one's.
        {{{"NormPos", "100,110,600,520"}, {"NormPos(1x1)", "1,2,501,402"}}, "100,110,600,520"},
    };
    for (const auto& c : cases) {
        EndProgram();  // its own save at destruction would overwrite the values below
        testsupport::DeleteSettingsKey();
        StorePlacement(c.stored);
        StorePlacement({{"ShowCmd", "1"}});
        StartProgram();
        EXPECT_FALSE(::IsZoomed(form->Handle()));
        EXPECT_EQ(Text(NormalRect(form->Handle())), c.expected) << c.stored.begin()->second;
    }
}

TEST_F(FormPlacementTest, DestroyedWithoutACloseStillSavesOnce) {
    StartProgram();
    EndProgram();
    EXPECT_EQ(StoredPlacement().at("Visible"), "1");
}

TEST_F(FormPlacementTest, BadStoredValueIsReportedAndTheWindowStillComesUp) {
    const DWORD one = 1;
    ::RegSetValueExA(testshared::CreateKey(HKEY_CURRENT_USER, kSection.c_str()).get(), "Flags", 0,
                     REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    testsupport::DialogWatcher watcher;
    StartProgram();
    ASSERT_TRUE(testsupport::Settle());
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text, "对 'Flags' 的无效数据类型.");
    EXPECT_GT(form->FontList().List().Count(), 0);  // the first showing went on
}

TEST_F(FormPlacementTest, FrameCannotBeDraggedBelowFourHundredSquare) {
    StartProgram();
    MINMAXINFO info{};
    info.ptMaxTrackSize = {7, 8};
    info.ptMaxSize = {9, 10};
    ::SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 400);
    EXPECT_EQ(info.ptMinTrackSize.y, 400);
    EXPECT_EQ(info.ptMaxTrackSize.x, 7);
    EXPECT_EQ(info.ptMaxSize.y, 10);
}

}  // namespace
