#pragma once
// The main window: the four pages, the menus, the actions, the status bar with its progress bar,
// and the handlers of the window itself.
#include <string>

#include "toolkit/Action.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListBox.h"
#include "toolkit/Menu.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/StatusBar.h"

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

    tk::ListBox FontList;
    tk::ListBox SelectedList;

    // Font test page.
    tk::Panel Panel1;
    tk::Label TestFontName;
    tk::Edit Test;

    // Handlers of the window.
    void FormShow() override;
    void FormResize() override;
    bool FormCloseQuery() override;
    void SbarResize();
    void PagineChange();
    void Exit1Click();

    // Handlers of the two lists.
    void FontListClick();
    void SelectedListClick();
    void DrawItem(tk::ListBox& list, int index, const RECT& rect, UINT state);
    void SelectedListDrawItem(tk::ListBox& list, int index, const RECT& rect, UINT state);

    // Font test page.
    void TestChange();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreatePages();
    void CreateFontTestPage();
    void LayoutClient();

    bool shown_ = false;
};

// The one main window of the program.
extern TMainForm* MainForm;

}  // namespace letterloom
