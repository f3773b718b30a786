#include "app/pages/FontTestPage.h"

#include <vector>

#include "logic/IntegerText.h"
#include "toolkit/Canvas.h"
#include "toolkit/Error.h"

namespace letterloom {

namespace {

constexpr int kToolbarHeight = 25;
constexpr int kMaxTypedLength = 200;
constexpr int kSizeBoxWidth = 48;
constexpr int kSizeListRows = 12;
constexpr int kFontNameWidth = 400;
constexpr int kStartPoints = 24;
constexpr int kBoldImage = 20;
constexpr int kItalicImage = 18;
constexpr int kUnderlineImage = 19;
constexpr int kFontColorImage = 16;
constexpr int kBackgroundColorImage = 15;
constexpr char kSizeCaption[] = "字体大小: ";

const std::vector<std::string> kSizes{"8",  "10", "12", "14", "16", "18", "20", "22",
                                      "24", "26", "28", "30", "32", "34", "36", "72"};

}  // namespace

FontTestPage::FontTestPage(tk::TabSheet& sheet, tk::Form& window, const tk::ImageList& images,
                           tk::ColorDialog& colorDialog, logic::Settings& settings)
    : sheet_(sheet),
      window_(window),
      images_(images),
      colorDialog_(colorDialog),
      settings_(settings) {
    toolbarPanel_.Create(sheet_.Handle());
    CreateToolbar();

    memo_.Create(sheet_.Handle(), tk::Edit::Lines::Multi);
    memo_.SetFont(window_.GetFont());
    memo_.SetMaxLength(kMaxTypedLength);
    memo_.onChange = [this] { settings_.testText = memo_.Text(); };

    sheet_.onResize = [this] {
        const RECT r = sheet_.ClientRect();
        toolbarPanel_.SetBounds(0, 0, r.right, kToolbarHeight);
        memo_.SetBounds(0, kToolbarHeight, r.right, r.bottom - kToolbarHeight);
    };
    toolbarPanel_.onResize = [this] {
        const RECT r = toolbarPanel_.ClientRect();
        toolbar_.SetBounds(0, 0, r.right, r.bottom);
    };
}

// The buttons show the memo's style only through the update handlers, so a press goes by what
// the button shows.
void FontTestPage::DefineStyle(tk::Action& action, const char* name, const char* caption, int image,
                               tk::FontStyle style, UINT& button) {
    action.name = name;
    action.caption = caption;
    action.imageIndex = image;
    action.onExecute = [this, style](tk::Action& self) {
        tk::FontSpec font = memo_.GetFont();
        font.Set(style, !self.Checked());
        memo_.SetFont(font);
    };
    action.onUpdate = [this, style](tk::Action& self) {
        self.SetChecked(memo_.GetFont().Has(style));
    };
    actions_.Add(action);
    button = toolbar_.AddActionButton(action, true);
}

void FontTestPage::CreateToolbar() {
    toolbar_.Create(toolbarPanel_.Handle(), &images_);
    const tk::FontSpec toolbarFont = window_.GetFont();
    tk::FontSpec labelFont = toolbarFont;
    labelFont.SetSize(toolbarFont.Size() + 1);

    sizeLabel_.Create(toolbar_.Handle(), kSizeCaption);
    sizeLabel_.SetFont(labelFont);
    toolbar_.AddControl(sizeLabel_, tk::ScreenTextWidth(labelFont, kSizeCaption));

    sizeBox_.Create(toolbar_.Handle());
    sizeBox_.SetFont(toolbarFont);
    sizeBox_.SetItems(kSizes);
    sizeBox_.onChange = [this] { OnSizeChange(); };
    sizeBox_.PlaceIn(toolbar_.ButtonRect(toolbar_.AddControl(sizeBox_, kSizeBoxWidth)),
                     kSizeListRows);
    toolbar_.AddSeparator();

    DefineStyle(bold_, "FontTestBold", "字体测试粗体", kBoldImage, tk::kBold, boldButton_);
    DefineStyle(italic_, "FontTestItalic", "字体测试斜体", kItalicImage, tk::kItalic,
                italicButton_);
    DefineStyle(underline_, "FontTestUnderline", "字体测试下划线", kUnderlineImage, tk::kUnderline,
                underlineButton_);
    toolbar_.AddSeparator();

    textColors_.Create(window_.Handle());
    textColors_.SetChosen(tk::kClBlack);
    textColors_.onChange = [this] { SetTextColor(textColors_.Chosen()); };
    textColorButton_ = toolbar_.AddSplitButton(
        kFontColorImage, "字体颜色", [this] { OnChooseTextColor(); },
        [this](const RECT& button) {
            textColors_.SetChosen(memo_.GetFont().color);
            textColors_.Popup(button.left, button.bottom);
        });
    backgroundColors_.Create(window_.Handle());
    backgroundColors_.onChange = [this] { memo_.SetColor(backgroundColors_.Chosen()); };
    backgroundColorButton_ = toolbar_.AddSplitButton(
        kBackgroundColorImage, "背景颜色", [this] { OnChooseBackgroundColor(); },
        [this](const RECT& button) {
            backgroundColors_.SetChosen(memo_.GetColor());
            backgroundColors_.Popup(button.left, button.bottom);
        });
    toolbar_.AddSeparator();

    fontName_.Create(toolbar_.Handle(), "");
    fontName_.SetFont(toolbarFont);
    toolbar_.AddControl(fontName_, kFontNameWidth);
}

void FontTestPage::StartAt24Points() {
    tk::FontSpec font = memo_.GetFont();
    font.SetSize(kStartPoints);
    memo_.SetFont(font);
    sizeBox_.SetText(std::to_string(kStartPoints));
}

void FontTestPage::ShowFont(const std::string& face) {
    tk::FontSpec font = memo_.GetFont();
    font.name = face;
    memo_.SetFont(font);
    fontName_.SetText("字体: " + face);
}

void FontTestPage::OnSizeChange() {
    const std::string text = sizeBox_.Text();
    int32_t points = 1;
    if (!logic::IsBlankText(text)) {
        const std::optional<int32_t> parsed = logic::ParseInteger(text);
        if (!parsed) throw tk::Error(logic::InvalidIntegerMessage(text));
        points = *parsed;
    }
    tk::FontSpec font = memo_.GetFont();
    font.SetSize(points);
    memo_.SetFont(font);
}

void FontTestPage::SetTextColor(tk::Color color) {
    tk::FontSpec font = memo_.GetFont();
    font.color = color;
    memo_.SetFont(font);
}

void FontTestPage::OnChooseTextColor() {
    colorDialog_.color = memo_.GetFont().color;
    if (colorDialog_.Execute(window_.Handle())) SetTextColor(colorDialog_.color);
}

void FontTestPage::OnChooseBackgroundColor() {
    colorDialog_.color = memo_.GetColor();
    if (colorDialog_.Execute(window_.Handle())) memo_.SetColor(colorDialog_.color);
}

}  // namespace letterloom
