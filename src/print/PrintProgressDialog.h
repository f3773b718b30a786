#pragma once
// The progress dialog that shows while a print job runs: the printers, what the job is at, a
// progress bar and Cancel. Made hidden at start-up and shown for each job.
#include <functional>
#include <string>

#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/StatusBar.h"

namespace letterloom {

class PrintProgressDialog : public tk::Form {
public:
    PrintProgressDialog();

    // Shows the dialog over owner, filling the work area, with the printers listed; Cancel, Esc
    // and Alt+F4 call onCancel until it hides.
    void ShowFor(HWND owner, const std::string& printers, std::function<void()> onCancel);
    void Hide();

    // What the running job is at (page number or font), shown whole.
    void SetPageText(const std::string& text);
    tk::ProgressBar& Progress() { return progress_; }

    const tk::Label& DeviceLabel() const { return deviceLabel_; }
    const tk::Label& PageLabel() const { return pageLabel_; }
    tk::Button& CancelButton() { return cancelButton_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Sets a label's text and sizes the label to it, one line of the text after another.
    void SetLabelText(tk::Label& label, const std::string& text);
    void OnCancel();

    tk::Label frame_;
    tk::Label deviceLabel_;
    tk::Label pageLabel_;
    tk::ProgressBar progress_;
    tk::Button cancelButton_;
    std::function<void()> onCancel_;
};

}  // namespace letterloom
