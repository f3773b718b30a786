// The installed families when they come after the window's first showing, and when they are
// collected by a helper run of the program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/FindFontsDialog.h"
#include "logic/NameRecords.h"
#include "print/FontNamesProcess.h"
#include "print/InstalledFonts.h"
#include "support/ProgramFixture.h"
#include "toolkit/ProgramOutput.h"

namespace {

using testsupport::WaitFor;

// Font names that come when the test lets them, or nothing once the program stops asking.
class GatedNames {
public:
    GatedNames() : gate_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    letterloom::FontNamesSource Source() {
        return [this](const tk::StopSignal& stop) {
            const HANDLE either[] = {gate_.get(), stop.Event()};
            ::WaitForMultipleObjects(2, either, FALSE, INFINITE);
            ++collected;
            return stop.Requested() ? std::vector<std::string>{} : names;
        };
    }
    void Open() { ::SetEvent(gate_.get()); }

    std::vector<std::string> names{"Default", "Arial", "Courier New", "宋体"};
    int collected = 0;

private:
    tk::UniqueKernelHandle gate_;
};

class FontNamesArrivalTest : public testsupport::ProgramTest {
protected:
    bool Greyed(const char* command) {
        const UINT state = ::GetMenuState(form->FileMenu().Handle(),
                                          form->FileMenu().CommandId(command), MF_BYCOMMAND);
        return (state & MF_GRAYED) != 0;
    }
    std::string StatusText() { return form->StatusBar().PanelText(1); }
    bool ProgressRunsToAndFro() {
        return (::GetWindowLongA(form->ProgressBar().Handle(), GWL_STYLE) & PBS_MARQUEE) != 0;
    }
};

TEST_F(FontNamesArrivalTest, NamesAfterTheShowingFillTheListAsAtTheShowing) {
    GatedNames names;
    program = std::make_unique<letterloom::Program>(names.Source());
    form = &program->mainWindow;
    form->Show(true);
    // The window works while the names are collected, and says so.
    ASSERT_TRUE(testsupport::Settle());
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(form->FontNamesArrived());
    EXPECT_EQ(form->FontList().List().Count(), 0);
    EXPECT_EQ(StatusText(), "正在收集已安装的字体...");
    EXPECT_TRUE(ProgressRunsToAndFro());
    for (const char* command : {"FindFonts", "ShowAllFonts", "ExportFontList", "PrintFontList"})
        EXPECT_TRUE(Greyed(command)) << command;
    EXPECT_EQ(VisibleTabs(), std::vector<std::string>{"字体列表"});

    names.Open();
    ASSERT_TRUE(WaitFor([this] { return form->FontNamesArrived(); }));
    ASSERT_TRUE(testsupport::Settle());
    EXPECT_EQ(form->FontList().Names(), names.names);
    EXPECT_EQ(program->fontNames, names.names);
    EXPECT_EQ(form->FontList().List().ItemIndex(), 0);
    EXPECT_EQ(form->FontList().SelectedNames(), std::vector<std::string>{"Default"});
    // The pages follow the first family, as after a showing that had the names.
    EXPECT_EQ(VisibleTabs(), (std::vector<std::string>{"字体列表", "字体测试", "字符映射表"}));
    EXPECT_EQ(StatusText(), "");
    EXPECT_FALSE(ProgressRunsToAndFro());
    for (const char* command : {"FindFonts", "ShowAllFonts", "ExportFontList", "PrintFontList"})
        EXPECT_FALSE(Greyed(command)) << command;
    EXPECT_EQ(names.collected, 1);
}

TEST_F(FontNamesArrivalTest, ClosingWhileTheNamesAreCollectedStopsCollecting) {
    GatedNames names;
    program = std::make_unique<letterloom::Program>(names.Source());
    form = &program->mainWindow;
    form->Show(true);
    ASSERT_TRUE(testsupport::Settle());
    {
        // Ctrl+F has no names to search yet: no find dialog (one that came is cancelled, noted).
        std::atomic<bool> dialogShown = false;
        testsupport::DriverThread driver([&dialogShown] {
            auto* dialog = testsupport::FindProcessWindowOf<letterloom::FindFontsDialog>();
            if (!dialog || !::IsWindowVisible(dialog->Handle())) return false;
            dialogShown = true;
            ::PostMessageA(dialog->TextBox().EditHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
            return true;
        });
        testsupport::PostKeyPress(form->Handle(), 'F', true);
        EXPECT_TRUE(testsupport::Settle());
        EXPECT_FALSE(dialogShown);
    }
    ExitThroughMenu();
    EndProgram();
    EXPECT_EQ(names.collected, 1);
}

TEST(FontNamesHelperTest, TheHelperRunGivesTheNamesOfThisProcess) {
    const std::vector<std::string> here = letterloom::CollectInstalledFontNames();
    ASSERT_GT(here.size(), 10u);
    const std::string self = tk::OwnProgramPath();
    const struct {
        const char* what;
        std::string program;
        bool stopped;
        std::vector<std::string> names;
    } cases[] = {
        {"the helper", self, false, here},
        {"no helper program: collected here", self + ".missing.exe", false, here},
        {"stopped before it ran", self, true, {}},
    };
    for (const auto& c : cases) {
        tk::StopSignal stop;
        if (c.stopped) stop.Request();
        EXPECT_EQ(letterloom::CollectFontNamesInHelper(c.program, stop), c.names) << c.what;
    }
    const tk::StopSignal noStop;
    EXPECT_EQ(tk::RunForOutput("\"" + self + "\" --font-names ", noStop),
              logic::JoinNameRecords(here));
}

}  // namespace
