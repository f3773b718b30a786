#pragma once
// What the character map page keeps between its handlers: the grid of the map it shows, the flags
// that steer its build, the cell picked last, the request that restarts a running build, and the
// bitmap the build draws in.
#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/MemoryBitmap.h"

namespace letterloom {

// Where the last picked cell was pressed, in map pixels; (-1, -1) when no cell is highlighted.
struct MapPoint {
    int32_t x;
    int32_t y;
};

struct CharMapState {
    // Columns of the map on the page.
    uint8_t mapColumns = 5;
    // Tested before each cell; cleared to stop a running build.
    bool drawingContinue = false;
    // True while the picture on the page is a finished map.
    bool mapReady = false;
    MapPoint selectedPoint{-1, -1};
    // Code of the last picked cell, 0 while nothing has been picked; outlives rebuilds.
    uint8_t currentChar = 0;
    // A build is running (Build is on the stack).
    bool building = false;
    // The font a request made during a build names; the running build starts over with it.
    std::optional<std::string> restartRequest;
    // Lives as long as the page: each build draws here and exchanges pictures with the image, so
    // that the picture it gets back has the size it needs and no memory is touched afresh.
    tk::MemoryBitmap work;
};

}  // namespace letterloom
