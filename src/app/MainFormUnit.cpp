#include "app/MainFormUnit.h"

#include <future>
#include <utility>

#include "app/InternalProcs.h"
#include "app/frmSplashForm.h"
#include "logic/WindowFloor.h"
#include "print/FontNamesWorker.h"
#include "print/Printunit.h"
#include "resources/resource_ids.h"
#include "settings/RegSave.h"
#include "toolkit/Application.h"

namespace letterloom {

TMainForm* MainForm = nullptr;

namespace {

constexpr int kDesignClientWidth = 561;
constexpr int kDesignClientHeight = 285;
constexpr int kStatusBarHeight = 19;
constexpr int kProgressWidth = 200;
constexpr int kProgressHeight = 17;
constexpr int kTabWidth = 90;
constexpr int kFontListDesignHeight = 24;
constexpr int kSelectedListDesignHeight = 36;
constexpr int kFirstShowPause = 1000;
constexpr int kLastShowPause = 200;

tk::FontSpec SongTi(int height) {
    tk::FontSpec font;
    font.name = "宋体";
    font.height = height;
    font.color = tk::kClBlack;
    font.pixelsPerInch = tk::ScreenPixelsPerInch();
    return font;
}

}  // namespace

TMainForm::TMainForm() {
    MainForm = this;
    ImageList.LoadFromResource(IDB_IMAGELIST, IMAGELIST_SIZE, RGB(255, 0, 255));
    tk::Form::SetFont(SongTi(-13));
    CreateForm("Letterloom", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
               kDesignClientWidth, kDesignClientHeight, nullptr, true);
    CreateActions();
    CreateMenus();

    Sbar.Create(Handle(), {200, 291}, kStatusBarHeight);
    Sbar.onResize = [this] { SbarResize(); };
    PBar.Create(Handle());
    ::SetWindowPos(PBar.Handle(), HWND_TOP, 0, 0, kProgressWidth, kProgressHeight, SWP_NOACTIVATE);

    CreatePages();
    LayoutClient();
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::CreatePages() {
    Pagine.Create(Handle(), SongTi(-12), kTabWidth);
    Pagine.onChange = [this] { PagineChange(); };
    ListaFont = &Pagine.AddPage("ListaFont", "字体列表");
    SelectedFontsPage = &Pagine.AddPage("SelectedFontsPage", "已选字体");
    TestaFont = &Pagine.AddPage("TestaFont", "字体测试");
    MappaCaratteri = &Pagine.AddPage("MappaCaratteri", "字符映射表");
    Pagine.SetTabVisible(*SelectedFontsPage, false);

    FontList.Create(ListaFont->Handle(), tk::ListBox::Selection::Extended, kFontListDesignHeight);
    FontList.SetFont(SongTi(-11));
    FontList.onClick = [this] { FontListClick(); };
    FontList.onDrawItem = [this](int index, const RECT& rect, UINT state) {
        DrawItem(FontList, index, rect, state);
    };
    ListaFont->onResize = [this] {
        const RECT r = ListaFont->ClientRect();
        FontList.SetBounds(0, 0, r.right, r.bottom);
    };

    SelectedList.Create(SelectedFontsPage->Handle(), tk::ListBox::Selection::Single,
                        kSelectedListDesignHeight);
    SelectedList.SetFont(SongTi(-11));
    SelectedList.onClick = [this] { SelectedListClick(); };
    SelectedList.onDrawItem = [this](int index, const RECT& rect, UINT state) {
        SelectedListDrawItem(SelectedList, index, rect, state);
    };
    SelectedFontsPage->onResize = [this] {
        const RECT r = SelectedFontsPage->ClientRect();
        SelectedList.SetBounds(0, 0, r.right, r.bottom);
    };

    FontList.GetCanvas().UseFontCache(&ListItemFonts);
    SelectedList.GetCanvas().UseFontCache(&ListItemFonts);

    CreateFontTestPage();
    CreateCharMapPage();
}

void TMainForm::LayoutClient() {
    if (!Sbar.HandleAllocated()) return;
    Sbar.ParentResized();
    const RECT client = ClientRect();
    const RECT bar = Sbar.BoundsRect();
    if (Pagine.HandleAllocated()) Pagine.SetBounds(0, 0, client.right, bar.top);
}

LRESULT TMainForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETMINMAXINFO) {
        FormPlacement.ApplyMinTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    }
    // The stored position comes back before the first showing's own work, the stored state after
    // it, so that the window appears once, with its content.
    if (msg == WM_SHOWWINDOW && wParam) {
        FormPlacement.Restore();
        const LRESULT result = tk::Form::HandleMessage(msg, wParam, lParam);
        FormPlacement.ShowRestoredState();
        return result;
    }
    if (msg == WM_DESTROY) FormPlacement.SaveAtDestruction();
    return tk::Form::HandleMessage(msg, wParam, lParam);
}

