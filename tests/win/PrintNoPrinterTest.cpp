// Printing on a machine with no printer at all: the print server this test runs with does not
// exist.
#include "PrintTestSupport.h"
#include "support/DialogWatcher.h"

namespace printtest {
namespace {

class NoPrinterTest : public PrintTest {};

TEST_F(NoPrinterTest, EveryCommandSaysSoAndLeavesTheMainWindowEnabled) {
    testsupport::DialogWatcher watcher;
    // The options dialog opens in spite of the error of its figures, and its Print is pressed.
    OnNextPump print([this] { printDialog->BitBtn1.Click(); });
    Command("print1");
    EXPECT_TRUE(print.Ran());
    EXPECT_EQ(printDialog->Info.Text(), "Info");
    EXPECT_EQ(printDialog->PNum.Text(), "PNum");
    testsupport::ClickListItem(form->FontList, 1);
    Command("PrintCharmap1");
    Command("Printersetup1");
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 4u);
    for (const auto& box : seen) {
        EXPECT_EQ(box.text, "当前没有已选默认打印机.");
        EXPECT_EQ(box.caption, "Letterloom");
    }
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(printStat->Visible());
}

}  // namespace
}  // namespace printtest
