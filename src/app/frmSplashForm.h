#pragma once
// The start-up picture shown while the main window gathers the fonts and reads the settings.
#include <memory>

#include "toolkit/Form.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

class TSplashForm : public tk::Form {
public:
    TSplashForm();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    tk::UniqueBitmap picture_;
};

// Lives from before the main window's creation to the end of its first showing.
extern std::unique_ptr<TSplashForm> SplashForm;

// Creates the splash window and shows it at once.
void ShowSplash();

}  // namespace letterloom
