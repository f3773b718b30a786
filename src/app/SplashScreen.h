#pragma once
// The start-up picture shown while the main window gathers the fonts and reads the settings.
#include "toolkit/Form.h"
#include "toolkit/UniqueHandle.h"

namespace letterloom {

class SplashScreen : public tk::Form {
public:
    // Shows the picture at once, in the middle of the screen, above other windows.
    SplashScreen();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    tk::UniqueBitmap picture_;
};

}  // namespace letterloom
