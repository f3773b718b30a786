#pragma once
// The find dialog of the font list: the text whose characters the fonts shown must have, with
// the texts looked for before offered again.
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"

namespace letterloom {

class FindFontsDialog : public tk::Form {
public:
    // Made for each use over owner; the box offers history, newest first, and starts with the
    // newest.
    FindFontsDialog(HWND owner, const std::vector<std::string>& history);

    // Shows the dialog modally: the text confirmed, or nothing when the user cancelled.
    std::optional<std::string> Ask();

    // The controls, as the user works them.
    tk::ComboBox& TextBox() { return text_; }
    tk::Button& OkButton() { return okButton_; }
    tk::Button& CancelButton() { return cancelButton_; }

private:
    // Declared in the order of the keyboard focus.
    tk::Label label_;
    tk::ComboBox text_;
    tk::Button okButton_;
    tk::Button cancelButton_;
};

}  // namespace letterloom
