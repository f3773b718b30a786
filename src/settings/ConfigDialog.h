#pragma once
// The configuration dialog: the preview text and the item sizes of the two font lists.
#include "logic/Settings.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/SpinEdit.h"

namespace letterloom {

class ConfigDialog : public tk::Form {
public:
    // Made for each use and filled from settings, which OK changes; owner is the window it is
    // shown over.
    ConfigDialog(HWND owner, logic::Settings& settings);

    // The fields and buttons, as the user works them.
    tk::SpinEdit& FontListPointsField() { return fontListPoints_; }
    tk::SpinEdit& SelectedListPointsField() { return selectedListPoints_; }
    tk::ComboBox& PreviewTextBox() { return previewText_; }
    tk::Button& OkButton() { return okButton_; }
    tk::Button& CancelButton() { return cancelButton_; }

private:
    void CreateControls();
    void OnOk();

    logic::Settings& settings_;
    // Declared in the order of the keyboard focus.
    tk::GroupBox sizesGroup_;
    tk::Label fontListLabel_;
    tk::SpinEdit fontListPoints_;
    tk::Label selectedListLabel_;
    tk::SpinEdit selectedListPoints_;
    tk::GroupBox previewGroup_;
    tk::ComboBox previewText_;
    tk::Button cancelButton_;
    tk::Button okButton_;
};

}  // namespace letterloom
