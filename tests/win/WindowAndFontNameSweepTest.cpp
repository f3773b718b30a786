// The main window dragged to any size from below its floor up to 20,000 pixels, and font names
// at the limits of what the system gives: 31 bytes, vertical '@' faces and double-byte names.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "logic/CharMapGeometry.h"
#include "logic/DoubleByteText.h"
#include "logic/WindowFloor.h"
#include "print/FontListPrintout.h"
#include "support/DialogWatcher.h"
#include "support/ProgramFixture.h"

namespace {

class WindowAndFontNameSweepTest : public testsupport::ProgramTest {
protected:
    void ShowPage(const std::string& caption) { testsupport::ClickTab(form->Pages(), caption); }
    // The map's picture, drawn to its end.
    bool MapDrawn() {
        const tk::MemoryBitmap& map = form->CharMap().Map().Picture();
        const int columns = form->CharMap().State().mapColumns;
        return form->CharMap().State().mapReady && map.Width() == columns * logic::kMapCellSize &&
               map.Height() == logic::MapRowCount(columns) * logic::kMapCellSize;
    }
};

TEST_F(WindowAndFontNameSweepTest, EveryWindowSizeKeepsTheFloorAndTheMapsColumns) {
    const int sides[] = {1, 349, 350, 399, 400, 401, 1000, 4096, 20000};
    StartProgram();
    testsupport::DialogWatcher dialogs;
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    const testsupport::NoMaximumSize beyondTheScreen(form->Handle());
    int cases = 0;
    for (const char* page : {"字体列表", "字符映射表"}) {
        ShowPage(page);
        for (const int width : sides) {
            for (const int height : sides) {
                form->SetBounds(0, 0, width, height);
                testsupport::Pump();
                const std::string where =
                    std::string(page) + " " + std::to_string(width) + "x" + std::to_string(height);
                ++cases;
                // The resize handler's floor, and the frame's minimum tracking size beneath it.
                const logic::OuterSize floor =
                    logic::ApplyMainWindowFloor({std::max(width, logic::kMinTrackSize),
                                                 std::max(height, logic::kMinTrackSize)});
                EXPECT_EQ(form->Width(), floor.width) << where;
                EXPECT_EQ(form->Height(), floor.height) << where;
                if (form->Pages().ActivePage() == (&form->CharMap().Sheet())) {
                    EXPECT_EQ(form->CharMap().State().mapColumns,
                              logic::MapColumnsForWidth(floor.width, logic::kMapCellSize))
                        << where;
                    EXPECT_TRUE(MapDrawn()) << where;
                }
            }
        }
    }
    EXPECT_EQ(cases, 2 * 9 * 9);
    EXPECT_TRUE(dialogs.Seen().empty());
}

TEST_F(WindowAndFontNameSweepTest, FontNamesAtTheLimitsDrawInTheListTheMapAndTheTestFace) {
    // Built by appending: the compiler's overlap check misreads sums of temporaries here.
    const auto text = [](std::initializer_list<std::string> parts) {
        std::string whole;
        for (const std::string& part : parts) whole.append(part);
        return whole;
    };
    const std::string names[] = {
        std::string(31, 'W'),               // the longest face name
        "Letterloom Sweep Face Name 31by",  // the same, in words
        std::string(32, 'W'),               // one byte too long
        std::string(300, 'W'),              // far too long
        "@宋体",                            // a vertical face
        "@",                                // nothing after the mark
        text({"@", std::string(30, 'V')}),  // vertical, 31 bytes
        "字体"
        "\xB2\xE2\xCA\xD4"
        "名称",                                    // double-byte
        text({"\xCB\xCE", std::string(29, 'A')}),  // double-byte, 31 bytes
        text({std::string(30, 'A'), "\xB4"}),      // ends in a lone lead byte
        text({std::string(15, 'B'), "\xB2\xE2", std::string(14, 'C'), "\xCA"}),  // 32nd byte cut
    };
    StartProgram();
    testsupport::DialogWatcher dialogs;
    ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
    form->SetBounds(0, 0, 800, 600);
    int cases = 0;
    for (const std::string& name : names) {
        ++cases;
        form->FontList().List().SetItems({name, "Default"});
        ::InvalidateRect(form->FontList().List().Handle(), nullptr, TRUE);
        ::UpdateWindow(form->FontList().List().Handle());
        testsupport::ClickListItem(form->FontList().List(), 0);
        ASSERT_EQ(form->FontList().List().ItemIndex(), 0);
        ShowPage("字体测试");
        ASSERT_EQ(form->Pages().ActivePage(), (&form->FontTest().Sheet())) << name;
        // A name cut inside its last character is shown without that byte.
        const std::string shown = logic::WholeCharacters(name);
        EXPECT_EQ(form->FontList().List().Item(0), shown);
        EXPECT_EQ(form->FontTest().Memo().GetFont().name, shown);
        EXPECT_EQ(form->FontTest().FontNameLabel().Text(), "字体: " + shown);
        ::UpdateWindow(form->FontTest().Memo().Handle());
        ShowPage("字符映射表");
        ASSERT_EQ(form->Pages().ActivePage(), (&form->CharMap().Sheet())) << name;
        EXPECT_TRUE(MapDrawn()) << name;
        ShowPage("字体列表");
        testsupport::ClickListItem(form->FontList().List(), 0);
        testsupport::ClickListItem(form->FontList().List(), 1, MK_CONTROL);
        ShowPage("已选字体");
        ASSERT_EQ(form->SelectedFonts().List().Count(), 2) << name;
        EXPECT_EQ(form->SelectedFonts().List().Item(0), shown);
        ::UpdateWindow(form->SelectedFonts().List().Handle());
        ShowPage("字体列表");
    }
    EXPECT_EQ(cases, 11);
    EXPECT_TRUE(dialogs.Seen().empty());
}

}  // namespace
