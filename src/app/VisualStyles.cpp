#include "app/VisualStyles.h"

#include <windows.h>
#include <commctrl.h>

namespace letterloom {

void EnableVisualStyles() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
    if (!::GetVersionExA(&version)) return;
    // Major and minor are compared on their own: 6.0 does not qualify, 5.1 does.
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5 &&
        version.dwMinorVersion >= 1)
        ::InitCommonControls();
}

}  // namespace letterloom
