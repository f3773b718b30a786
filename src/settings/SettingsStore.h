#pragma once
// Storage of the settings in the per-user registry.
#include "logic/Settings.h"

namespace letterloom {

// Reads the stored values over settings; raises an Error for the first value of the wrong type or
// size, after reading every other value.
void LoadSettings(logic::Settings& settings);
// Writes all five values; raises an Error naming the first value that cannot be written.
void SaveSettings(const logic::Settings& settings);

}  // namespace letterloom
