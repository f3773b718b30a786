// The font test page of the real program, used with the mouse and keyboard: a size that is no
// integer is reported, and the text typed into the memo is stored when the program closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramRun.h"
#include "support/Wait.h"

namespace {

constexpr const char* kSettingsKey = "SOFTWARE\\Orvane\\Letterloom";
constexpr int kTabWidth = 90;

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// The visible descendants of parent of a class, in creation order.
std::vector<HWND> Descendants(HWND parent, const char* className) {
    std::vector<HWND> all, found;
    ::EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND hwnd : all)
        if (::lstrcmpiA(ClassOf(hwnd).c_str(), className) == 0 && ::IsWindowVisible(hwnd))
            found.push_back(hwnd);
    return found;
}

// A click at a point of a window's client area. The point goes with the click's own events: a
// cursor moved just before may still be on its way.
void ClickAt(HWND window, int x, int y) {
    POINT at{x, y};
    ::ClientToScreen(window, &at);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = ::MulDiv(at.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = ::MulDiv(at.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    ::SendInput(3, inputs, sizeof(INPUT));
}

// A visible message box of the process, or null.
HWND MessageBoxOf(DWORD processId) {
    std::vector<HWND> windows;
    ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND box : windows) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(box, &owner);
        if (owner == processId && ClassOf(box) == "#32770" && ::IsWindowVisible(box)) return box;
    }
    return nullptr;
}

// The text of the program's message box, if one shows within the timeout; the box is closed.
std::string TakeMessageBox(DWORD processId, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!testsupport::WaitFor([&] { return (box = MessageBoxOf(processId)) != nullptr; },
                              timeoutMs))
        return {};
    std::string text;
    for (HWND child : Descendants(box, "Static")) {
        char content[256] = {};
        ::GetWindowTextA(child, content, sizeof content);
        if (content[0]) text = content;
    }
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    if (!testsupport::WaitFor([box] { return !::IsWindow(box); })) return "<not closed>";
    return text;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string StoredTestText() {
    char text[1024] = {};
    DWORD size = sizeof text;
    ::RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "TryString", RRF_RT_REG_SZ, nullptr, text,
                   &size);
    return text;
}

TEST(FontTestPageRun, BadSizeIsReportedAndTypedTextIsStoredAtClose) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    e2e::ProgramRun program;
    HWND main = program.WaitForMainWindow(60000);
    ASSERT_NE(main, nullptr);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(main, &processId);
    ASSERT_TRUE(e2e::BringToFront(main));

    // With one font selected, the second tab is the font test page.
    const auto tabs = Descendants(main, "SysTabControl32");
    ASSERT_EQ(tabs.size(), 1u);
    ClickAt(tabs[0], kTabWidth + kTabWidth / 2, 10);

    testsupport::WaitFor([main] { return !Descendants(main, "ComboBox").empty(); });
    const auto sizeBoxes = Descendants(main, "ComboBox");
    ASSERT_EQ(sizeBoxes.size(), 1u) << "no size box on the font test page";
    const auto sizeEdits = Descendants(sizeBoxes[0], "Edit");
    ASSERT_EQ(sizeEdits.size(), 1u);
    RECT box{};
    ::GetClientRect(sizeEdits[0], &box);
    ClickAt(sizeEdits[0], box.right - 2, box.bottom / 2);
    ASSERT_TRUE(testsupport::WaitFor([&] { return e2e::FocusOf(main) == sizeEdits[0]; }))
        << ClassOf(e2e::FocusOf(main));
    e2e::TypeKey(VK_END);
    e2e::TypeKey('X');
    EXPECT_EQ(TakeMessageBox(processId, 5000), "'24x' 不是有效整数值.");
    ASSERT_TRUE(testsupport::WaitFor([main] { return e2e::HasKeyboard(main); }))
        << "the main window is not active again after the box";

    HWND memo = nullptr;
    for (HWND edit : Descendants(main, "Edit"))
        if (::GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) memo = edit;
    ASSERT_NE(memo, nullptr);
    ClickAt(memo, 20, 20);
    ASSERT_TRUE(testsupport::WaitFor([&] { return e2e::FocusOf(main) == memo; }))
        << ClassOf(e2e::FocusOf(main));
    e2e::TypeKey(VK_END);
    for (WORD key : {'O', 'K', '4', '2'}) e2e::TypeKey(key);
    // Typed keys run after posted messages: the close waits until the memo shows them.
    EXPECT_TRUE(
        testsupport::WaitFor([memo] { return TextOf(memo).find("ok42") != std::string::npos; }));

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(10000));
    const std::string stored = StoredTestText();
    ASSERT_GE(stored.size(), 4u);
    EXPECT_EQ(stored.substr(stored.size() - 4), "ok42");
}

}  // namespace
