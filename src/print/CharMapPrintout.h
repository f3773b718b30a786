#pragma once
// The character-map printout: one page per font, its name as a heading and its 224 cells drawn by
// the renderer of the on-screen map, sized to the page.
#include <cstdint>
#include <string>
#include <vector>

#include "print/PrintJob.h"
#include "print/PrintTools.h"

namespace tk {
class Canvas;
class ProgressBar;
}  // namespace tk

namespace letterloom {

// The character map's cell renderer: the cells of a font, cell size, columns, origin, canvas,
// progress bar and the flag that stops it.
using CellRenderer = void (*)(const std::string&, int32_t, int32_t, int32_t, int32_t, tk::Canvas&,
                              tk::ProgressBar&, bool&);

// Prints the map of each font named, one page per font, with drawCells, after the platform's
// print dialog; with no font named, says so instead. owner is the window the command came from.
PrintOutcome PrintCharMaps(PrintTools& tools, HWND owner, const std::vector<std::string>& fonts,
                           CellRenderer drawCells);

}  // namespace letterloom
