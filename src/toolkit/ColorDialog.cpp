#include "toolkit/ColorDialog.h"

#include <commdlg.h>

#include <string>

#include "toolkit/Error.h"

namespace tk {

bool ColorDialog::Execute(HWND owner) {
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = ToRGB(color);
    choose.lpCustColors = custom_.data();
    choose.Flags = CC_RGBINIT;
    if (!::ChooseColorA(&choose)) {
        if (const DWORD error = ::CommDlgExtendedError())
            throw Error("ChooseColor: " + std::to_string(error));
        return false;
    }
    color = static_cast<Color>(choose.rgbResult);
    return true;
}

}  // namespace tk
