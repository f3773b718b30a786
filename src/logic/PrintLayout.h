#pragma once
// The font-list printout's page arithmetic: the metrics of a page, the cursor that walks its
// slots, and the entries-per-page estimate the print options dialog shows.
#include <cstdint>

namespace logic {

struct FontListMetrics {
    int32_t top;           // y of row 0, under the header line
    int32_t headerHeight;  // cell height of the header font
    int32_t entryHeight;   // cell height of names and samples
    int32_t pitch;         // distance between rows
    int32_t columnWidth;
    int32_t sampleOffset;  // from the column's left edge
};

inline constexpr int32_t kNameOffset = 10;

FontListMetrics FontListPageMetrics(int32_t pixelsPerInch, int32_t pageWidth, int32_t columns);

// The last slot filled; the start (row 0, column 0, page 1) counts as filled.
struct PrintCursor {
    int32_t row = 0;
    int32_t column = 0;
    int32_t page = 1;
};

// Moves the cursor to the next entry's slot, onto a new page when no further row fits in the
// printable height; true when a new page began.
bool AdvanceCursor(PrintCursor& cursor, int32_t columns, const FontListMetrics& metrics,
                   int32_t pageHeight);

// What a printout of the font list will be on a page of the given height, found by walking the
// cursor exactly as the printout does.
struct FontListPlan {
    int32_t entriesPerPage;  // entries on a full page; 0 when not even one row fits
    int32_t pages;           // pages the printout of all entries takes
};

FontListPlan PlanFontList(int32_t entries, int32_t columns, const FontListMetrics& metrics,
                          int32_t pageHeight);

// The character map printout's grid on a page: the cell size that fits the page's width and the
// height below the heading, and the columns of the page's shape (14 portrait, 16 otherwise).
struct CharMapPrintGrid {
    int32_t columns;
    int32_t cellSize;
};

CharMapPrintGrid CharMapGridForPage(int32_t pageWidth, int32_t pageHeight, int32_t headingHeight);

}  // namespace logic
