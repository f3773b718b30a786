// The standard error box: caption, icon and the full-stop rule.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/DialogWatcher.h"
#include "support/ProgramFixture.h"
#include "toolkit/Action.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"

namespace {

testsupport::SeenDialog ShowAndWatch(const std::string& text) {
    testsupport::DialogWatcher watcher;
    tk::Application::Instance().ShowError(text);
    const auto seen = watcher.Seen();
    EXPECT_EQ(seen.size(), 1u);
    return seen.empty() ? testsupport::SeenDialog{} : seen.front();
}

TEST(ErrorBoxTest, CaptionIsTheTitleWithTheErrorIcon) {
    const auto seen = ShowAndWatch("abc");
    EXPECT_EQ(seen.caption, "Letterloom");
    EXPECT_TRUE(seen.errorIcon);
    EXPECT_EQ(seen.text, "abc.");
}

TEST(ErrorBoxTest, FullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ShowAndWatch("done.").text, "done.");
    EXPECT_EQ(ShowAndWatch("(paren)").text, "(paren)");
    EXPECT_EQ(ShowAndWatch("不是有效整数值").text, "不是有效整数值.");
    EXPECT_EQ(ShowAndWatch("value 7").text, "value 7.");
}

TEST(ErrorBoxTest, AnErrorLeavingAHandlerIsReportedAndTheLoopGoesOn) {
    struct ThrowingForm : tk::Form {
        bool armed = false;
        void FormResize() override {
            if (armed) throw tk::Error("无法设置对 'PrevString' 的数据");
        }
    } window;
    window.CreateForm("probe", WS_OVERLAPPEDWINDOW, 0, 100, 100);
    window.armed = true;
    testsupport::DialogWatcher watcher;
    window.SetBounds(0, 0, 50, 50);
    window.SetBounds(0, 0, 60, 60);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, "无法设置对 'PrevString' 的数据.");
    EXPECT_EQ(seen[1].caption, "Letterloom");
}

// An exception of any type stops at the boundary the system called: one box, and the loop goes on.
TEST(ErrorBoxTest, AnExceptionOfAnyTypeStopsAtEveryBoundary) {
    struct ThrowingForm : tk::Form {
        bool armed = false;
        void FormResize() override {
            if (armed) throw 42;
        }
    } window;
    window.CreateForm("probe", WS_OVERLAPPEDWINDOW, 0, 100, 100);
    window.armed = true;
    tk::ActionList actions;
    tk::Action idle;
    idle.onUpdate = [](tk::Action&) { throw "no memory"; };
    actions.Add(idle);
    const std::vector<std::function<void()>> boundaries{
        [&] { window.SetBounds(0, 0, 50, 50); },       // a window's handler
        [] { tk::Application::Instance().DoIdle(); },  // an idle-time action update
    };
    for (size_t i = 0; i < boundaries.size(); ++i) {
        SCOPED_TRACE(i);
        testsupport::DialogWatcher watcher;
        EXPECT_NO_THROW(boundaries[i]());
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "unknown error.");
        EXPECT_TRUE(seen[0].errorIcon);
    }
}

// Drawing an item fails for as long as the cause lasts (fonts that cannot be made): one box,
// however often the list repaints meanwhile, and the items come back once drawing works again.
TEST(ErrorBoxTest, AnItemDrawingThatThrowsGivesOneBoxAndTheListPaintsAgain) {
    tk::Form host;
    host.CreateForm("probe", WS_OVERLAPPEDWINDOW, 0, 200, 100);
    tk::ListBox list;
    list.Create(host.Handle(), tk::ListBox::Selection::Single, 20);
    list.SetBounds(0, 0, 200, 100);
    list.AddItem("a");
    bool failing = true;
    int drawn = 0;
    list.onDrawItem = [&](int, const RECT&, UINT) {
        if (failing) throw tk::Error("CreateFont a");
        ++drawn;
    };
    const auto repaint = [&] {
        ::RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        testsupport::Pump();
    };
    testsupport::DialogWatcher watcher;
    host.Show(true);
    for (int i = 0; i < 3; ++i) repaint();
    EXPECT_EQ(list.GetCanvas().Handle(), nullptr);
    failing = false;
    repaint();
    EXPECT_GT(drawn, 0);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "CreateFont a.");
}

}  // namespace
