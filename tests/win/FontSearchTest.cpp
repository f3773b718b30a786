// Finding the fonts that can set a text, against families of known coverage generated for the
// test (make-coverage-fonts.py) and added to this process only.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ConfigDialogDriver.h"
#include "app/FindFontsDialog.h"
#include "support/ProgramFixture.h"
#include "toolkit/Menu.h"

namespace {

using Names = std::vector<std::string>;

const char* const kFontFiles[] = {"coverage-greek-han.ttf", "coverage-greek.ttf",
                                  "coverage-han.ttf", "coverage-latin.ttf"};
const Names kGenerated{"LLCover Greek", "LLCover Greek Han", "LLCover Han", "LLCover Latin"};

std::string FontPath(const char* file) {
    return std::string(LETTERLOOM_COVERAGE_FONTS) + "/" + file;
}

class FontSearchTest : public testsupport::ProgramTest {
protected:
    static void SetUpTestSuite() {
        for (const char* file : kFontFiles)
            ASSERT_GT(::AddFontResourceExA(FontPath(file).c_str(), FR_PRIVATE, nullptr), 0) << file;
    }
    static void TearDownTestSuite() {
        for (const char* file : kFontFiles)
            ::RemoveFontResourceExA(FontPath(file).c_str(), FR_PRIVATE, nullptr);
    }
    void SetUp() override {
        ProgramTest::SetUp();
        StartProgram();
        for (const std::string& name : kGenerated)
            ASSERT_NE(std::find(program->fontNames.begin(), program->fontNames.end(), name),
                      program->fontNames.end())
                << name;
    }

    tk::ListBox& List() { return form->FontList().List(); }
    // The generated families the list shows, in its order.
    Names ListedGenerated() {
        Names listed;
        for (const std::string& name : form->FontList().Names())
            if (std::find(kGenerated.begin(), kGenerated.end(), name) != kGenerated.end())
                listed.push_back(name);
        return listed;
    }
    std::string StatusText() { return form->StatusBar().PanelText(1); }
    void Find(const std::string& text) {
        form->FindFonts(text);
        ASSERT_TRUE(testsupport::WaitFor([&] { return !form->FontSearchRunning(); }));
    }
    // Ctrl+F on the font list, the find dialog answered with key, after typing text if given;
    // the texts the dialog offered.
    Names PressCtrlF(const char* text, UINT key) {
        Names offered;
        testsupport::DriverThread driver([&] {
            auto* dialog = testsupport::FindProcessWindowOf<letterloom::FindFontsDialog>();
            if (!dialog || !::IsWindowVisible(dialog->Handle())) return false;
            for (int i = 0; i < dialog->TextBox().Count(); ++i)
                offered.push_back(dialog->TextBox().Item(i));
            if (text) testsupport::SetTextOf(dialog->TextBox().Handle(), text);
            testsupport::PostKey(dialog->TextBox().EditHandle(), key);
            return true;
        });
        testsupport::PostKeyPress(List().Handle(), 'F', true);
        EXPECT_EQ(testsupport::FindProcessWindowOf<letterloom::FindFontsDialog>(), nullptr);
        return offered;
    }
    void ExpectEveryFamily() {
        EXPECT_EQ(form->FontList().Names(), program->fontNames);
        EXPECT_EQ(StatusText(), "");
    }
};

TEST_F(FontSearchTest, ListsExactlyTheFamiliesWithAGlyphForEveryCharacter) {
    const struct {
        std::string text;
        Names listed;
    } cases[] = {
        {"α", {"LLCover Greek", "LLCover Greek Han"}},
        {"永", {"LLCover Greek Han", "LLCover Han"}},
        {"α 永", {"LLCover Greek Han"}},
        {"Az", kGenerated},
    };
    for (const auto& c : cases) {
        Find(c.text);
        EXPECT_EQ(ListedGenerated(), c.listed) << c.text;
        const std::string count =
            std::to_string(List().Count()) + " / " + std::to_string(program->fontNames.size());
        EXPECT_EQ(StatusText(), "筛选: “" + c.text + "”  " + count) << c.text;
    }
    EXPECT_LT(List().Count(), static_cast<int>(program->fontNames.size()));  // "α" in the last
    ASSERT_TRUE(form->FileMenu().Execute(form->FileMenu().CommandId("ShowAllFonts")));
    ExpectEveryFamily();
}

TEST_F(FontSearchTest, CtrlFAsksForTheTextAndSelectionAndMapFollowTheFilteredList) {
    EXPECT_EQ(PressCtrlF("永α", VK_RETURN), Names{});
    ASSERT_TRUE(testsupport::WaitFor([&] { return !form->FontSearchRunning(); }));
    EXPECT_EQ(ListedGenerated(), Names{"LLCover Greek Han"});

    testsupport::ClickListItem(List(), 0);
    testsupport::ClickTab(form->Pages(), "字符映射表");
    EXPECT_EQ(form->CharMap().FontLabel().Text(), "字体: " + List().Item(0));

    testsupport::ClickTab(form->Pages(), "字体列表");
    EXPECT_EQ(PressCtrlF(nullptr, VK_ESCAPE), Names{"永α"});  // offered again; Esc keeps the list
    EXPECT_EQ(ListedGenerated(), Names{"LLCover Greek Han"});
    testsupport::PostKeyPress(List().Handle(), VK_ESCAPE);
    ExpectEveryFamily();
}

TEST_F(FontSearchTest, ShowAllStopsARunningSearchAndTheConfigurationKeepsTheFilter) {
    form->FindFonts("α");
    form->ShowAllFonts();
    ASSERT_TRUE(testsupport::Settle());
    ExpectEveryFamily();

    Find("永");
    const Names filtered = form->FontList().Names();
    testsupport::ConfigDialogDriver driver(
        [](letterloom::ConfigDialog& dialog) { testsupport::Press(dialog.OkButton()); });
    ASSERT_TRUE(form->FileMenu().Execute(form->FileMenu().CommandId("Configure")));
    testsupport::Pump();
    ASSERT_EQ(driver.Runs(), 1);
    EXPECT_EQ(form->FontList().Names(), filtered);
}

}  // namespace
