#include "app/MainWindow.h"

#include <memory>
#include <utility>

#include "logic/SelectionMode.h"
#include "logic/WindowFloor.h"
#include "print/FontNamesWorker.h"
#include "print/FontSearchWorker.h"
#include "resources/resource_ids.h"
#include "settings/SettingsStore.h"
#include "toolkit/Application.h"

namespace letterloom {

namespace {

constexpr int kDesignClientWidth = 561;
constexpr int kDesignClientHeight = 285;
constexpr int kStatusBarHeight = 19;
constexpr int kProgressWidth = 200;
constexpr int kProgressHeight = 17;
// The progress bar lies over the first panel; the second is free for the map's glyph count.
constexpr int kTabWidth = 90;
constexpr int kFirstShowPause = 1000;
constexpr int kLastShowPause = 200;
// In the status bar while the installed families are being collected after the first showing.
constexpr char kCollectingFontsText[] = "正在收集已安装的字体...";

tk::FontSpec SongTi(int height) {
    tk::FontSpec font;
    font.name = "宋体";
    font.height = height;
    font.color = tk::kClBlack;
    font.pixelsPerInch = tk::ScreenPixelsPerInch();
    return font;
}

// Runs an action when it leaves the scope, however it leaves.
class AtScopeEnd {
public:
    explicit AtScopeEnd(std::function<void()> action) : action_(std::move(action)) {}
    ~AtScopeEnd() {
        if (action_) action_();
    }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    std::function<void()> action_;
};

}  // namespace

MainWindow::MainWindow(logic::Settings& settings, FontNamesWorker& fontNamesWorker,
                       std::vector<std::string>& fontNames, PrintTools& printing, HtmlHelp& help)
    : settings_(settings),
      fontNamesWorker_(fontNamesWorker),
      fontNames_(fontNames),
      printing_(printing),
      help_(help) {
    images_.LoadFromResource(IDB_IMAGELIST, IMAGELIST_SIZE, RGB(255, 0, 255));
    tk::Form::SetFont(SongTi(-13));
    CreateForm("Letterloom", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
               kDesignClientWidth, kDesignClientHeight, nullptr, true);
    CreateMenus();

    statusBar_.Create(Handle(), {200, 291}, kStatusBarHeight);
    statusBar_.onResize = [this] {
        if (statusBar_.HandleAllocated()) ::InvalidateRect(statusBar_.Handle(), nullptr, TRUE);
    };
    progressBar_.Create(Handle());
    ::SetWindowPos(progressBar_.Handle(), HWND_TOP, 0, 0, kProgressWidth, kProgressHeight,
                   SWP_NOACTIVATE);

    CreatePages();
    LayoutClient();
    AddShortcut('F', tk::kControlHeld, [this] { OnFindFonts(); });
    AddShortcut(
        VK_ESCAPE, 0, [this] { ShowAllFonts(); }, fontList_->List().Handle());
}

MainWindow::~MainWindow() { fontNamesWorker_.NotifyWhenReady(nullptr, 0); }

void MainWindow::CreatePages() {
    pages_.Create(Handle(), SongTi(-12), kTabWidth);
    pages_.onChange = [this] { SyncPages(false); };
    tk::TabSheet& fontListSheet = pages_.AddPage("FontListPage", "字体列表");
    tk::TabSheet& selectedSheet = pages_.AddPage("SelectedFontsPage", "已选字体");
    tk::TabSheet& testSheet = pages_.AddPage("FontTestPage", "字体测试");
    tk::TabSheet& mapSheet = pages_.AddPage("CharMapPage", "字符映射表");
    pages_.SetTabVisible(selectedSheet, false);

    fontList_ =
        std::make_unique<FontListPage>(fontListSheet, SongTi(-11), listItemFaces_, settings_);
    fontList_->onClick = [this] {
        if (fontList_->SelectionCount() >= 2) selectedFonts_->ClearSelection();
        SyncPages(true);
    };
    selectedFonts_ =
        std::make_unique<SelectedFontsPage>(selectedSheet, SongTi(-11), listItemFaces_, settings_);
    selectedFonts_->onClick = [this] { SyncPages(false); };
    fontTest_ = std::make_unique<FontTestPage>(testSheet, *this, images_, printing_.dialogs.color,
                                               settings_);
    charMap_ = std::make_unique<CharMapPage>(mapSheet, *this, images_, progressBar_, settings_);
    charMap_->onGlyphCount = [this](const std::string& text) {
        glyphCountStatus_ = text;
        ShowStatus();
    };
    charMap_->onMarksChanged = [this] { SyncPages(false); };
}

void MainWindow::CreateMenus() {
    donate_.name = "DonateAction";
    donate_.category = "Help_Menu";
    donate_.caption = "做出捐赠";
    donate_.onExecute = [this](tk::Action&) { OnDonate(); };
    actions_.Add(donate_);

    fileMenu_.AddItem("Configure", "配置(&C)", 0, [this] { OnConfigure(); });
    fileMenu_.AddSeparator();
    fileMenu_.AddItem("FindFonts", "查找可显示文字的字体(&F)...\tCtrl+F", 12,
                      [this] { OnFindFonts(); });
    fileMenu_.AddItem("ShowAllFonts", "显示全部字体(&A)", 14, [this] { ShowAllFonts(); });
    fileMenu_.AddSeparator();
    fileMenu_.AddItem("ExportFontList", "导出字体列表(&E)", 11, [this] { OnExportFontList(); });
    fileMenu_.AddSeparator();
    fileMenu_.AddItem("PrintFontList", "打印字体列表(&P)", 4, [this] { OnPrintFontList(); });
    fileMenu_.AddItem("PrintCharMaps", "打印字符表(&M)", 4, [this] { OnPrintCharMaps(); });
    fileMenu_.AddSeparator();
    fileMenu_.AddItem("PrinterSetup", "打印机设置(&S)", 3, [this] { OnPrinterSetup(); });
    fileMenu_.AddSeparator();
    fileMenu_.AddItem("Exit", "退出(&E)", 5, [this] { Close(); });

    helpMenu_.AddItem("HelpContents", "目录(&C)", 1, [this] { OnHelpContents(); });
    helpMenu_.AddSeparator();
    helpMenu_.AddItem("VisitWebSite", "访问Orvane网站", 10, [this] { OnVisitWebSite(); });
    helpMenu_.AddAction("Donate", donate_);
    helpMenu_.AddSeparator();
    helpMenu_.AddItem("About", "关于Letterloom(&A)", 2, [this] { OnAbout(); });

    mainMenu_.AddSubmenu("File", "文件(&F)", fileMenu_);
    mainMenu_.AddSubmenu("Help", "帮助(&H)", helpMenu_);
    mainMenu_.AttachTo(Handle());
}

void MainWindow::ShowStatus() {
    // The status bar's second panel (the progress bar lies over the first) names the filter and
    // counts the glyphs of a marked map, whichever of them applies.
    std::string text;
    for (const std::string* part : {&collectingStatus_, &filterStatus_, &glyphCountStatus_}) {
        if (part->empty()) continue;
        if (!text.empty()) text += "  ";
        text += *part;
    }
    statusBar_.SetPanelText(1, text);
}

void MainWindow::LayoutClient() {
    if (!statusBar_.HandleAllocated()) return;
    statusBar_.ParentResized();
    const RECT client = ClientRect();
    const RECT bar = statusBar_.BoundsRect();
    if (pages_.HandleAllocated()) pages_.SetBounds(0, 0, client.right, bar.top);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETMINMAXINFO) {
        placement_.ApplyMinTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    }
    // The stored position comes back before the first showing's own work, the stored state after
    // it, so that the window appears once, with its content.
    if (msg == WM_SHOWWINDOW && wParam) {
        placement_.Restore();
        const LRESULT result = tk::Form::HandleMessage(msg, wParam, lParam);
        placement_.ShowRestoredState();
        return result;
    }
    if (msg == kFontSearchProgress) {
        OnFontSearchProgress(wParam, lParam);
        return 0;
    }
    if (msg == kFontSearchDone) {
        OnFontSearchDone(wParam);
        return 0;
    }
    if (msg == kFontNamesReady) {
        OnFontNamesReady();
        return 0;
    }
    if (msg == WM_DESTROY) placement_.SaveAtDestruction();
    return tk::Form::HandleMessage(msg, wParam, lParam);
}

