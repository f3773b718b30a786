#include "support/ProgramFixture.h"

#include <commctrl.h>

#include "logic/Settings.h"
#include "shared/RegistryKeys.h"
#include "support/Wait.h"
#include "toolkit/Application.h"
#include "toolkit/Menu.h"

namespace testsupport {

void DeleteSettingsKey() { ::RegDeleteTreeA(HKEY_CURRENT_USER, logic::kSettingsSubKey); }

void StoreSettingsValue(const char* name, DWORD type, const void* data, DWORD size) {
    const tk::UniqueKey key = testshared::CreateKey(HKEY_CURRENT_USER, logic::kSettingsSubKey);
    ASSERT_TRUE(key);
    ASSERT_EQ(::RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
}

void ClickTab(tk::PageControl& pages, const std::string& caption) {
    if (!ClickTabShowing(pages, caption)) FAIL() << "no tab " << caption;
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

void ProgramTest::SetUp() { DeleteSettingsKey(); }

void ProgramTest::TearDown() {
    EndProgram();
    Pump();
    DeleteSettingsKey();
}

void ProgramTest::StartProgram() {
    CreateProgram();
    ShowProgram();
}

void ProgramTest::CreateProgram() {
    EndProgram();
    program = std::make_unique<letterloom::Program>();
    form = &program->mainWindow;
}

void ProgramTest::ShowProgram() {
    form->Show(true);
    // The names may come after the showing, its pauses being left out here.
    EXPECT_TRUE(WaitFor([this] { return form->FontNamesArrived(); }));
    Pump();
}

void ProgramTest::EndProgram() {
    form = nullptr;
    program.reset();
}

void ProgramTest::StartProgramOnPage(const std::string& tabCaption) {
    StartProgram();
    ClickTab(form->Pages(), tabCaption);
}

void ProgramTest::ExitThroughMenu() {
    ::SendMessageA(form->Handle(), WM_COMMAND, form->FileMenu().CommandId("Exit"), 0);
    Pump();
}

}  // namespace testsupport
