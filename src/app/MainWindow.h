#pragma once
// The main window: the menus, the tab strip with its four pages, the status bar with its progress
// bar, and the one routine that keeps the pages in line with the font selection.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "about/HtmlHelp.h"
#include "app/FirstScreenfulFonts.h"
#include "app/pages/CharMapPage.h"
#include "app/pages/FontListPage.h"
#include "app/pages/FontTestPage.h"
#include "app/pages/SelectedFontsPage.h"
#include "logic/Settings.h"
#include "logic/WindowFloor.h"
#include "print/PrintTools.h"
#include "settings/WindowPlacementStore.h"
#include "toolkit/Action.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"
#include "toolkit/PageControl.h"
#include "toolkit/StatusBar.h"

namespace letterloom {

class FontNamesWorker;
class FontSearchWorker;

class MainWindow : public tk::Form {
public:
    // settings are loaded at the first showing and saved at the close; fontNames receives the
    // names that the worker collects; printing lends the dialogs of the print and export
    // commands, help the help file's viewer.
    MainWindow(logic::Settings& settings, FontNamesWorker& fontNamesWorker,
               std::vector<std::string>& fontNames, PrintTools& printing, HtmlHelp& help);
    // Stops a font search that runs and the notice of the font names.
    ~MainWindow() override;

    // Runs once the first showing has ended, also when a step of it failed.
    std::function<void()> onFirstShowingEnd;

    FontListPage& FontList() { return *fontList_; }
    SelectedFontsPage& SelectedFonts() { return *selectedFonts_; }
    FontTestPage& FontTest() { return *fontTest_; }
    CharMapPage& CharMap() { return *charMap_; }
    tk::PageControl& Pages() { return pages_; }
    tk::ProgressBar& ProgressBar() { return progressBar_; }
    tk::StatusBar& StatusBar() { return statusBar_; }
    tk::Menu& MenuBar() { return mainMenu_; }
    tk::Menu& FileMenu() { return fileMenu_; }
    tk::Menu& HelpMenu() { return helpMenu_; }
    const tk::ImageList& Images() const { return images_; }

    // Derives the selection mode, shows the tabs it allows and rebuilds what the active page
    // shows; refill rebuilds the selected-fonts list when the font-list page is active. The
    // pages are painted before it returns, or later, as the window's paint messages come.
    enum class Painting { Now, Later };
    void SyncPages(bool refill, Painting painting = Painting::Now);
    // The item heights of both lists from the settings' sizes.
    void ApplyItemSizes();
    // 0 nothing selected, 1 one font, 2 several fonts, 3 several with one picked on their page.
    uint8_t SelectionMode() const;

    // Searches the families for those with a glyph for every character of text, on a thread of
    // its own, stopping a search that runs; when it ends, the font list shows only them and the
    // status bar names the filter. A text with no character to judge shows every family.
    void FindFonts(const std::string& text);
    // Stops a search that runs; a filtered list shows every family again, without status text.
    void ShowAllFonts();
    bool FontSearchRunning() const { return search_ != nullptr; }
    // Whether the installed families have come from the worker: at the first showing, or later
    // when collecting them took longer than its pause, and then they fill the list.
    bool FontNamesArrived() const { return fontNamesArrived_; }

protected:
    void FormShow() override;
    void FormResize() override;
    bool FormCloseQuery() override;
    void FormClose() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // What the font search posts to the window (see FontSearchWorker).
    static constexpr UINT kFontSearchProgress = WM_APP + 1;
    static constexpr UINT kFontSearchDone = WM_APP + 2;
    // The font names' worker has them (see FontNamesWorker::NotifyWhenReady).
    static constexpr UINT kFontNamesReady = WM_APP + 3;

    // The first screenful's look, for the font names' worker to prepare its faces.
    void GiveFirstScreenLook();
    // The window shows while the names are still being collected: the status bar says so and
    // the commands that need the names wait for them.
    void WaitForFontNames();
    void OnFontNamesReady();
    void EnableNameCommands(bool enabled);

    void CreateMenus();
    void CreatePages();
    void LayoutClient();
    // The status texts of the filter and of the map's glyph count, in the status bar.
    void ShowStatus();
    void ShowTabsForMode(uint8_t mode);
    void FillSelectedFonts();
    // The test and map pages follow the current font of the font list or the selected-fonts list.
    void FollowFont(const std::function<std::string()>& currentName);

    // The font list shows the filter's families, or every family, from its first item on the
    // font-list page.
    void ShowFontList(Painting painting = Painting::Now);
    const std::vector<std::string>& ShownNames() const;
    void StopFontSearch();
    void OnFontSearchProgress(WPARAM id, LPARAM judged);
    void OnFontSearchDone(WPARAM id);

    // The commands of the File and Help menus.
    void OnFindFonts();
    void OnConfigure();
    void OnExportFontList();
    void OnPrintFontList();
    void OnPrintCharMaps();
    void OnPrinterSetup();
    void OnHelpContents();
    void OnVisitWebSite();
    void OnDonate();
    void OnAbout();

    logic::Settings& settings_;
    FontNamesWorker& fontNamesWorker_;
    std::vector<std::string>& fontNames_;
    PrintTools& printing_;
    HtmlHelp& help_;

    // Pictures of menus and toolbars; declared first so that it outlives their users.
    tk::ImageList images_;
    tk::ActionList actions_;
    tk::Action donate_;
    tk::Menu mainMenu_{*this, false, &images_};
    tk::Menu fileMenu_{*this, true, &images_};
    tk::Menu helpMenu_{*this, true, &images_};

    tk::StatusBar statusBar_;
    tk::ProgressBar progressBar_;
    tk::PageControl pages_;
    // The faces of both lists' items, kept realised from one painting to the next; enough for
    // two screenfuls of small items.
    tk::FontCache listItemFaces_{256};
    std::unique_ptr<FontListPage> fontList_;
    std::unique_ptr<SelectedFontsPage> selectedFonts_;
    std::unique_ptr<FontTestPage> fontTest_;
    std::unique_ptr<CharMapPage> charMap_;

    // Restores and saves the window's placement; holds its smallest tracking size.
    WindowPlacementStore placement_{*this,
                                    logic::kSettingsSubKey,
                                    logic::kPlacementSubKey,
                                    {logic::kMinTrackSize, logic::kMinTrackSize}};

    // The font list's filter while it shows: the text and the families found for it.
    struct FontFilter {
        std::string text;
        std::vector<std::string> names;
    };
    std::optional<FontFilter> filter_;
    // The texts confirmed in the find dialog during this run, newest first.
    std::vector<std::string> findHistory_;
    // The running search, the text it is for, and the number of searches started.
    std::unique_ptr<FontSearchWorker> search_;
    std::string searchText_;
    WPARAM searchesStarted_ = 0;

    bool fontNamesArrived_ = false;
    // False once the first showing has failed: the names then wait for the configuration dialog.
    bool fillListWithNames_ = true;
    std::string collectingStatus_;
    std::string filterStatus_;
    std::string glyphCountStatus_;
    bool shown_ = false;
    // The outer size the pages were last synchronised with on a resize.
    logic::OuterSize syncedSize_{0, 0};
};

}  // namespace letterloom
