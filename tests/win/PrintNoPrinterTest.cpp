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
    OnNextPump print([this] { options->PrintButton().Click(); });
    Command("PrintFontList");
    EXPECT_TRUE(print.Ran());
    EXPECT_EQ(options->PerPageLabel().Text(), "Info");
    EXPECT_EQ(options->PagesLabel().Text(), "PNum");
    testsupport::ClickListItem(form->FontList().List(), 1);
    Command("PrintCharMaps");
    Command("PrinterSetup");
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 4u);
    for (const auto& box : seen) {
        EXPECT_EQ(box.text, "当前没有已选默认打印机.");
        EXPECT_EQ(box.caption, "Letterloom");
    }
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_FALSE(progress->Visible());
}

}  // namespace
}  // namespace printtest
