#pragma once
// The print options dialog of the font list: one or two columns, with the estimate of entries per
// page and pages needed for the current printer.
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/RadioGroup.h"

namespace letterloom {

class TPrintDialog : public tk::Form {
public:
    TPrintDialog();
    ~TPrintDialog() override;

    tk::RadioGroup PrintType;
    tk::Label Info;
    tk::Label PNum;
    tk::Button BitBtn1;
    tk::Button BitBtn2;
    tk::Button BitBtn3;

    void PrintTypeClick();
    void BitBtn3Click();
    // The column count the dialog was left with: 1 or 2.
    int Columns() const { return PrintType.ItemIndex() == 1 ? 2 : 1; }

protected:
    void FormShow() override;

private:
    void UpdateLabels();
};

extern TPrintDialog* PrintDialog;

}  // namespace letterloom
