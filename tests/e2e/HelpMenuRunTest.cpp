// The Help menu of the real program: the help viewer opens on the help file built beside it,
// and the maker's pages reach the browser, seen from outside through a stand-in browser.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "shared/WineBrowserOverride.h"
#include "support/Wait.h"

namespace {

constexpr const char* kSoftwarePage = "http://www.orvane.example/orvanepage/go.php?id=software";
constexpr const char* kDonatePage =
    "http://www.orvane.example/orvanepage/go.php?id=software_donate";

std::string Caption(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND StartAndFocus(e2e::ProgramRun& program) {
    HWND main = program.WaitForMainWindow(60000);
    return main && e2e::BringToFront(main) ? main : nullptr;
}

void CloseProgram(e2e::ProgramRun& program, HWND main) {
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

// The addresses the stand-in browser has recorded, once there are `count` of them.
std::vector<std::string> RecordedAddresses(size_t count) {
    std::vector<std::string> lines;
    testsupport::WaitFor(
        [&] {
            lines.clear();
            std::ifstream log(std::string("Z:") + LETTERLOOM_BROWSER_LOG);
            for (std::string line; std::getline(log, line);) lines.push_back(line);
            return lines.size() >= count;
        },
        10000);
    return lines;
}

TEST(HelpMenuRun, ContentsOpensTheViewerOnTheHelpFileAndExitClosesIt) {
    e2e::ProgramRun program;
    HWND main = StartAndFocus(program);
    ASSERT_NE(main, nullptr);
    // Alt+H opens the Help menu on its first item, Contents.
    e2e::TypeKey('H', true);
    e2e::TypeKey(VK_RETURN);
    HWND viewer = program.WaitForWindowOfClass("HH Parent", 10000);
    ASSERT_NE(viewer, nullptr) << "no help viewer";
    EXPECT_EQ(Caption(viewer), "Letterloom 帮助");
    CloseProgram(program, main);
}

TEST(HelpMenuRun, WebItemsAndTheAboutBoxLinkOpenTheMakersPages) {
    testshared::WineBrowserOverride recorder(LETTERLOOM_BROWSER_RECORDER);
    ::DeleteFileA((std::string("Z:") + LETTERLOOM_BROWSER_LOG).c_str());
    e2e::ProgramRun program;
    HWND main = StartAndFocus(program);
    ASSERT_NE(main, nullptr);

    e2e::TypeKey('H', true);  // Contents, then the web site below the separator
    e2e::TypeKey(VK_DOWN);
    e2e::TypeKey(VK_RETURN);
    RecordedAddresses(1);
    e2e::TypeKey('H', true);  // the donation item follows the web site
    e2e::TypeKey(VK_DOWN);
    e2e::TypeKey(VK_DOWN);
    e2e::TypeKey(VK_RETURN);
    RecordedAddresses(2);
    e2e::TypeKey('H', true);  // Up wraps round to the last item, About
    e2e::TypeKey(VK_UP);
    e2e::TypeKey(VK_RETURN);
    HWND box = program.WaitForWindowOfClass("#32770", 10000);
    ASSERT_NE(box, nullptr) << "no about box";
    EXPECT_EQ(Caption(box), "关于...");
    ::PostMessageA(::GetDlgItem(box, 500), BM_CLICK, 0, 0);

    const std::vector<std::string> expected{kSoftwarePage, kDonatePage, kSoftwarePage};
    EXPECT_EQ(RecordedAddresses(3), expected);
    EXPECT_TRUE(testsupport::WaitFor([box] { return !::IsWindow(box); }))
        << "the link left the about box open";
    CloseProgram(program, main);
}

}  // namespace
