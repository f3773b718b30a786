#include "about/ShellOpen.h"

#include <shellapi.h>

namespace letterloom {

void ShellOpen(HWND owner, const std::string& target) {
    ::ShellExecuteA(owner, "OPEN", target.c_str(), "", "c:\\", SW_SHOWNORMAL);
}

}  // namespace letterloom
