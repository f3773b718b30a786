#include "logic/PrintLayout.h"

#include <algorithm>
#include <climits>

#include "logic/CharMapGeometry.h"
#include "logic/Rounding.h"

namespace logic {

namespace {
// Hundredths of an inch.
constexpr double kTop = 14;
constexpr double kHeader = 13;
constexpr double kEntry = 19;
constexpr double kPitch = 21;

int32_t Inches(int32_t pixelsPerInch, double hundredths, int32_t columns = 1) {
    return RoundHalfEven(pixelsPerInch * hundredths / 100 / columns);
}

// The last row whose line box ends within the printable height, T + (row + 1) x P <= H; -1 when
// not even row 0 does.
int64_t LastRowThatFits(const FontListMetrics& metrics, int32_t pageHeight) {
    const int64_t room = int64_t{pageHeight} - metrics.top;
    if (metrics.pitch <= 0) return room >= 0 ? INT32_MAX : -1;
    const int64_t rows =
        room >= 0 ? room / metrics.pitch : -((-room + metrics.pitch - 1) / metrics.pitch);
    return rows - 1;
}
}  // namespace

FontListMetrics FontListPageMetrics(int32_t pixelsPerInch, int32_t pageWidth, int32_t columns) {
    FontListMetrics m{};
    m.top = Inches(pixelsPerInch, kTop);
    m.headerHeight = Inches(pixelsPerInch, kHeader);
    m.entryHeight = Inches(pixelsPerInch, kEntry, columns);
    m.pitch = Inches(pixelsPerInch, kPitch, columns);
    m.columnWidth = pageWidth / 2;
    m.sampleOffset = columns == 1 ? pageWidth / 2 : pageWidth / 4;
    return m;
}

bool AdvanceCursor(PrintCursor& cursor, int32_t columns, const FontListMetrics& metrics,
                   int32_t pageHeight) {
    // A new page when no further row fits, also when the entry would go beside the current one.
    const bool newPage = int64_t{cursor.row} + 1 > LastRowThatFits(metrics, pageHeight);
    if (newPage) {
        cursor.row = 0;
        cursor.column = 0;
        ++cursor.page;
    }
    if (columns == 1 || cursor.column == 1) {
        cursor.column = 0;
        ++cursor.row;
    } else {
        cursor.column = 1;
    }
    return newPage;
}

FontListPlan PlanFontList(int32_t entries, int32_t columns, const FontListMetrics& metrics,
                          int32_t pageHeight) {
    // From a page's start the cursor fills rows 1 to R in one column; in two, the right slot of
    // row 0, both slots of rows 1 to R - 1 and the left slot of row R: R or 2 x R entries.
    const int64_t lastRow = LastRowThatFits(metrics, pageHeight);
    const int64_t perPage = lastRow > 0 ? std::min<int64_t>(lastRow * columns, INT32_MAX) : 0;
    FontListPlan plan{static_cast<int32_t>(perPage), 1};
    if (entries <= 0) return plan;  // the header page alone
    if (perPage > 0) {
        // The entry that breaks a page takes the next page's first slot: every page holds the same.
        plan.pages = static_cast<int32_t>(1 + (entries - 1) / perPage);
    } else {
        // Not one row fits: the first page keeps the header alone and every entry breaks a page.
        plan.pages = entries == INT32_MAX ? INT32_MAX : entries + 1;
    }
    return plan;
}

CharMapPrintGrid CharMapGridForPage(int32_t pageWidth, int32_t pageHeight, int32_t headingHeight) {
    CharMapPrintGrid grid{};
    grid.columns = pageHeight > pageWidth ? 14 : 16;
    const int32_t rows = kCellCount / grid.columns;
    const int32_t byWidth = pageWidth / grid.columns;
    const int32_t byHeight = (pageHeight - headingHeight) / rows;
    grid.cellSize = std::max(0, std::min(byWidth, byHeight));
    return grid;
}

}  // namespace logic
