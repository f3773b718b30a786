#pragma once
// The print options dialog of the font list: one or two columns, with the entries a page holds
// and the pages the printout needs on the current printer.
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/PrintDialogs.h"
#include "toolkit/Printer.h"
#include "toolkit/RadioGroup.h"

namespace letterloom {

class PrintOptionsDialog : public tk::Form {
public:
    // Made once at start-up for the printer of the run; its set-up button runs printerSetup. The
    // column choice stays as the user left it.
    PrintOptionsDialog(tk::Printer& printer, tk::PrinterSetupDialog& printerSetup);

    // Shows the dialog modally for a printout of that many entries; the columns chosen (1 or 2),
    // or 0 when the user declined.
    int AskColumns(int entries);
    // The column count the dialog was left with: 1 or 2.
    int Columns() const { return columnsChoice_.ItemIndex() == 1 ? 2 : 1; }

    // The controls, as the user works them.
    tk::RadioGroup& ColumnsChoice() { return columnsChoice_; }
    const tk::Label& PerPageLabel() const { return perPage_; }
    const tk::Label& PagesLabel() const { return pages_; }
    tk::Button& PrintButton() { return printButton_; }
    tk::Button& CancelButton() { return cancelButton_; }
    tk::Button& PrinterSetupButton() { return setupButton_; }

protected:
    void FormShow() override;

private:
    void UpdateLabels();

    tk::Printer& printer_;
    tk::PrinterSetupDialog& printerSetup_;
    int entries_ = 0;
    tk::RadioGroup columnsChoice_;
    tk::Label perPage_;
    tk::Label pages_;
    tk::Button printButton_;
    tk::Button cancelButton_;
    tk::Button setupButton_;
};

}  // namespace letterloom
