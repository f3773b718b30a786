#include "print/FontNamesProcess.h"

#include <windows.h>

#include <optional>

#include "logic/NameRecords.h"
#include "print/InstalledFonts.h"
#include "toolkit/ProgramOutput.h"

namespace letterloom {

bool IsFontNamesRequest(const char* commandLine) {
    if (!commandLine) return false;
    std::string argument = commandLine;
    const size_t first = argument.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    argument.erase(0, first);
    argument.erase(argument.find_last_not_of(" \t") + 1);
    return argument == kFontNamesSwitch;
}

int WriteFontNames() {
    try {
        const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
        if (!output || output == INVALID_HANDLE_VALUE) return 2;
        const std::string records = logic::JoinNameRecords(CollectInstalledFontNames());
        size_t written = 0;
        while (written < records.size()) {
            DWORD step = 0;
            const DWORD size = static_cast<DWORD>(records.size() - written);
            if (!::WriteFile(output, records.data() + written, size, &step, nullptr) || step == 0)
                return 3;
            written += step;
        }
        return 0;
    } catch (...) {
        return 1;
    }
}

std::vector<std::string> CollectFontNamesInHelper(const std::string& program,
                                                  const tk::StopSignal& stop) {
    const std::optional<std::string> output =
        tk::RunForOutput("\"" + program + "\" " + kFontNamesSwitch, stop);
    if (stop.Requested()) return {};
    // Every list holds "Default" at least: an empty one is a helper that went wrong.
    if (output) {
        std::vector<std::string> names = logic::SplitNameRecords(*output);
        if (!names.empty()) return names;
    }
    return CollectInstalledFontNames();
}

}  // namespace letterloom
