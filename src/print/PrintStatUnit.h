#pragma once
// The progress dialog that shows while a print job runs, its Cancel, and the print-abort flag.
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/StatusBar.h"

namespace letterloom {

// Set by the progress dialog's Cancel; every job clears it as it starts and reads it.
extern bool PrintAbort;

class TPrintStat : public tk::Form {
public:
    TPrintStat();
    ~TPrintStat() override;

    tk::Label Bevel1;
    tk::Label DeviceLab;
    tk::Label PageLab;
    tk::ProgressBar ProgressBar;
    tk::Button BitBtn1;

    void BitBtn1Click();
    // What the running job is at (page number or font), shown whole.
    void SetPageText(const std::string& text);
    // Sets the text of a label and sizes the label to it, one line of the text after another.
    void SetLabelText(tk::Label& label, const std::string& text);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

extern TPrintStat* PrintStat;

// Shows the progress dialog and disables the main window, or the other way round.
void ShowPrintProgress(bool on);

}  // namespace letterloom
