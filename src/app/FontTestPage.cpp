// The font test page: a toolbar above the memo in which the user tries a font.
#include <string>

#include "app/MainFormUnit.h"
#include "toolkit/Canvas.h"

namespace letterloom {

namespace {

constexpr int kToolbarHeight = 25;
constexpr int kMaxTypedLength = 200;
constexpr int kSizeBoxWidth = 48;
constexpr int kSizeListRows = 12;
constexpr int kFontNameWidth = 400;
constexpr int kBoldImage = 20;
constexpr int kItalicImage = 18;
constexpr int kUnderlineImage = 19;
constexpr int kFontColorImage = 16;
constexpr int kBackgroundColorImage = 15;
constexpr char kSizeCaption[] = "字体大小: ";

const std::vector<std::string> kSizes{"8",  "10", "12", "14", "16", "18", "20", "22",
                                      "24", "26", "28", "30", "32", "34", "36", "72"};

}  // namespace

void TMainForm::CreateFontTestPage() {
    Panel1.Create(TestaFont->Handle());
    CreateFontTestToolbar();

    Test.Create(TestaFont->Handle(), tk::Edit::Lines::Multi);
    Test.SetFont(GetFont());
    Test.SetMaxLength(kMaxTypedLength);
    Test.onChange = [this] { TestChange(); };

    TestaFont->onResize = [this] {
        const RECT r = TestaFont->ClientRect();
        Panel1.SetBounds(0, 0, r.right, kToolbarHeight);
        Test.SetBounds(0, kToolbarHeight, r.right, r.bottom - kToolbarHeight);
    };
    Panel1.onResize = [this] {
        const RECT r = Panel1.ClientRect();
        TBXToolbar2.SetBounds(0, 0, r.right, r.bottom);
    };
}

void TMainForm::CreateFontTestToolbar() {
    TBXToolbar2.Create(Panel1.Handle(), &ImageList);
    const tk::FontSpec toolbarFont = GetFont();
    tk::FontSpec labelFont = toolbarFont;
    labelFont.SetSize(toolbarFont.Size() + 1);

    TBXLabelItem2.Create(TBXToolbar2.Handle(), kSizeCaption);
    TBXLabelItem2.SetFont(labelFont);
    TBXToolbar2.AddControl(TBXLabelItem2, tk::ScreenTextWidth(labelFont, kSizeCaption));

    FsizeC.Create(TBXToolbar2.Handle());
    FsizeC.SetFont(toolbarFont);
    FsizeC.SetItems(kSizes);
    FsizeC.onChange = [this] { FsizeCChange(); };
    FsizeC.PlaceIn(TBXToolbar2.ButtonRect(TBXToolbar2.AddControl(FsizeC, kSizeBoxWidth)),
                   kSizeListRows);
    TBXToolbar2.AddSeparator();

    FontTestBold.imageIndex = kBoldImage;
    FontTestBold.onExecute = [this](tk::Action&) { FontTestBoldExecute(); };
    FontTestBold.onUpdate = [this](tk::Action&) { FontTestBoldUpdate(); };
    FontTestBoldButton = TBXToolbar2.AddActionButton(FontTestBold, true);
    FontTestItalic.imageIndex = kItalicImage;
    FontTestItalic.onExecute = [this](tk::Action&) { FontTestItalicExecute(); };
    FontTestItalic.onUpdate = [this](tk::Action&) { FontTestItalicUpdate(); };
    FontTestItalicButton = TBXToolbar2.AddActionButton(FontTestItalic, true);
    FontTestUnderline.imageIndex = kUnderlineImage;
    FontTestUnderline.onExecute = [this](tk::Action&) { FontTestUnderlineExecute(); };
    FontTestUnderline.onUpdate = [this](tk::Action&) { FontTestUnderlineUpdate(); };
    FontTestUnderlineButton = TBXToolbar2.AddActionButton(FontTestUnderline, true);
    TBXToolbar2.AddSeparator();

    FontColorPalette.Create(Handle());
    FontColorPalette.SetChosen(tk::kClBlack);
    FontColorPalette.onChange = [this] { FontColorPaletteChange(); };
    FontColorSubMenu = TBXToolbar2.AddSplitButton(
        kFontColorImage, "字体颜色", [this] { FontColorSubMenuClick(); },
        [this](const RECT& button) {
            FontColorSubMenuPopup();
            FontColorPalette.Popup(button.left, button.bottom);
        });
    BGColorPalette.Create(Handle());
    BGColorPalette.onChange = [this] { BGColorPaletteChange(); };
    BGFontColorSubMenu = TBXToolbar2.AddSplitButton(
        kBackgroundColorImage, "背景颜色", [this] { BGFontColorSubMenuClick(); },
        [this](const RECT& button) {
            BGFontColorSubMenuPopup();
            BGColorPalette.Popup(button.left, button.bottom);
        });
    TBXToolbar2.AddSeparator();

    TestFontName.Create(TBXToolbar2.Handle(), "");
    TestFontName.SetFont(toolbarFont);
    TBXToolbar2.AddControl(TestFontName, kFontNameWidth);
}

}  // namespace letterloom
