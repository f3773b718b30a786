#include "logic/PrintLayout.h"

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
    const int64_t nextRowEnd = (int64_t{cursor.row} + 2) * metrics.pitch;
    const bool newPage = nextRowEnd > int64_t{pageHeight} - metrics.top;
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

int32_t EntriesPerPage(int32_t pixelsPerInch, int32_t pageHeight, int32_t columns) {
    const double top = Inches(pixelsPerInch, kTop, columns);
    const double pitch = Inches(pixelsPerInch, kPitch, columns);
    if (pitch <= 0) return 0;
    return RoundHalfEven(columns * ((pageHeight - top) / pitch - 1));
}

int32_t PagesNeeded(int32_t entries, int32_t perPage) {
    if (perPage <= 0) return -1;
    return entries / perPage + (entries % perPage != 0 ? 1 : 0);
}

}  // namespace logic
