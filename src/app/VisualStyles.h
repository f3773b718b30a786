#pragma once

namespace letterloom {

// Turns on the platform's visual styles where the platform has them (Windows XP and later);
// the program's manifest asks for version 6 of the common controls.
void EnableVisualStyles();

}  // namespace letterloom