void MainWindow::FormShow() {
    if (shown_) return;
    shown_ = true;
    // The splash goes when the first showing ends, also when a step of it fails.
    const AtScopeEnd firstShowingEnd([this] {
        if (onFirstShowingEnd) onFirstShowingEnd();
    });
    SetText("Letterloom");
    tk::Application::Instance().SetTitle("Letterloom");
    // The names are collected from the program's start; the steps up to the pause and the pause
    // run meanwhile. Names that take longer fill the list when they come, the window working.
    try {
        LoadSettings(settings_);
        ApplyItemSizes();
    } catch (...) {
        // The showing ends here. The names are still taken when they come, for the configuration
        // dialog to fill the list with them.
        fontNamesWorker_.ThenOnWorker(nullptr);
        fillListWithNames_ = false;
        fontNamesWorker_.NotifyWhenReady(Handle(), kFontNamesReady);
        throw;
    }
    GiveFirstScreenLook();
    tk::Pause(kFirstShowPause);
    if (fontNamesWorker_.Ready()) {
        fontNamesArrived_ = true;
        fontNames_ = fontNamesWorker_.Take();
        fontList_->ShowNames(fontNames_);
    } else {
        WaitForFontNames();
    }
    fontTest_->StartAt24Points();
    pages_.SetActivePage(&fontList_->Sheet());
    SyncPages(true);
    fontTest_->ShowStoredText();
    tk::Pause(kLastShowPause);
}

