#pragma once
// Wine hands web addresses to the Unix programs named in HKCU\Software\Wine\WineBrowser,
// value "Browsers". Tests name their own stand-in there and put the old value back afterwards.
#include <windows.h>

#include <string>

#include "shared/RegistryKeys.h"

namespace testshared {

class WineBrowserOverride {
public:
    explicit WineBrowserOverride(const char* browsers)
        : key_(CreateKey(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser")) {
        char old[1024] = {};
        DWORD size = sizeof old - 1;
        had_ = ::RegQueryValueExA(key_.get(), "Browsers", nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
        old_ = old;
        Set(browsers);
    }
    ~WineBrowserOverride() {
        if (had_)
            Set(old_.c_str());
        else
            ::RegDeleteValueA(key_.get(), "Browsers");
    }
    WineBrowserOverride(const WineBrowserOverride&) = delete;
    WineBrowserOverride& operator=(const WineBrowserOverride&) = delete;

private:
    void Set(const char* value) {
        ::RegSetValueExA(key_.get(), "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                         DWORD(::lstrlenA(value) + 1));
    }
    tk::UniqueKey key_;
    bool had_ = false;
    std::string old_;
};

}  // namespace testshared
