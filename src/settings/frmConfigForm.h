#pragma once
// The configuration dialog: the preview text and the item sizes of the two font lists.
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/SpinEdit.h"

namespace letterloom {

class TConfigForm : public tk::Form {
public:
    // Made for each use, filled from the settings; owner is the window it is shown over.
    explicit TConfigForm(HWND owner);
    ~TConfigForm() override;

    // Declared in the order of the keyboard focus.
    tk::GroupBox GroupBox1;
    tk::Label Label1;
    tk::SpinEdit FontListSize;
    tk::Label Label2;
    tk::SpinEdit SelectedListSize;
    tk::GroupBox GroupBox2;
    tk::ComboBox PreviewString;
    tk::Button BitBtn1;
    tk::Button BitBtn2;

    void FormCreate();
    void BitBtn2Click();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();

    // The control that had the focus when the dialog was last deactivated.
    HWND focused_ = nullptr;
};

// The dialog while it exists.
extern TConfigForm* ConfigForm;

}  // namespace letterloom
