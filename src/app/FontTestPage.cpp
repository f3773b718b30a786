// The font test page: a toolbar above the memo in which the user tries a font.
#include "app/MainFormUnit.h"
#include "settings/RegSave.h"

namespace letterloom {

namespace {
constexpr int kToolbarHeight = 25;
constexpr int kMaxTypedLength = 200;
constexpr int kFontNameLeft = 8;
}  // namespace

void TMainForm::CreateFontTestPage() {
    Panel1.Create(TestaFont->Handle());
    TestFontName.Create(Panel1.Handle(), "");
    TestFontName.SetFont(GetFont());

    Test.Create(TestaFont->Handle(), tk::Edit::Lines::Multi);
    tk::FontSpec font = GetFont();
    Test.SetFont(font);
    Test.SetMaxLength(kMaxTypedLength);
    Test.onChange = [this] { TestChange(); };

    TestaFont->onResize = [this] {
        const RECT r = TestaFont->ClientRect();
        Panel1.SetBounds(0, 0, r.right, kToolbarHeight);
        Test.SetBounds(0, kToolbarHeight, r.right, r.bottom - kToolbarHeight);
    };
    Panel1.onResize = [this] {
        const RECT r = Panel1.ClientRect();
        TestFontName.SetBounds(kFontNameLeft, 0, r.right - kFontNameLeft, r.bottom);
    };
}

void TMainForm::TestChange() { ConfigData.TryString = Test.Text(); }

}  // namespace letterloom
