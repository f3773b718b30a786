#pragma once
// The font test page: a toolbar (size, bold, italic, underline, text and background colours, the
// font's name) above the memo in which the user tries one font.
#include <string>

#include "logic/Settings.h"
#include "toolkit/Action.h"
#include "toolkit/ColorDialog.h"
#include "toolkit/ColorPalette.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/ToolBar.h"

namespace letterloom {

class FontTestPage {
public:
    // window owns the colour grids and lends its font; colorDialog is the platform's colour
    // picker; the memo's text goes to settings as the user types.
    FontTestPage(tk::TabSheet& sheet, tk::Form& window, const tk::ImageList& images,
                 tk::ColorDialog& colorDialog, logic::Settings& settings);

    tk::TabSheet& Sheet() { return sheet_; }
    // The memo shows its text at 24 points, the size box says so, and the text is the stored one.
    void StartAt24Points();
    void ShowStoredText() { memo_.SetText(settings_.testText); }
    // The memo's face becomes the font's, and the toolbar names it.
    void ShowFont(const std::string& face);

    // The controls, as the user works them.
    tk::Edit& Memo() { return memo_; }
    tk::ComboBox& SizeBox() { return sizeBox_; }
    tk::ToolBar& Toolbar() { return toolbar_; }
    tk::Label& SizeLabel() { return sizeLabel_; }
    tk::Label& FontNameLabel() { return fontName_; }
    tk::ColorPalette& TextColors() { return textColors_; }
    tk::ColorPalette& BackgroundColors() { return backgroundColors_; }
    tk::Action& BoldAction() { return bold_; }
    UINT BoldButton() const { return boldButton_; }
    UINT ItalicButton() const { return italicButton_; }
    UINT UnderlineButton() const { return underlineButton_; }
    UINT TextColorButton() const { return textColorButton_; }
    UINT BackgroundColorButton() const { return backgroundColorButton_; }

    // The size box's text became the memo's size in points.
    void OnSizeChange();

private:
    void CreateToolbar();
    void DefineStyle(tk::Action& action, const char* name, const char* caption, int image,
                     tk::FontStyle style, UINT& button);
    void SetTextColor(tk::Color color);
    void OnChooseTextColor();
    void OnChooseBackgroundColor();

    tk::TabSheet& sheet_;
    tk::Form& window_;
    const tk::ImageList& images_;
    tk::ColorDialog& colorDialog_;
    logic::Settings& settings_;

    tk::ActionList actions_;
    tk::Action bold_;
    tk::Action italic_;
    tk::Action underline_;
    tk::Panel toolbarPanel_;
    tk::ToolBar toolbar_;
    tk::Label sizeLabel_;
    tk::ComboBox sizeBox_;
    tk::Label fontName_;
    tk::Edit memo_;
    tk::ColorPalette textColors_;
    tk::ColorPalette backgroundColors_;
    UINT boldButton_ = 0;
    UINT italicButton_ = 0;
    UINT underlineButton_ = 0;
    UINT textColorButton_ = 0;
    UINT backgroundColorButton_ = 0;
};

}  // namespace letterloom
