#pragma once
// The character map: its cell geometry, the flags that steer a running build, and the build.
#include <cstdint>

#include "logic/CharMapGeometry.h"

namespace tk {
class ListBox;
}

namespace letterloom {

extern const uint8_t MapCellSize;
extern uint8_t MapColumns;
// Tested before each cell; cleared to stop a running build.
extern bool DrawingContinue;
// True while the picture on the map page is a finished map.
extern bool MapReady;

// Builds the map of the font that the list's current item names, when the map page is active;
// otherwise only stops a build that is still running.
void BuildCharMap(tk::ListBox& list);

}  // namespace letterloom
