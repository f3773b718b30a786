#pragma once
// The installed font families, as the font list and the printed font list show them.
#include <string>
#include <vector>

namespace letterloom {

// The screen's font families, each once, with the pseudo-face "Default", sorted in the user
// locale's order ignoring case. Safe on any thread.
std::vector<std::string> CollectInstalledFontNames();

}  // namespace letterloom