void TMainForm::FormShow() {
    if (shown_) return;
    shown_ = true;
    // The splash goes when the first showing ends, also when a step of it fails.
    struct SplashCloser {
        ~SplashCloser() { SplashForm.reset(); }
    } closeSplash;
    SetText("Letterloom");
    tk::Application::Instance().SetTitle("Letterloom");
    // The names are collected while the steps up to the pause and the pause run; they are needed
    // only after it. The faces of the list's first screenful are realised there too, once the
    // settings give the items' look, since the window's first painting would otherwise build
    // each of them.
    std::promise<FirstScreenLook> lookGiven;
    FontNamesWorker fontNames(
        [this, lookLater = lookGiven.get_future().share()](const std::vector<std::string>& names) {
            // A step that fails before giving the look leaves the faces to the list, as does a face
            // that fails here: the list reports it as it draws.
            try {
                FirstScreenFonts.Prepare(names, lookLater.get());
            } catch (const std::exception&) {
            }
        });
    // Destroyed before the worker is waited for, so that a failing step never leaves it waiting.
    std::promise<FirstScreenLook> look = std::move(lookGiven);
    LoadConfig();
    SetListItemHeights();
    look.set_value({FontList.GetFont(), FontList.ItemHeight(), ConfigData.PrevString});
    tk::Pause(kFirstShowPause);
    fontNames.Finish();
    FontList.SetItems(InstalledFontNames);
    FontList.SetItemIndex(0);
    tk::FontSpec testFont = Test.GetFont();
    testFont.SetSize(24);
    Test.SetFont(testFont);
    FsizeC.SetText("24");
    Pagine.SetActivePage(ListaFont);
    SyncPages(true);
    Test.SetText(ConfigData.TryString);
    tk::Pause(kLastShowPause);
}

void TMainForm::FormResize() {
    LayoutClient();
    if (!PBar.HandleAllocated() || !MappaCaratteri) return;
    const RECT bar = Sbar.BoundsRect();
    ::SetWindowPos(PBar.Handle(), HWND_TOP, 0, bar.top + 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
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

void TMainForm::SbarResize() {
    if (Sbar.HandleAllocated()) ::InvalidateRect(Sbar.Handle(), nullptr, TRUE);
}

void TMainForm::PagineChange() { SyncPages(false); }

void TMainForm::Exit1Click() { Close(); }

bool TMainForm::FormCloseQuery() {
    Pagine.SetActivePage(ListaFont);
    try {
        SaveConfig();
    } catch (const std::exception& error) {
        // Saving failed; say so, but never keep the user from closing the program.
        tk::Application::Instance().HandleException(error);
    }
    return true;
}

void TMainForm::FormClose() { FormPlacement.SaveAfterClose(); }

void TMainForm::FontListClick() {
    if (FontList.SelCount() >= 2) SelectedList.ClearSelection();
    SyncPages(true);
}

void TMainForm::SelectedListClick() { SyncPages(false); }

}  // namespace letterloom
