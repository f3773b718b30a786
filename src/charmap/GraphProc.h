#pragma once
// The character map: its cell geometry, the flags that steer a running build, the cell renderer
// shared by the screen and the printout, and the build of the on-screen map.
#include <windows.h>

#include <cstdint>
#include <string>

#include "logic/CharMapGeometry.h"

namespace tk {
class Canvas;
class ListBox;
class MemoryBitmap;
class ProgressBar;
}  // namespace tk

namespace letterloom {

extern const uint8_t MapCellSize;
extern uint8_t MapColumns;
// Tested before each cell; cleared to stop a running build.
extern bool DrawingContinue;
// True while the picture on the map page is a finished map.
extern bool MapReady;

// Where the last picked cell was pressed, in map pixels; (-1, -1) when no cell is highlighted.
struct MapPoint {
    int32_t x;
    int32_t y;
};
extern MapPoint SelectedPoint;
// Code of the last picked cell, 0 while nothing has been picked; outlives rebuilds.
extern uint8_t CurrentChar;

// Draws the cells of codes 32..255 of fontName on canvas, cellSize pixels square, columns to a
// row, from (x0, y0), with progress counting the cells. Lets waiting messages run between cells
// (asking for them at most once a millisecond) and stops before the next cell once
// DrawingContinue is false or the program has ended. The texts keep the canvas font's style.
void DrawCharCells(const std::string& fontName, int32_t cellSize, int32_t columns, int32_t x0,
                   int32_t y0, tk::Canvas& canvas, tk::ProgressBar& progress);

// Sizes bitmap to the grid, whitens it and draws the cells with the main window's progress bar.
void RenderCharMap(const std::string& fontName, int32_t cellSize, int32_t columns,
                   tk::MemoryBitmap& bitmap);

// The picture shown while a map is being built.
void PrepareMapPicture(tk::MemoryBitmap& bitmap);

// Builds the map of the font that the list's current item names, when the map page is active;
// otherwise only stops a build that is still running.
void BuildCharMap(tk::ListBox& list);

RECT MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom);

}  // namespace letterloom
