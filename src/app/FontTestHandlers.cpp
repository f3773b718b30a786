// Handlers of the font test page: the memo's text, its size, style and colours.
#include "app/MainFormUnit.h"
#include "logic/IntegerText.h"
#include "print/DialogsModuleUnit.h"
#include "settings/RegSave.h"
#include "toolkit/Error.h"

namespace letterloom {

void TMainForm::TestChange() { ConfigData.TryString = Test.Text(); }

void TMainForm::FsizeCChange() {
    const std::string text = FsizeC.Text();
    int32_t points = 1;
    if (!logic::IsBlankText(text)) {
        const std::optional<int32_t> parsed = logic::ParseInteger(text);
        if (!parsed) throw tk::Error(logic::InvalidIntegerMessage(text));
        points = *parsed;
    }
    tk::FontSpec font = Test.GetFont();
    font.SetSize(points);
    Test.SetFont(font);
}

// The buttons show the memo's style only through the Update handlers, so Execute goes by what
// the button shows.
void TMainForm::ToggleTestStyle(const tk::Action& action, tk::FontStyle style) {
    tk::FontSpec font = Test.GetFont();
    font.Set(style, !action.Checked());
    Test.SetFont(font);
}

void TMainForm::FontTestBoldExecute() { ToggleTestStyle(FontTestBold, tk::kBold); }
void TMainForm::FontTestBoldUpdate() { FontTestBold.SetChecked(Test.GetFont().Has(tk::kBold)); }
void TMainForm::FontTestItalicExecute() { ToggleTestStyle(FontTestItalic, tk::kItalic); }
void TMainForm::FontTestItalicUpdate() {
    FontTestItalic.SetChecked(Test.GetFont().Has(tk::kItalic));
}
void TMainForm::FontTestUnderlineExecute() { ToggleTestStyle(FontTestUnderline, tk::kUnderline); }
void TMainForm::FontTestUnderlineUpdate() {
    FontTestUnderline.SetChecked(Test.GetFont().Has(tk::kUnderline));
}

void TMainForm::SetTestTextColor(tk::Color color) {
    tk::FontSpec font = Test.GetFont();
    font.color = color;
    Test.SetFont(font);
}

void TMainForm::FontColorSubMenuClick() {
    tk::ColorDialog& dialog = DialogModule->ColorDialog;
    dialog.color = Test.GetFont().color;
    if (dialog.Execute(Handle())) SetTestTextColor(dialog.color);
}

void TMainForm::FontColorSubMenuPopup() { FontColorPalette.SetChosen(Test.GetFont().color); }

void TMainForm::FontColorPaletteChange() { SetTestTextColor(FontColorPalette.Chosen()); }

void TMainForm::BGFontColorSubMenuClick() {
    tk::ColorDialog& dialog = DialogModule->ColorDialog;
    dialog.color = Test.GetColor();
    if (dialog.Execute(Handle())) Test.SetColor(dialog.color);
}

void TMainForm::BGFontColorSubMenuPopup() { BGColorPalette.SetChosen(Test.GetColor()); }

void TMainForm::BGColorPaletteChange() { Test.SetColor(BGColorPalette.Chosen()); }

}  // namespace letterloom