void MainWindow::GiveFirstScreenLook() {
    // The faces of the list's first screenful are realised on the worker's thread, once the
    // settings give the items' look, since the window's first painting would otherwise build
    // each of them; the worker keeps them. Without them the list builds its faces itself.
    FontNamesWorker::NamesStep prepare;
    try {
        const tk::ListBox& list = fontList_->List();
        FirstScreenLook look{list.GetFont(), list.ItemHeight(), settings_.previewText};
        auto faces = std::make_shared<FirstScreenfulFonts>();
        prepare = [faces, look = std::move(look)](const std::vector<std::string>& names) {
            faces->Prepare(names, look);
        };
    } catch (const std::exception&) {
    }
    fontNamesWorker_.ThenOnWorker(std::move(prepare));
}

void MainWindow::WaitForFontNames() {
    collectingStatus_ = kCollectingFontsText;
    ShowStatus();
    progressBar_.SetMarquee(true);
    EnableNameCommands(false);
    fontNamesWorker_.NotifyWhenReady(Handle(), kFontNamesReady);
}

void MainWindow::OnFontNamesReady() {
    if (fontNamesArrived_ || !fontNamesWorker_.Ready()) return;
    fontNamesArrived_ = true;
    if (!fillListWithNames_) {
        fontNames_ = fontNamesWorker_.Take();
        return;
    }
    progressBar_.SetMarquee(false);
    collectingStatus_.clear();
    ShowStatus();
    EnableNameCommands(true);
    fontNames_ = fontNamesWorker_.Take();
    // As the first showing does, but the window shows already: each of its parts paints as a
    // message of its own, so that the window's other messages run between them.
    ShowFontList(Painting::Later);
}

void MainWindow::EnableNameCommands(bool enabled) {
    for (const char* command : {"FindFonts", "ShowAllFonts", "ExportFontList", "PrintFontList"})
        fileMenu_.SetEnabled(command, enabled);
}

void MainWindow::FormResize() {
    LayoutClient();
    if (!progressBar_.HandleAllocated() || !charMap_) return;
    const RECT bar = statusBar_.BoundsRect();
    ::SetWindowPos(progressBar_.Handle(), HWND_TOP, 0, bar.top + 2, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE);
    const logic::OuterSize size{Width(), Height()};
    const logic::OuterSize floor = logic::ApplyMainWindowFloor(size);
    if (floor != size) {
        // The resize this causes synchronises the pages.
        ::SetWindowPos(Handle(), nullptr, 0, 0, floor.width, floor.height,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // A restore to the size the window had before it was minimised changes nothing on the pages.
    if (size == syncedSize_) return;
    syncedSize_ = size;
    SyncPages(false);
}

bool MainWindow::FormCloseQuery() {
    pages_.SetActivePage(&fontList_->Sheet());
    try {
        SaveSettings(settings_);
    } catch (const std::exception& error) {
        // Saving failed; say so, but never keep the user from closing the program.
        tk::Application::Instance().HandleException(error);
    }
    return true;
}

void MainWindow::FormClose() { placement_.SaveAfterClose(); }

void MainWindow::ApplyItemSizes() {
    fontList_->SetItemPoints(settings_.fontListPoints);
    selectedFonts_->SetItemPoints(settings_.selectedListPoints);
}

uint8_t MainWindow::SelectionMode() const {
    return logic::SelectionModeFor(fontList_->SelectionCount(), selectedFonts_->HasCurrent());
}

void MainWindow::ShowTabsForMode(uint8_t mode) {
    const logic::TabVisibility tabs = logic::TabsForMode(mode);
    pages_.SetTabVisible(selectedFonts_->Sheet(), tabs.selectedFonts);
    pages_.SetTabVisible(fontTest_->Sheet(), tabs.fontTest);
    pages_.SetTabVisible(charMap_->Sheet(), tabs.charMap);
}

void MainWindow::FillSelectedFonts() {
    if (pages_.ActivePage() != &fontList_->Sheet()) return;
    selectedFonts_->Fill(fontList_->SelectedNames());
}

void MainWindow::FollowFont(const std::function<std::string()>& currentName) {
    // Asked anew after the build, which lets the user's messages run.
    if (pages_.ActivePage() == &charMap_->Sheet())
        charMap_->Build(currentName());
    else
        charMap_->StopBuild();
    if (pages_.ActivePage() == &fontTest_->Sheet()) fontTest_->ShowFont(currentName());
}

void MainWindow::SyncPages(bool refill, Painting painting) {
    using logic::DesignatedList;
    // The mode is taken anew for each step, since a step may change it.
    const auto designated = [this] { return logic::DesignatedListForMode(SelectionMode()); };
    ShowTabsForMode(SelectionMode());
    if (designated() == DesignatedList::FontList)
        FollowFont([this] { return fontList_->CurrentName(); });
    if (SelectionMode() == logic::kModeSeveralSelected && refill) FillSelectedFonts();
    if (designated() == DesignatedList::SelectedList) {
        if (refill) FillSelectedFonts();
        FollowFont([this] { return selectedFonts_->CurrentName(); });
    }
    if (painting == Painting::Now)
        pages_.Repaint();
    else
        pages_.Invalidate();
}

}  // namespace letterloom
