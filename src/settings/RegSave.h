#pragma once
// Storage of the settings record in the per-user registry.
#include "logic/ConfigData.h"

namespace letterloom {

// The one settings record of the program.
extern logic::TLetterloomConfigData ConfigData;

void SetDefaultConfig();
// Reads the stored values over the record; raises an Error for the first value of the wrong type
// or size, after reading every other value.
void LoadConfig();
// Writes all four values; raises an Error naming the first value that cannot be written.
void SaveConfig();

}  // namespace letterloom
