#pragma once
// The main window: the four pages, the menus, the actions, the status bar with its progress bar,
// and the handlers of the window itself.
#include <string>

#include "app/CharMapState.h"
#include "app/FirstScreenfulFonts.h"
#include "logic/ConfigData.h"
#include "logic/WindowFloor.h"
#include "settings/FormPlacement.h"
#include "toolkit/Action.h"
#include "toolkit/ColorPalette.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/FontCache.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListBox.h"
#include "toolkit/Menu.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/ScrollBox.h"
#include "toolkit/StatusBar.h"
#include "toolkit/ToolBar.h"

namespace letterloom {

class TMainForm : public tk::Form {
public:
    TMainForm();
    ~TMainForm() override;

    // Pictures of menus and toolbars; declared first so that it outlives their users.
    tk::ImageList ImageList;

    tk::ActionList ActionList1;
    tk::Action Copy;
    tk::Action ClearBuffer;
    tk::Action FontTestBold;
    tk::Action FontTestItalic;
    tk::Action FontTestUnderline;
    tk::Action DonateAction;

    tk::Menu MainMenu{false, &ImageList};
    tk::Menu File1{true, &ImageList};
    tk::Menu Help1{true, &ImageList};
    tk::Menu CopyTC{true, &ImageList};

    tk::StatusBar Sbar;
    tk::ProgressBar PBar;
    tk::PageControl Pagine;
    tk::TabSheet* ListaFont = nullptr;
    tk::TabSheet* SelectedFontsPage = nullptr;
    tk::TabSheet* TestaFont = nullptr;
    tk::TabSheet* MappaCaratteri = nullptr;

    // The faces of both lists' items, kept realised from one painting to the next; enough for
    // two screenfuls of small items.
    tk::FontCache ListItemFonts{256};
    // Touched only by the font names' worker until it has ended.
    FirstScreenfulFonts FirstScreenFonts;
    tk::ListBox FontList;
    tk::ListBox SelectedList;

    // Font test page: the toolbar above the memo, and the two colour grids it drops down.
    tk::Panel Panel1;
    tk::ToolBar TBXToolbar2;
    tk::Label TBXLabelItem2;
    tk::ComboBox FsizeC;
    tk::Label TestFontName;
    tk::Edit Test;
    tk::ColorPalette FontColorPalette;
    tk::ColorPalette BGColorPalette;
    // Toolbar ids of the style toggles and of the two colour split buttons.
    UINT FontTestBoldButton = 0;
    UINT FontTestItalicButton = 0;
    UINT FontTestUnderlineButton = 0;
    UINT FontColorSubMenu = 0;
    UINT BGFontColorSubMenu = 0;

    // Character map page: the buffer toolbar above the scroll box that holds the map.
    tk::ToolBar CmapToolBar;
    tk::Label BufferLabel;
    tk::Edit TextBuffer;
    tk::Label CmapFont;
    tk::ScrollBox MapScroller;
    tk::Image CsetPrv;
    // Toolbar ids of the two buffer buttons.
    UINT CopyButton = 0;
    UINT ClearBufferButton = 0;
    CharMapState CharMap;

    // Restores and saves the window's placement; holds its smallest tracking size.
    TFormPlacement FormPlacement{*this,
                                 logic::kSettingsSubKey,
                                 logic::kPlacementSection,
                                 {logic::kMinTrackSize, logic::kMinTrackSize}};

    // Handlers of the window.
    void FormShow() override;
    void FormResize() override;
    bool FormCloseQuery() override;
    void FormClose() override;
    void SbarResize();
    void PagineChange();
    void Exit1Click();
    void ConfigureMenuItemClick();
    void Exportfontlist1Click();
    void print1Click();
    void PrintCharmap1Click();
    void Printersetup1Click();

    // Handlers of the two lists.
    void FontListClick();
    void SelectedListClick();
    void DrawItem(tk::ListBox& list, int index, const RECT& rect, UINT state);
    void SelectedListDrawItem(tk::ListBox& list, int index, const RECT& rect, UINT state);

    // Font test page.
    void TestChange();
    void FsizeCChange();
    void FontTestBoldExecute();
    void FontTestBoldUpdate();
    void FontTestItalicExecute();
    void FontTestItalicUpdate();
    void FontTestUnderlineExecute();
    void FontTestUnderlineUpdate();
    void FontColorSubMenuClick();
    void FontColorSubMenuPopup();
    void FontColorPaletteChange();
    void BGFontColorSubMenuClick();
    void BGFontColorSubMenuPopup();
    void BGColorPaletteChange();

    // Character map page.
    // Builds the map of the font that the list's current item names, when the map page is
    // active; otherwise only stops a build that is still running.
    void BuildCharMap(tk::ListBox& list);
    bool IsCharCell(int32_t x, int32_t y) const;
    void HighlightCell(int32_t x, int32_t y);
    void CsetPrvMouseDown(tk::MouseButton button, int32_t x, int32_t y);
    void CsetPrvMouseUp(tk::MouseButton button, int32_t x, int32_t y);
    void CsetPrvDblClick();
    void MapScrollerClick();
    void MapScrollerMouseWheel(int32_t distance);
    void tobuffer1Click();
    void Clearbuffer1Click();
    void Copybuffertoclipboard1Click();
    void CopyExecute();
    void ClearBufferExecute();

    // Help menu.
    void Contents1Click();
    void AboutOrvaneSoftware1Click();
    void DonateActionExecute();
    void About1Click();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreatePages();
    void CreateFontTestPage();
    void CreateFontTestToolbar();
    void CreateCharMapPage();
    void AppendCurrentChar();
    void ToggleTestStyle(const tk::Action& action, tk::FontStyle style);
    void SetTestTextColor(tk::Color color);
    void LayoutClient();

    bool shown_ = false;
    // The outer size the pages were last synchronised with on a resize.
    logic::OuterSize syncedSize_{0, 0};
};

// The one main window of the program.
extern TMainForm* MainForm;

}  // namespace letterloom
