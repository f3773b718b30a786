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

// Estimate of the entries on one page, which rounds where the layout fits whole rows only.
int32_t EntriesPerPage(int32_t pixelsPerInch, int32_t pageHeight, int32_t columns);

// Pages for entries at perPage each, rounded up; -1 when perPage gives no figure (not positive).
int32_t PagesNeeded(int32_t entries, int32_t perPage);

}  // namespace logic
